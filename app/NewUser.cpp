#include "app/NewUser.h"

#include "app/MyApp.h"
#include "app/UserNames.h"
#include "platform/DefaultButton.h"
#include "platform/EndProgram.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Placeholder = QStringLiteral("Type Name Here");

} // namespace

NewUser::NewUser(QWidget* parent)
    : QDialog(parent), Label1(new QLabel(QStringLiteral("Enter a User Name:"), this)),
      NameField(new QLineEdit(this)), OkayButton(new QPushButton(QStringLiteral("Okay"), this)),
      CancelButton(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("NewUser"));
    setWindowTitle(QStringLiteral("Create a New User"));
    Label1->setObjectName(QStringLiteral("Label1"));
    NameField->setObjectName(QStringLiteral("NameField"));
    OkayButton->setObjectName(QStringLiteral("OkayButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    Label1->setBuddy(NameField);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(OkayButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(CancelButton, QDialogButtonBox::RejectRole);
    OkayButton->setDefault(true);
    // Escape would act as the close box, which unloads the window and loses the name typed.
    NoCancelKey(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(NameField);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    NameField->setMinimumWidth(260);

    connect(NameField, &QLineEdit::textChanged, this, &NewUser::NameField_Change);
    connect(OkayButton, &QPushButton::clicked, this, &NewUser::OkayButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &NewUser::CancelButton_Click);

    resetNameField();
    OkayButton->setEnabled(false);
}

void NewUser::resetNameField() {
    NameField->setText(Placeholder);
    NameField->selectAll();
    NameField->setFocus();
}

void NewUser::NameField_Change() {
    const QString text = NameField->text();
    OkayButton->setEnabled(text != Placeholder && !text.isEmpty());
}

// The buttons leave through done(Accepted); only the close box rejects, which unloads the window.
void NewUser::OkayButton_Click() {
    if (AddUser()) {
        ButtonPushed = "Okay";
        done(Accepted);
    }
}

void NewUser::CancelButton_Click() {
    ButtonPushed = "Cancel";
    done(Accepted);
}

bool NewUser::AddUser() {
    const std::string name = FileNameFromQString(NameField->text());
    if (IsUserName(name)) {
        ShowMessage("That name is in use; please choose another.", MsgIcon::Stop);
        resetNameField();
        return false;
    }
    // A name that is not one plain folder name would make or use a folder outside Users.
    if (!IsPlainFolderName(name)) {
        ShowMessage("I could not set up a new user-folder.", MsgIcon::Stop);
        return false;
    }
    UserFolder = UsersFolder + PathSeparator + name;
    MakeFolder(UserFolder);
    if (!FolderExists(UserFolder)) {
        ShowMessage("I could not set up a new user-folder.", MsgIcon::Stop);
        EndProgram();
    }
    return true;
}
