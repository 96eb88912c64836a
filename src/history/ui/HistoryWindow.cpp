#include "history/ui/HistoryWindow.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/FileErrors.h"
#include "gui/LocalPath.h"
#include "gui/UiText.h"
#include "gui/WindowPlacement.h"
#include "history/HistoryLabel.h"
#include "history/HistorySearch.h"
#include "history/ui/HistoryFilterModel.h"
#include "history/ui/HistoryListModel.h"
#include "history/ui/HistoryTexts.h"
#include "history/ui/ProjectPreviewModel.h"
#include "model/ProjectFile.h"

namespace radioprog::ui {

namespace {

// Sizes from a sample of rows and one row height for all: a thousand entries must not be
// measured one by one before the window shows.
void SizeQuickly(QTableView& table) {
    table.horizontalHeader()->setResizeContentsPrecision(32);
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 6);
    table.resizeColumnsToContents();
}

// At most the 16 channels (and room for a scroll bar under them), so that whatever height the
// window has beyond them goes to the list of entries; on a screen too small for both, the
// channels scroll down to a few rows rather than push the buttons off the screen.
void FitChannels(QTableView& table) {
    constexpr int kFewestRows = 4;
    const int row = table.verticalHeader()->defaultSectionSize();
    const int scrollBar = table.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &table);
    const int around =
        table.horizontalHeader()->sizeHint().height() + scrollBar + 2 * table.frameWidth();
    table.setMinimumHeight(row * kFewestRows + around);
    table.setMaximumHeight(row * kChannelCount + around);
    table.setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
}

QDate DateOf(const HistoryTime& time) {
    return {time.year, time.month, time.day};
}

HistoryDay DayOf(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

}  // namespace

HistoryWindow::HistoryWindow(GuiContext& context, const HistorySettings& settings, QWidget* owner)
    : QDialog(owner), context_(context) {
    const auto& lang = context.data.lang;
    setObjectName("HistoryWindow");
    setWindowTitle(HistoryUiText(lang, HistoryTextId::WindowTitle));
    auto* layout = new QVBoxLayout(this);

    std::vector<HistoryEntry> entries = ListHistory(settings.folder);
    sFolder = new QLabel(this);
    sFolder->setObjectName("sFolder");
    sFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    sFolder->setText(
        entries.empty()
            ? HistoryUiText(lang, HistoryTextId::Nothing) + "\n" +
                  HistoryUiText(lang, HistoryTextId::Folder).arg(FromUtf8(settings.folder))
            : HistoryUiText(lang, HistoryTextId::Folder).arg(FromUtf8(settings.folder)));
    layout->addWidget(sFolder);
    BuildFilter(entries);
    auto* filter = new QHBoxLayout();
    filter->addWidget(eSearch, 1);
    filter->addWidget(cDates);
    filter->addWidget(eDateFrom);
    filter->addWidget(new QLabel(HistoryUiText(lang, HistoryTextId::DatesTo), this));
    filter->addWidget(eDateTo);
    layout->addLayout(filter);
    BuildList(std::move(entries));
    layout->addWidget(HistoryList, 1);
    BuildPreview();
    layout->addWidget(HistoryPreview);
    sDetail = new QLabel(this);
    sDetail->setObjectName("sDetail");
    layout->addWidget(sDetail);

    auto* buttons = new QHBoxLayout();
    bLabel = new QPushButton(HistoryUiText(lang, HistoryTextId::EditLabel), this);
    bLabel->setObjectName("bLabel");
    bLabel->setAutoDefault(false);
    bOpen = new QPushButton(HistoryUiText(lang, HistoryTextId::Open), this);
    bOpen->setObjectName("bOpen");
    bOpen->setDefault(true);
    bClose = new QPushButton(HistoryUiText(lang, HistoryTextId::Close), this);
    bClose->setObjectName("bClose");
    bClose->setAutoDefault(false);
    buttons->addWidget(bLabel);
    buttons->addStretch();
    buttons->addWidget(bOpen);
    buttons->addWidget(bClose);
    layout->addLayout(buttons);
    connect(bLabel, &QPushButton::clicked, this, &HistoryWindow::EditLabelClick);
    connect(bOpen, &QPushButton::clicked, this, &HistoryWindow::OpenClick);
    connect(bClose, &QPushButton::clicked, this, &QDialog::reject);

    resize(900, 700);
    SelectionChanged();
}

void HistoryWindow::BuildFilter(const std::vector<HistoryEntry>& entries) {
    const auto& lang = context_.data.lang;
    eSearch = new QLineEdit(this);
    eSearch->setObjectName("eSearch");
    eSearch->setPlaceholderText(HistoryUiText(lang, HistoryTextId::SearchHint));
    eSearch->setClearButtonEnabled(true);
    eSearch->installEventFilter(this);
    cDates = new QCheckBox(HistoryUiText(lang, HistoryTextId::Dates), this);
    cDates->setObjectName("cDates");
    // The span starts as all the history holds, so that ticking the box hides nothing yet.
    const QDate today = QDate::currentDate();
    const QDate oldest = entries.empty() ? today : DateOf(entries.back().time);
    const QDate newest = entries.empty() ? today : std::max(today, DateOf(entries.front().time));
    const auto makeDate = [this](const char* name, const QDate& date) {
        auto* edit = new QDateEdit(date, this);
        edit->setObjectName(name);
        edit->setDisplayFormat("yyyy-MM-dd");
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        // A whole date, never cut to make room for the search.
        edit->setMinimumWidth(edit->sizeHint().width() +
                              edit->fontMetrics().horizontalAdvance("00"));
        edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        connect(edit, &QDateEdit::dateChanged, this, &HistoryWindow::FilterChanged);
        return edit;
    };
    eDateFrom = makeDate("eDateFrom", oldest);
    eDateTo = makeDate("eDateTo", newest);
    connect(eSearch, &QLineEdit::textChanged, this, &HistoryWindow::FilterChanged);
    connect(cDates, &QCheckBox::toggled, this, [this](bool on) {
        eDateFrom->setEnabled(on);
        eDateTo->setEnabled(on);
        FilterChanged();
    });
}

void HistoryWindow::BuildList(std::vector<HistoryEntry> entries) {
    HistoryList = new QTableView(this);
    HistoryList->setObjectName("HistoryList");
    entries_ = new HistoryListModel(std::move(entries), context_.data.lang, this);
    shown_ = new HistoryFilterModel(*entries_, context_.data.lang, this);
    HistoryList->setModel(shown_);
    HistoryList->setSelectionBehavior(QAbstractItemView::SelectRows);
    HistoryList->setSelectionMode(QAbstractItemView::SingleSelection);
    // Only the label is editable: a double click there edits it, elsewhere it opens the entry.
    HistoryList->setEditTriggers(QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::SelectedClicked);
    HistoryList->horizontalHeader()->setStretchLastSection(true);
    SizeQuickly(*HistoryList);
    connect(HistoryList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &HistoryWindow::SelectionChanged);
    connect(HistoryList, &QTableView::doubleClicked, this, &HistoryWindow::ListDoubleClicked);
    connect(entries_, &HistoryListModel::labelRefused, this, [this](const QString& why) {
        context_.Tell(this,
                      HistoryUiText(context_.data.lang, HistoryTextId::CannotLabel) + "\n" + why);
    });
}

void HistoryWindow::BuildPreview() {
    HistoryPreview = new QTableView(this);
    HistoryPreview->setObjectName("HistoryPreview");
    preview_ = new ProjectPreviewModel(context_.data.lang, this);
    HistoryPreview->setModel(preview_);
    HistoryPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HistoryPreview->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    SizeQuickly(*HistoryPreview);
    FitChannels(*HistoryPreview);
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter after a search goes to the entries found; it must not open one unseen.
    if (watched == eSearch && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!HistoryList->currentIndex().isValid() && shown_->rowCount() > 0) {
                HistoryList->setCurrentIndex(shown_->index(0, 0));
            }
            HistoryList->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void HistoryWindow::FilterChanged() {
    HistoryDays days;
    if (cDates->isChecked()) {
        days = {DayOf(eDateFrom->date()), DayOf(eDateTo->date())};
    }
    shown_->SetDays(days);
    shown_->SetSearch(eSearch->text());
    // The entry shown below the list must be one the list still shows; one still shown is not
    // read again at every key.
    if (Selected() != shownEntry_) {
        SelectionChanged();
    }
}

const HistoryEntry* HistoryWindow::Selected() const {
    return shown_->Entry(HistoryList->selectionModel()->currentIndex());
}

void HistoryWindow::ListDoubleClicked(const QModelIndex& index) {
    if (index.column() != HistoryListModel::kLabel) {
        OpenClick();
    }
}

void HistoryWindow::EditLabelClick() {
    const QModelIndex current = HistoryList->currentIndex();
    if (!current.isValid()) {
        return;
    }
    const QModelIndex label = shown_->index(current.row(), HistoryListModel::kLabel);
    HistoryList->setCurrentIndex(label);
    HistoryList->setFocus();
    HistoryList->edit(label);
}

void HistoryWindow::SelectionChanged() {
    const auto& lang = context_.data.lang;
    const HistoryEntry* entry = Selected();
    shownEntry_ = entry;
    image_.reset();
    sDetail->clear();
    bOpen->setToolTip(QString());
    if (entry != nullptr && IsCalibrationJob(entry->job)) {
        sDetail->setText(HistoryUiText(lang, HistoryTextId::CalibrationPoints)
                             .arg(FromUtf8(CalibrationPointsText(entry->calibrationPointsMhz))));
        bOpen->setToolTip(HistoryUiText(lang, HistoryTextId::OpenCalibrationTip));
    } else if (entry != nullptr) {
        ProjectImage image;
        const FileResult opened = OpenProject(entry->path, image, band_);
        if (opened) {
            image_ = image;
            sDetail->setText(FromUtf8(HistoryBandText(band_)));
        } else {
            // Gone or changed since the list was read.
            TellFileError(context_, this, ToolTextId::CannotOpenFile, opened);
        }
    }
    preview_->Show(image_ ? &*image_ : nullptr);
    bOpen->setEnabled(image_.has_value() || (entry != nullptr && IsCalibrationJob(entry->job)));
    bLabel->setEnabled(entry != nullptr);
}

void HistoryWindow::OpenClick() {
    const HistoryEntry* entry = Selected();
    if (entry != nullptr && IsCalibrationJob(entry->job)) {
        calibrationChosen_ = PathFromLocal(entry->path);
        accept();
        return;
    }
    if (!image_ || entry == nullptr) {
        return;
    }
    AppData& appData = context_.data;
    appData.image = *image_;
    appData.band = band_;
    appData.lastWriteTime = entry->radioStamp;
    // As a read from the radio: one step back to the project as it was.
    emit context_.events.projectReplaced(ProjectReplacement::HistoryEntry,
                                         QString::fromStdString(HistoryTimeText(entry->time)),
                                         QString::fromStdString(ReadHistoryLabel(entry->path)));
    accept();
}

std::optional<QString> RunHistoryWindow(GuiContext& context, QWidget* owner,
                                        const HistorySettings& settings) {
    HistoryWindow window(context, settings, owner);
    std::optional<WindowPlace>& place = context.data.config.windows.historyWindow;
    RestorePlace(window, place);
    context.modals.Exec(window);
    place = PlaceOf(window);
    if (window.CalibrationChosen().isEmpty()) {
        return std::nullopt;
    }
    return window.CalibrationChosen();
}

}  // namespace radioprog::ui
