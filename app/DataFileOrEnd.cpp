#include "app/DataFileOrEnd.h"

#include "platform/EndProgram.h"
#include "platform/MessageBox.h"

void EndForDataFile(const std::string& message) {
    ShowMessage(message, MsgIcon::Stop);
    EndProgram();
}
