#include "platform/EndProgram.h"

#include <cstdio>
#include <cstdlib>

namespace {

EndProgramHook& hook() {
    static EndProgramHook instance;
    return instance;
}

} // namespace

void EndProgram() {
    if (hook())
        hook()();
    std::fflush(nullptr);
    std::_Exit(0);
}

void SetEndProgramHook(EndProgramHook hook_) {
    hook() = std::move(hook_);
}
