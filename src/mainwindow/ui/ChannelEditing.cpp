#include "mainwindow/ui/ChannelEditing.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTableView>

#include "channellist/ChannelClipboardText.h"
#include "lang/ChannelEditText.h"
#include "mainwindow/ui/ChannelGridView.h"
#include "mainwindow/ui/ChannelListFiles.h"
#include "mainwindow/ui/ChannelPage.h"
#include "mainwindow/ui/ChannelSelection.h"
#include "mainwindow/ui/ChannelTableModel.h"
#include "model/ChannelMoves.h"

namespace radioprog::ui {

ChannelEditing::ChannelEditing(GuiContext& context, QWidget* window, ChannelPage& channelPage,
                               std::function<void()> redraw)
    : QObject(window),
      context_(context),
      window_(window),
      channelPage_(channelPage),
      grid_(channelPage.Grid()),
      model_(channelPage.Model()),
      redraw_(std::move(redraw)),
      actions_(new ChannelEditActions(window, &grid_)) {
    // Whole channels are chosen through the row headers, with Shift and Ctrl as anywhere.
    grid_.setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(actions_->undo, &QAction::triggered, this, &ChannelEditing::Undo);
    connect(actions_->redo, &QAction::triggered, this, &ChannelEditing::Redo);
    connect(actions_->cut, &QAction::triggered, this, &ChannelEditing::Cut);
    connect(actions_->copy, &QAction::triggered, this, &ChannelEditing::Copy);
    connect(actions_->paste, &QAction::triggered, this, &ChannelEditing::Paste);
    connect(actions_->clear, &QAction::triggered, this, &ChannelEditing::Clear);
    connect(actions_->moveUp, &QAction::triggered, this, [this] { Move(-1); });
    connect(actions_->moveDown, &QAction::triggered, this, [this] { Move(1); });
    connect(actions_->importChannels, &QAction::triggered, this, &ChannelEditing::ImportChannels);
    connect(actions_->exportChannels, &QAction::triggered, this, &ChannelEditing::ExportChannels);
    connect(actions_->fillDown, &QAction::triggered, this, &ChannelEditing::FillDown);
    connect(actions_->duplexOffset, &QAction::triggered, this, &ChannelEditing::DuplexOffset);
    // valueNotice names the cell of every stored edit, channelEdited follows when it changed
    // the channel.
    connect(&model_, &ChannelTableModel::valueNotice, this, &ChannelEditing::NoteCellEdit);
    connect(&model_, &ChannelTableModel::channelEdited, this, &ChannelEditing::NoteChannelEdit);
    WatchPage(channelPage_);
    StartFreshHistory();
    RefreshTexts();
}

void ChannelEditing::WatchPage(MainWindowPage& page) {
    // Unique: watching a page twice must not make one edit two steps.
    connect(&page, &MainWindowPage::projectEdited, this, &ChannelEditing::Record,
            Qt::UniqueConnection);
}

void ChannelEditing::StartFreshHistory() {
    model_.ForgetMovedValues();
    history_.Reset(context_.data.image, context_.data.band);
    UpdateActions();
}

void ChannelEditing::RecordUnrecordedChanges() {
    Record();
}

void ChannelEditing::RecordRadioRead() {
    model_.ForgetMovedValues();
    history_.Record(context_.data.image, context_.data.band, HistoryStep::RadioRead);
    UpdateActions();
}

void ChannelEditing::RefreshTexts() {
    actions_->RefreshTexts(context_.data.lang);
    UpdateActions();
}

void ChannelEditing::Record() {
    history_.Record(context_.data.image, context_.data.band);
    UpdateActions();
}

void ChannelEditing::UpdateActions() {
    actions_->undo->setEnabled(history_.CanUndo());
    actions_->redo->setEnabled(history_.CanRedo());
    const auto undoText = history_.NextUndo() == HistoryStep::RadioRead
                              ? ChannelEditTextId::UndoReadFromRadio
                              : ChannelEditTextId::Undo;
    actions_->undo->setText(
        QString::fromStdString(ChannelEditTextUtf8(context_.data.lang, undoText)));
}

void ChannelEditing::Change(const std::function<bool(std::vector<int>& select)>& change) {
    channelPage_.CommitPendingEdit();
    Record();
    std::vector<int> select;
    if (!change(select)) {
        return;
    }
    Record();
    redraw_();
    SelectChannels(grid_, select);
}

void ChannelEditing::Undo() {
    channelPage_.CommitPendingEdit();
    if (history_.Undo(context_.data.image, context_.data.band)) {
        redraw_();
    }
    UpdateActions();
}

void ChannelEditing::Redo() {
    channelPage_.CommitPendingEdit();
    if (history_.Redo(context_.data.image, context_.data.band)) {
        redraw_();
    }
    UpdateActions();
}

void ChannelEditing::Copy() {
    channelPage_.CommitPendingEdit();
    const std::vector<int> channels = SelectedChannels(grid_);
    if (!channels.empty()) {
        const std::string tsv =
            ChannelsAsTsv(context_.data.image, channels, context_.data.lang.LangType());
        QGuiApplication::clipboard()->setText(QString::fromStdString(tsv));
        lastCopy_ = tsv;
    }
}

void ChannelEditing::Cut() {
    Copy();
    Clear();
}

void ChannelEditing::Paste() {
    const int first = FirstSelectedChannel(grid_);
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    if (first == 0 || text.empty()) {
        return;
    }
    Change([&](std::vector<int>& select) {
        AppData& data = context_.data;
        // Our own copy carries stored tones exactly, also those outside the list.
        const auto outside =
            text == lastCopy_ ? TonesOutsideTheList::Keep : TonesOutsideTheList::Refuse;
        const ChannelListResult result =
            PasteChannelsTsv(text, first, data.image, data.band, outside);
        if (!result) {
            context_.Tell(
                window_, QString::fromStdString(
                             ChannelEditTextUtf8(data.lang, ChannelEditTextId::CannotPaste) + "\n" +
                             result.error.Message()));
            return false;
        }
        for (int k = 0; k < result.rows; ++k) {
            select.push_back(first + k);
        }
        return true;
    });
}

void ChannelEditing::Clear() {
    Change([&](std::vector<int>& select) {
        select = SelectedChannels(grid_);
        ClearChannels(context_.data.image, select);
        return !select.empty();
    });
}

void ChannelEditing::Move(int step) {
    channelPage_.CommitPendingEdit();
    Record();
    // Row moves: the grid redraws only the rows that moved, and the selection goes along.
    if (model_.MoveChannels(SelectedChannels(grid_), step)) {
        Record();
    }
}

void ChannelEditing::ImportChannels() {
    Change([&](std::vector<int>&) { return ImportChannelList(context_, window_); });
}

void ChannelEditing::ExportChannels() {
    channelPage_.CommitPendingEdit();
    ExportChannelList(context_, window_);
}

}  // namespace radioprog::ui
