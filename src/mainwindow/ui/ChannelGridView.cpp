#include "mainwindow/ui/ChannelGridView.h"

#include "mainwindow/ui/HeaderEdgeResizer.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

#include "mainwindow/ui/ChannelTableModel.h"

namespace radioprog::ui {

namespace {

// Rows and columns may be made small by hand; the configured sizes are taken as they are.
constexpr int kMinimumSectionSize = 4;
constexpr qreal kGridPointSize = 8;

bool IsFrequencyColumn(int column) {
    return column == kColRxFreq || column == kColTxFreq;
}

}  // namespace

ChannelGridView::ChannelGridView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("StringGrid1"));
    // Editors open on a click, Enter or a digit (keyPressEvent); F2 as everywhere in Qt.
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setWordWrap(false);
    // The configured column widths are made for a nine-character frequency in a small font.
    QFont small = font();
    small.setPointSizeF(kGridPointSize);
    setFont(small);
    // A frequency a pixel too wide stays readable whole rather than losing its last digits.
    setTextElideMode(Qt::ElideNone);
    viewport()->setMouseTracking(true);
    horizontalHeader()->setMinimumSectionSize(kMinimumSectionSize);
    verticalHeader()->setMinimumSectionSize(kMinimumSectionSize);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    new HeaderEdgeResizer(*verticalHeader());
    new HeaderEdgeResizer(*horizontalHeader());

    // The corner above the channel numbers carries the number column's caption.
    if (auto* corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        cornerCaption_ = new QLabel(corner);
        cornerCaption_->setAlignment(Qt::AlignCenter);
        cornerCaption_->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* layout = new QHBoxLayout(corner);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(cornerCaption_);
    }
}

void ChannelGridView::SetCornerCaption(const QString& caption) {
    if (cornerCaption_ != nullptr) {
        cornerCaption_->setText(caption);
    }
}

bool ChannelGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // Qt keeps its editors to itself: the one this call opens is the viewport's new child.
    const QList<QWidget*> before = viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const bool editing = QTableView::edit(index, trigger, event);
    for (QWidget* child : viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !before.contains(child)) {
            openEditors_.push_back({child, index});
        }
    }
    return editing;
}

bool ChannelGridView::IsOpenEditor(const QWidget* editor) const {
    return editor != nullptr && std::ranges::any_of(openEditors_, [editor](const auto& open) {
               return open.editor == editor;
           });
}

QWidget* ChannelGridView::OpenEditorOf(const QModelIndex& index) const {
    for (const OpenEditorEntry& open : openEditors_) {
        if (open.editor != nullptr && open.cell == index) {
            return open.editor;
        }
    }
    return nullptr;
}

void ChannelGridView::commitData(QWidget* editor) {
    if (IsOpenEditor(editor)) {
        QTableView::commitData(editor);
    }
}

void ChannelGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (!IsOpenEditor(editor)) {
        return;
    }
    std::erase_if(openEditors_,
                  [editor](const auto& open) { return open.editor == editor || !open.editor; });
    QTableView::closeEditor(editor, hint);
}

void ChannelGridView::CloseOpenEditor(bool commit) {
    // A copy: closing changes the list. Storing one value may end another edit on the way.
    const std::vector<OpenEditorEntry> open = openEditors_;
    for (const OpenEditorEntry& entry : open) {
        if (entry.editor == nullptr || !IsOpenEditor(entry.editor)) {
            continue;
        }
        if (commit) {
            commitData(entry.editor);
        }
        closeEditor(entry.editor, QAbstractItemDelegate::NoHint);
    }
}

void ChannelGridView::EditOrFocus(const QModelIndex& cell) {
    if (QWidget* editor = OpenEditorOf(cell)) {
        editor->setFocus();
        return;
    }
    edit(cell);
}

void ChannelGridView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex cell = currentIndex();
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (cell.isValid() && (cell.flags() & Qt::ItemIsEditable) && state() != EditingState) {
        // The key is the start of the edit: a text cell (name, tone, or a frequency's first
        // digit) takes it as its first character, a list picks the first item it begins.
        const bool frequency = IsFrequencyColumn(cell.column());
        const bool startsEdit = printable && (!frequency || text.at(0).isDigit());
        if (startsEdit && edit(cell, AllEditTriggers, nullptr)) {
            if (QWidget* editor = OpenEditorOf(cell)) {
                QCoreApplication::sendEvent(editor, event);
            }
            return;
        }
        if (enter) {
            EditOrFocus(cell);
            return;
        }
    }
    if (printable) {
        return;  // no jumping between rows by typed letters
    }
    QTableView::keyPressEvent(event);
    if (currentIndex() != cell) {
        emit userMovedInGrid();
    }
}

void ChannelGridView::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    // Shift and Ctrl clicks pick several channels; a plain click edits the cell.
    const bool selecting = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && !selecting && cell.isValid() &&
        (cell.flags() & Qt::ItemIsEditable) && state() != EditingState) {
        EditOrFocus(cell);
    }
}

void ChannelGridView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    emit userMovedInGrid();
}

void ChannelGridView::mouseMoveEvent(QMouseEvent* event) {
    QTableView::mouseMoveEvent(event);
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (cell != hoveredCell_) {
        hoveredCell_ = cell;
        ShowHoverHint(cell, event->globalPosition().toPoint());
    }
}

void ChannelGridView::ShowHoverHint(const QModelIndex& index, const QPoint& globalPos) {
    QToolTip::hideText();
    const QString hint = index.data(Qt::ToolTipRole).toString();
    if (!hint.isEmpty()) {
        // Above the cell: below it is where the page's own tip marks the same cell. Qt puts
        // a tool tip a little below and right of the point it is given.
        constexpr int kBelowThePoint = 16;
        const int hintHeight = QFontMetrics(QToolTip::font()).height() + 8;
        const QPoint cellTop = viewport()->mapToGlobal(visualRect(index).topLeft());
        QToolTip::showText(QPoint(globalPos.x(), cellTop.y() - hintHeight - kBelowThePoint), hint,
                           viewport());
    }
}

void ChannelGridView::FitCaptionsForBold() {
    QHeaderView& header = *horizontalHeader();
    QFont bold = header.font();
    bold.setBold(true);
    const QFontMetrics plainMetrics(header.font());
    const QFontMetrics boldMetrics(bold);
    for (int column = 0; column < header.count(); ++column) {
        if (header.isSectionHidden(column)) {
            continue;
        }
        const QString caption = model()->headerData(column, Qt::Horizontal).toString();
        // Qt sizes a caption for its bold face; the plain one needs that much less.
        const int boldWidth = header.sectionSizeHint(column);
        const int plainWidth = boldWidth - (boldMetrics.horizontalAdvance(caption) -
                                            plainMetrics.horizontalAdvance(caption));
        const int width = columnWidth(column);
        if (width >= plainWidth && width < boldWidth) {
            const auto earlier = widenedForBold_.find(column);
            const bool widenedBefore =
                earlier != widenedForBold_.end() && earlier->second.shown == width;
            widenedForBold_[column] = {widenedBefore ? earlier->second.configured : width,
                                       boldWidth};
            setColumnWidth(column, boldWidth);
        }
    }
}

void ChannelGridView::ApplySizes(const ConfigValues& config) {
    const auto& widths = config.channelGridColumnWidths;
    const auto& heights = config.channelGridRowHeights;
    verticalHeader()->setFixedWidth(std::max(widths[0], 0));
    horizontalHeader()->setFixedHeight(std::max(heights[0], 0));
    widenedForBold_.clear();
    for (int column = 1; column < kChannelGridColumns; ++column) {
        setColumnWidth(column - 1, std::max(widths[column], 0));
    }
    for (int row = 1; row < kChannelGridRows; ++row) {
        setRowHeight(row - 1, std::max(heights[row], 0));
    }
    FitCaptionsForBold();
}

void ChannelGridView::StoreSizes(ConfigValues& config) const {
    config.channelGridColumnWidths[0] = verticalHeader()->minimumWidth();
    config.channelGridRowHeights[0] = horizontalHeader()->minimumHeight();
    for (int column = 1; column < kChannelGridColumns; ++column) {
        const int width = columnWidth(column - 1);
        const auto widened = widenedForBold_.find(column - 1);
        const bool keptWidened = widened != widenedForBold_.end() && widened->second.shown == width;
        config.channelGridColumnWidths[column] = keptWidened ? widened->second.configured : width;
    }
    for (int row = 1; row < kChannelGridRows; ++row) {
        config.channelGridRowHeights[row] = rowHeight(row - 1);
    }
}

}  // namespace radioprog::ui
