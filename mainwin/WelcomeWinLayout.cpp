#include "mainwin/NounPane.h"
#include "mainwin/VerbPane.h"
#include "mainwin/VocabPane.h"
#include "mainwin/WelcomeWin.h"
#include "widgets/Controls.h"
#include "widgets/SpinArrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

QAction* separator(QMenu* menu, const char* name) {
    return Named(menu->addSeparator(), name);
}

} // namespace

WelcomeWin::WelcomeWin() {
    setObjectName(QStringLiteral("WelcomeWin"));
    setWindowTitle(QStringLiteral("Lexivo for Windows"));
    buildMenus();
    loadWindow();
}

void WelcomeWin::buildMenus() {
    QMenu* file = Named(menuBar()->addMenu(QStringLiteral("&File")), "mnuFile");
    mnuFileQuit = NamedMenuItem(file, "mnuFileQuit", "&Quit", "Ctrl+Q");

    QMenu* drills = Named(menuBar()->addMenu(QStringLiteral("&Drills")), "mnuDrills");
    mnuDrillsVocab = NamedMenuItem(drills, "mnuDrillsVocab", "Begin Vocabulary Drill", "Ctrl+B");
    mnuDrillsVerb = NamedMenuItem(drills, "mnuDrillsVerb", "Begin Verb Drill", "Ctrl+V");
    mnuDrillsNoun = NamedMenuItem(drills, "mnuDrillsNoun", "Begin Noun Drill", "Ctrl+N");
    mnuDrillsSeparator = separator(drills, "mnuDrillsSeparator");
    mnuDrillDefault = NamedMenuItem(drills, "mnuDrillDefault", "Default Settings");

    QMenu* help = Named(menuBar()->addMenu(QStringLiteral("&Help")), "mnuHelp");
    mnuHelpAbout = NamedMenuItem(help, "mnuHelpAbout", "&About Lexivo");
    mnuSep2 = separator(help, "mnuSep2");
    mnuHelpHelp = NamedMenuItem(help, "mnuHelpHelp", "Lexivo Help", "Ctrl+H");

    connect(mnuFileQuit, &QAction::triggered, this, &WelcomeWin::mnuFileQuit_Click);
    connect(mnuDrillsVocab, &QAction::triggered, this, &WelcomeWin::StartVocabDrill);
    connect(mnuDrillsVerb, &QAction::triggered, this, &WelcomeWin::VerbBeginButton_Click);
    connect(mnuDrillsNoun, &QAction::triggered, this, &WelcomeWin::NounBeginButton_Click);
    connect(mnuDrillDefault, &QAction::triggered, this, &WelcomeWin::mnuDrillDefault_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &WelcomeWin::mnuHelpAbout_Click);
    connect(mnuHelpHelp, &QAction::triggered, this, &WelcomeWin::mnuHelpHelp_Click);
}

void WelcomeWin::buildControls() {
    auto* content = new QWidget(this);
    WelcomeText = NamedLabel("WelcomeText", "Welcome User!", content);
    WelcomeText->setTextFormat(Qt::PlainText); // a user's name is shown as typed, never as markup
    QFont greeting = WelcomeText->font();
    greeting.setPointSizeF(greeting.pointSizeF() * 1.5);
    greeting.setBold(true);
    WelcomeText->setFont(greeting);

    MainTab = Named(new QTabBar(content), "MainTab");
    for (const char* caption : {"Vocabulary", "Verbs", "Nouns, etc."})
        MainTab->addTab(QString::fromLatin1(caption));
    MainTab->setDrawBase(false);
    MainTab->setExpanding(false);

    // The three panes lie on top of one another; the area keeps the room of the largest.
    auto* paneArea = new QFrame(content);
    paneArea->setFrameShape(QFrame::StyledPanel);
    vocabPane_ = new VocabPane(paneArea);
    verbPane_ = new VerbPane(paneArea);
    nounPane_ = new NounPane(paneArea);
    auto* panes = new QGridLayout(paneArea);
    for (QWidget* pane : {static_cast<QWidget*>(vocabPane_), static_cast<QWidget*>(verbPane_),
                          static_cast<QWidget*>(nounPane_)}) {
        QSizePolicy policy = pane->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        pane->setSizePolicy(policy);
        panes->addWidget(pane, 0, 0);
    }

    Frame2 = Named(new QGroupBox(QStringLiteral("Fonts"), content), "Frame2");
    Label2 = NamedLabel("Label2", "Greek:", Frame2);
    GreekFont = Named(new QComboBox(Frame2), "GreekFont");
    Lable2 = NamedLabel("Lable2", "English:", Frame2);
    EnglishFont = Named(new QComboBox(Frame2), "EnglishFont");
    for (QComboBox* list : {GreekFont, EnglishFont}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(14);
    }
    Label2->setBuddy(GreekFont);
    Lable2->setBuddy(EnglishFont);

    Frame1 = Named(new QGroupBox(QStringLiteral("Drill"), content), "Frame1");
    Label1 = NamedLabel("Label1", "How Many?", Frame1);
    HowManyField = Named(new QLineEdit(QStringLiteral("50"), Frame1), "HowManyField");
    VScroll1 = Named(new SpinArrows(10, 200, 10, 50, Frame1), "VScroll1");
    SetUpNumberField(HowManyField, VScroll1);
    Label1->setBuddy(HowManyField);
    Accents = Named(new QCheckBox(QStringLiteral("Accents Important?"), Frame1), "Accents");

    Frame3 =
        Named(new QGroupBox(QStringLiteral("Active vs. Passive Knowledge"), content), "Frame3");
    PercentActive = NamedSlider("PercentActive", 0, 100, 0, 10, Frame3);
    ActiveText = NamedLabel("ActiveText", "0% Active Knowledge", Frame3);

    Command1 = Named(new QPushButton(QStringLiteral("Quit"), content), "Command1");
    Command3 =
        Named(new QPushButton(QStringLiteral("Log on as different user"), content), "Command3");

    auto* fonts = new QGridLayout(Frame2);
    fonts->addWidget(Label2, 0, 0);
    fonts->addWidget(GreekFont, 0, 1);
    fonts->addWidget(Lable2, 1, 0);
    fonts->addWidget(EnglishFont, 1, 1);
    fonts->setColumnStretch(1, 1);

    auto* drill = new QGridLayout(Frame1);
    drill->setHorizontalSpacing(4);
    drill->addWidget(Label1, 0, 0);
    drill->addWidget(HowManyField, 0, 1);
    drill->addWidget(VScroll1, 0, 2);
    drill->setColumnStretch(3, 1);
    drill->addWidget(Accents, 1, 0, 1, 4);

    LayOutSliderFrame(Frame3, PercentActive, ActiveText);

    auto* settings = new QHBoxLayout;
    settings->addWidget(Frame2, 3);
    settings->addWidget(Frame1, 2);
    settings->addWidget(Frame3, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command3);
    buttons->addWidget(Command1);

    // The tabs sit on the frame of the pane they show, as on a tabbed dialog.
    auto* tabbed = new QVBoxLayout;
    tabbed->setSpacing(0);
    tabbed->addWidget(MainTab);
    tabbed->addWidget(paneArea, 1);

    auto* layout = new QVBoxLayout(content);
    layout->setSpacing(10);
    layout->addWidget(WelcomeText);
    layout->addLayout(tabbed, 1);
    layout->addLayout(settings);
    layout->addLayout(buttons);
    setCentralWidget(content);

    connect(MainTab, &QTabBar::currentChanged, this,
            [this](int index) { MainTab_Click(index + 1); });
    connect(Accents, &QCheckBox::stateChanged, this, &WelcomeWin::Accents_Click);
    connect(EnglishFont, &QComboBox::currentIndexChanged, this, &WelcomeWin::EnglishFont_Click);
    connect(GreekFont, &QComboBox::currentIndexChanged, this, &WelcomeWin::GreekFont_Click);
    connect(HowManyField, &QLineEdit::textChanged, this, &WelcomeWin::HowManyField_Change);
    connect(VScroll1, &SpinArrows::valueChanged, this, &WelcomeWin::VScroll1_Change);
    connect(PercentActive, &QSlider::valueChanged, this, &WelcomeWin::PercentActive_Change);
    connect(Command1, &QPushButton::clicked, this, &WelcomeWin::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &WelcomeWin::Command3_Click);
    connect(vocabPane_->BeginButton(), &QPushButton::clicked, this, &WelcomeWin::StartVocabDrill);
    connect(verbPane_->BeginButton(), &QPushButton::clicked, this,
            &WelcomeWin::VerbBeginButton_Click);
    connect(nounPane_->BeginButton(), &QPushButton::clicked, this,
            &WelcomeWin::NounBeginButton_Click);
    connect(vocabPane_->DefaultButton(), &QPushButton::clicked, this, &WelcomeWin::SetDefaultPrefs);
}

void WelcomeWin::unloadControls() {
    // The controls go with everything they hold; the next loading builds them in their design
    // state. The button that asked for this may still be on the call stack, so it is deleted
    // later, and taken out of the window at once so that no one finds it by name.
    QWidget* content = takeCentralWidget();
    if (!content)
        return;
    content->hide();
    content->setParent(nullptr);
    content->deleteLater();
}

void WelcomeWin::loadWindow() {
    buildControls();
    InitMainWindow();
}
