#include "mainwin/ParadigmPane.h"

#include "app/DataFileOrEnd.h"
#include "app/MyApp.h"
#include "mainwin/ParadigmPaneList.h"
#include "mainwin/ParadigmPrefs.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/Numbers.h"
#include "platform/RunError.h"
#include "widgets/Controls.h"
#include "widgets/DisplayFontText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// A click anywhere on an item of the list toggles its check mark, not only on the box itself.
class CheckOnClickDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        if (event->type() == QEvent::MouseButtonDblClick)
            return true;
        if (event->type() != QEvent::MouseButtonRelease)
            return QStyledItemDelegate::editorEvent(event, model, option, index);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !option.rect.contains(mouse->position().toPoint()))
            return false;
        const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
};

QFont ListFont() {
    QFont font(QStringLiteral("Ortholex"));
    font.setPointSizeF(9.75);
    return font;
}

} // namespace

ParadigmPane::ParadigmPane(QWidget* parent, const ParadigmPaneNames& names)
    : QWidget(parent), listBox_(Named(new QListWidget, names.listBox)),
      selectFrame_(Named(new QGroupBox(names.selectCaption), names.selectFrame)),
      beginButton_(Named(new QPushButton("Begin Drill"), names.beginButton)) {
    auto* pickFrame = Named(new QGroupBox(names.pickCaption), names.pickFrame);
    auto* uncheckButton = Named(new QPushButton(names.uncheckCaption), names.uncheckButton);
    auto* defaultButton = Named(new QPushButton("Default Settings"), names.defaultButton);

    listBox_->setFont(ListFont());
    listBox_->setSelectionMode(QAbstractItemView::NoSelection);
    listBox_->setItemDelegate(new CheckOnClickDelegate(listBox_));

    auto* pickLayout = new QVBoxLayout(pickFrame);
    pickLayout->addWidget(listBox_);
    pickLayout->addWidget(uncheckButton, 0, Qt::AlignLeft);

    auto* frames = new QHBoxLayout;
    frames->addWidget(pickFrame, 2);
    frames->addWidget(selectFrame_, 3);
    LayOutPane(this, frames, defaultButton, beginButton_);

    connect(uncheckButton, &QPushButton::clicked, this, &ParadigmPane::UncheckAllItems);
    connect(defaultButton, &QPushButton::clicked, this, &ParadigmPane::ApplyDefaultPrefs);
}

void ParadigmPane::LoadList(const ParadigmListFile& file) {
    listBox_->clear();
    const std::vector<std::string> names = DataFileOrEnd(ReadDataFile(
        file.fileName, file.missingMessage, file.readErrorMessage, [&](const std::string& path) {
            return ReadParadigmNames(path, file.separator, file.nameField);
        }));
    for (const std::string& name : names) {
        auto* item = new QListWidgetItem(DisplayFontToQString(name), listBox_);
        // The display-font text stays beside the shown text for the drill set-up.
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

std::vector<std::pair<int, std::string>> ParadigmPane::CheckedItems() const {
    std::vector<std::pair<int, std::string>> items;
    for (int i = 0; i < listBox_->count(); ++i) {
        const QListWidgetItem* item = listBox_->item(i);
        if (item->checkState() == Qt::Checked)
            items.emplace_back(i + 1, item->data(Qt::UserRole).toByteArray().toStdString());
    }
    return items;
}

void ParadigmPane::UncheckAllItems() {
    for (int i = 0; i < listBox_->count(); ++i)
        listBox_->item(i)->setCheckState(Qt::Unchecked);
}

void ParadigmPane::CheckOnlyFirstItem() {
    UncheckAllItems();
    if (listBox_->count() > 0)
        listBox_->item(0)->setCheckState(Qt::Checked);
}

void ParadigmPane::CheckListItems(const std::string& codeList) {
    for (double number : CodeListNumbers(codeList)) {
        const int position = RoundToInt16(number) - 1;
        if (position < 0 || position >= listBox_->count())
            throw RunError(ErrNo::SubscriptOutOfRange, "no such list item");
        listBox_->item(position)->setCheckState(Qt::Checked);
    }
}

void ParadigmPane::LoadPrefsFile(const char* fileName, int codeListCount, int flagCount) {
    const std::string path = UserFolder + PathSeparator + fileName;
    if (!FileExists(path)) {
        ApplyDefaultPrefs();
        return;
    }
    try {
        const ParadigmPrefs prefs = ReadParadigmPrefs(path, codeListCount, flagCount);
        UncheckAllItems();
        CheckListItems(prefs.codeLists[0]);
        ApplyPrefs(prefs);
    } catch (const RunError&) {
        ShowMessage("I could not open your preference file; using default preferences instead.",
                    MsgIcon::Stop);
        ApplyDefaultPrefs();
    }
}

void ParadigmPane::SavePrefsFile(const char* fileName, const ParadigmPrefs& prefs) {
    try {
        WriteParadigmPrefs(UserFolder + PathSeparator + fileName, prefs);
    } catch (const RunError&) {
        ShowMessage("For some reason I could not save your preferences.", MsgIcon::Stop);
    }
}
