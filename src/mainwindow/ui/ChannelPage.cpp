#include "mainwindow/ui/ChannelPage.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "mainwindow/ui/ChannelGridView.h"
#include "mainwindow/ui/ChannelTableModel.h"
#include "mainwindow/ui/FreqCellDelegate.h"
#include "mainwindow/ui/ListCellDelegate.h"
#include "mainwindow/ui/ToneCellDelegate.h"

namespace radioprog::ui {

namespace {

// Where the nonstandard-tone tip stands, from the tone editor's top-left corner.
const QPoint kToneTipOffset(50, 20);

}  // namespace

ChannelPage::ChannelPage(GuiContext& context, QWidget* parent)
    : MainWindowPage(parent),
      context_(context),
      model_(new ChannelTableModel(context.data, this)),
      grid_(new ChannelGridView(this)),
      toneTip_(new QLabel(this)),
      valueNotice_(new QLabel(this)) {
    grid_->setModel(model_);
    auto* frequency = new FreqCellDelegate(context_, grid_);
    auto* tone = new ToneCellDelegate(grid_);
    grid_->setItemDelegateForColumn(kColRxFreq, frequency);
    grid_->setItemDelegateForColumn(kColTxFreq, frequency);
    grid_->setItemDelegateForColumn(kColRxTone, tone);
    grid_->setItemDelegateForColumn(kColTxTone, tone);
    const struct {
        int column;
        const char* editorName;
    } lists[] = {{kColPower, "cbChInfor_Pow"},       {kColBandwidth, "cbChInfor_Bandwidth"},
                 {kColBusyFit, "cbChInfor_BusyFit"}, {kColScan, "cbChInfor_Scan"},
                 {kColDtmf, "cbChInfor_Dtmf"},       {kColSquelchMode, "cbChInfor_SquelchMode"}};
    for (const auto& list : lists) {
        const int column = list.column;
        grid_->setItemDelegateForColumn(
            column, new ListCellDelegate(
                        QString::fromLatin1(list.editorName),
                        [this, column] { return model_->ListItems(column); }, grid_));
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    toneTip_->setObjectName(QStringLiteral("sTiShi_0"));
    toneTip_->hide();
    valueNotice_->setObjectName(QStringLiteral("sValueNotice"));
    for (QLabel* tip : {toneTip_, valueNotice_}) {
        // Drawn like a hint, so that it stays readable over the cells it covers.
        tip->setAutoFillBackground(true);
        tip->setBackgroundRole(QPalette::ToolTipBase);
        tip->setForegroundRole(QPalette::ToolTipText);
        tip->setFrameShape(QFrame::Box);
        tip->setMargin(2);
    }
    valueNotice_->hide();

    connect(model_, &ChannelTableModel::channelEdited, this, &MainWindowPage::projectEdited);
    connect(tone, &ToneCellDelegate::toneStored, this, &ChannelPage::ShowToneTip);
    connect(grid_, &ChannelGridView::userMovedInGrid, toneTip_, &QWidget::hide);
    // The tip marks one cell's tone: once that tone is standard (undone, pasted over,
    // cleared) or the channels move, it marks nothing.
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] {
        if (!model_->IsNonstandardTone(toneTipCell_)) {
            toneTip_->hide();
        }
    });
    connect(model_, &QAbstractItemModel::rowsMoved, toneTip_, &QWidget::hide);
    connect(model_, &ChannelTableModel::valueNotice, this, &ChannelPage::ShowValueNotice);
    connect(grid_, &ChannelGridView::userMovedInGrid, valueNotice_, &QWidget::hide);
    grid_->ApplySizes(context_.data.config);
    ShowAllFields(context_.data.config.showAllChannelFields);
}

void ChannelPage::ShowAllFields(bool shown) {
    context_.data.config.showAllChannelFields = shown;
    for (int column = kFirstRecordFieldColumn; column < kGridColumnCount; ++column) {
        grid_->setColumnHidden(column, !shown);
    }
    FitRecordFieldCaptions();
    grid_->FitCaptionsForBold();
}

void ChannelPage::FitRecordFieldCaptions() {
    const QHeaderView& header = *grid_->horizontalHeader();
    for (int column = kFirstRecordFieldColumn; column < kGridColumnCount; ++column) {
        if (!grid_->isColumnHidden(column)) {
            grid_->setColumnWidth(
                column, std::max(grid_->columnWidth(column), header.sectionSizeHint(column)));
        }
    }
}

void ChannelPage::RefreshFromModel() {
    // After new, open or a radio read the model is the truth: an editor still open holds a
    // value of the old project and must not write it into the new one.
    grid_->CloseOpenEditor(false);
    if (!sizesApplied_) {
        // The first full redraw comes after the configuration has been read.
        grid_->ApplySizes(context_.data.config);
        sizesApplied_ = true;
    }
    model_->RefreshTexts();
    model_->RefreshAll();
    FitRecordFieldCaptions();
    grid_->SetCornerCaption(model_->CornerCaption());
    toneTip_->setText(model_->NonstandardText());
    // A note about a cell of the project that was there before says nothing about this one.
    toneTip_->hide();
    valueNotice_->hide();
    grid_->FitCaptionsForBold();
}

void ChannelPage::CommitPendingEdit() {
    grid_->CloseOpenEditor(true);
}

void ChannelPage::StoreLayoutInConfiguration() {
    grid_->StoreSizes(context_.data.config);
}

void ChannelPage::MoveToFirstCell() {
    // Ctrl is still down after Ctrl+R or Ctrl+W: the view would add the cell to the
    // selection; the first cell alone is what is meant.
    grid_->selectionModel()->setCurrentIndex(model_->index(0, kColRxFreq),
                                             QItemSelectionModel::ClearAndSelect);
}

void ChannelPage::FocusGrid() {
    // The keys act on the current cell: there must be one for the first key to reach.
    if (!grid_->currentIndex().isValid()) {
        grid_->selectionModel()->setCurrentIndex(model_->index(0, kColRxFreq),
                                                 QItemSelectionModel::ClearAndSelect);
    }
    grid_->setFocus();
}

void ChannelPage::ShowToneTip(const QModelIndex& index, QPoint editorTopLeft) {
    if (!model_->IsNonstandardTone(index)) {
        toneTip_->hide();
        return;
    }
    toneTipCell_ = index;
    toneTip_->adjustSize();
    toneTip_->move(mapFromGlobal(editorTopLeft) + kToneTipOffset);
    toneTip_->raise();
    toneTip_->show();
}

// Under the cell that was edited, where the eyes are when the value is stored.
void ChannelPage::ShowValueNotice(const QModelIndex& index, const QString& text) {
    if (text.isEmpty()) {
        valueNotice_->hide();
        return;
    }
    valueNotice_->setText(text);
    valueNotice_->adjustSize();
    const QRect cell = grid_->visualRect(index);
    valueNotice_->move(grid_->viewport()->mapTo(this, cell.bottomLeft()));
    valueNotice_->raise();
    valueNotice_->show();
}

}  // namespace radioprog::ui
