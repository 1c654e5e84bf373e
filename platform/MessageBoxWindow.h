#pragma once

#include "platform/MessageBox.h"

#include <string>

// The message box that shows the program's messages (ShowMessage, MessageBox.h): modal, OK
// only, captioned "Lexivo".
void ShowMessageBox(const std::string& text, MsgIcon icon);
