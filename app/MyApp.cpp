#include "app/MyApp.h"

#include "platform/EndProgram.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"

void SetUpFolders() {
    AppFolder = ProgramFolder();
    UsersFolder = AppFolder + PathSeparator + "Users";
    DataFolder = AppFolder + PathSeparator + "Data";
    HelpFile = DataFolder + PathSeparator + "HELPER.HLP";

    if (!FolderExists(DataFolder)) {
        ShowMessage("I could not find a folder named Data in the same folder as the Lexivo "
                    "application. Please reinstall Lexivo.",
                    MsgIcon::Stop);
        QuitProgram();
    }
    if (!FolderExists(UsersFolder)) {
        // Without Users no profile can be kept, so a folder that cannot be made ends the program
        // rather than reporting a folder that is not there.
        if (!MakeFolder(UsersFolder)) {
            ShowMessage("There was no folder named Users in the same folder as the Lexivo "
                        "application, and I could not create one.",
                        MsgIcon::Stop);
            QuitProgram();
        }
        ShowMessage("There was no folder named Users in the same folder as the Lexivo application, "
                    "so I created one. ",
                    MsgIcon::Information);
    }
    Prefs = LexivoPrefFile{};
}

void QuitProgram() {
    EndProgram();
}
