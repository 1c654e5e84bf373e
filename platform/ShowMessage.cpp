#include "platform/MessageBox.h"

namespace {

MessageSink& sink() {
    static MessageSink theSink;
    return theSink;
}

MessageSink& shower() {
    static MessageSink theShower;
    return theShower;
}

} // namespace

void SetMessageSink(MessageSink newSink) {
    sink() = std::move(newSink);
}

void SetMessageShower(MessageSink newShower) {
    shower() = std::move(newShower);
}

void ShowMessage(const std::string& text, MsgIcon icon) {
    if (sink())
        sink()(text, icon);
    else if (shower())
        shower()(text, icon);
}
