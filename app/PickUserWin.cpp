#include "app/PickUserWin.h"

#include "app/MyApp.h"
#include "app/NewUser.h"
#include "app/Pictures.h"
#include "app/UserNames.h"
#include "platform/DefaultButton.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "platform/TopWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const std::string NewUserEntry = "New User";

// Each entry keeps the name's bytes as the file system gave them, whatever its shown text.
std::string entryName(const QListWidgetItem* item) {
    return item->data(Qt::UserRole).toByteArray().toStdString();
}

void addEntry(QListWidget* list, const std::string& name) {
    auto* item = new QListWidgetItem(FileNameToQString(name), list);
    item->setData(Qt::UserRole, QByteArray::fromStdString(name));
}

QPointer<PickUserWin>& theWindow() {
    static QPointer<PickUserWin> window;
    return window;
}

} // namespace

PickUserWin::PickUserWin(QWidget* parent)
    : QDialog(parent), picture_(UserChoicePicture()),
      Label1(new QLabel(QStringLiteral("Welcome!"), this)),
      Label3(new QLabel(QStringLiteral("Choose a User:"), this)), UserList(new QListWidget(this)),
      Label2(new QLabel(QStringLiteral("Please choose a user profile."), this)),
      Start(new QPushButton(QStringLiteral("Start"), this)),
      QuitButton(new QPushButton(QStringLiteral("Quit"), this)) {
    setObjectName(QStringLiteral("PickUserWin"));
    setWindowTitle(QStringLiteral("Choose User"));
    setFixedSize(picture_.size());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3->setObjectName(QStringLiteral("Label3"));
    UserList->setObjectName(QStringLiteral("UserList"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Start->setObjectName(QStringLiteral("Start"));
    QuitButton->setObjectName(QStringLiteral("QuitButton"));

    QFont heading(QStringLiteral("DejaVu Serif"));
    heading.setPixelSize(20);
    heading.setBold(true);
    Label1->setFont(heading);
    Label1->setStyleSheet(QStringLiteral("color: #233a66"));
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label3->setBuddy(UserList);
    QFont small = Label2->font();
    small.setPixelSize(11);
    Label2->setFont(small);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    UserList->setSelectionMode(QAbstractItemView::SingleSelection);
    Start->setEnabled(false);
    Start->setDefault(true);
    // Escape would act as the close box, which ends the program while no user is chosen.
    NoCancelKey(this);

    auto* left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addSpacing(6);
    left->addWidget(Label2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Start);
    buttons->addWidget(QuitButton);
    auto* right = new QVBoxLayout;
    right->addWidget(Label3);
    right->addWidget(UserList, 1);
    right->addLayout(buttons);
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(18, 36, 18, 18);
    columns->setSpacing(12);
    columns->addLayout(left, 1);
    columns->addLayout(right);
    UserList->setFixedWidth(150);
    buttons->setSpacing(6);
    Start->setFixedWidth(72);
    QuitButton->setFixedWidth(72);

    connect(UserList, &QListWidget::itemSelectionChanged, this, &PickUserWin::UserList_Click);
    connect(UserList, &QListWidget::itemDoubleClicked, this, &PickUserWin::ChooseUser);
    connect(Start, &QPushButton::clicked, this, &PickUserWin::ChooseUser);
    connect(QuitButton, &QPushButton::clicked, this, &PickUserWin::QuitButton_Click);

    Label2->setText(ToQString("Please choose a user name. If you have not yet created one for "
                              "yourself, choose \"New User.\"\r\n\r\nLexivo will use your user "
                              "name to keep track of your settings and your performance from "
                              "session to session."));
    FillUserList();
}

void PickUserWin::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_);
}

void PickUserWin::reject() {
    if (UserFolder.empty())
        QuitButton_Click();
    QDialog::reject();
}

void PickUserWin::FillUserList() {
    UserList->clear();
    for (const std::string& name : SubFolderNames(UsersFolder))
        addEntry(UserList, name);
    addEntry(UserList, NewUserEntry);
    if (UserList->count() == 1)
        UserList->setCurrentRow(0);
}

void PickUserWin::UserList_Click() {
    Start->setEnabled(!UserList->selectedItems().isEmpty());
}

void PickUserWin::ChooseUser() {
    const auto selected = UserList->selectedItems();
    const std::string name = selected.isEmpty() ? std::string() : entryName(selected.first());
    UserFolder.clear();
    if (name != NewUserEntry) {
        if (IsUserName(name))
            UserFolder = UsersFolder + PathSeparator + name;
        if (!FolderExists(UserFolder)) {
            UserFolder.clear();
            ShowMessage("I could not set up a new user-folder.", MsgIcon::Stop);
        }
    } else {
        if (!newUser_)
            newUser_ = new NewUser(this);
        std::string pushed;
        if (newUser_->exec() == Accepted)
            pushed = newUser_->ButtonPushed;
        else
            delete newUser_; // closed by its close box: unloaded, and its next showing is fresh
        if (pushed != "Cancel")
            FillUserList();
    }
    if (!UserFolder.empty())
        accept();
}

void PickUserWin::QuitButton_Click() {
    QuitProgram();
}

void ShowPickUserWin() {
    if (!theWindow())
        theWindow() = new PickUserWin;
    // In front of whatever window of the program is still shown (a help viewer stays when the
    // main window hides); the owner is let go again, since it may close while this window is kept.
    SetOwner(theWindow(), TopWindow());
    theWindow()->exec();
    SetOwner(theWindow(), nullptr);
}

void UnloadPickUserWin() {
    delete theWindow();
}
