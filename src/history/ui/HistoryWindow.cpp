#include "history/ui/HistoryWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/FileErrors.h"
#include "gui/LocalPath.h"
#include "gui/UiText.h"
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
    BuildList(std::move(entries));
    layout->addWidget(HistoryList, 1);
    BuildPreview();
    // The 16 channels want more room than the first few entries.
    layout->addWidget(HistoryPreview, 2);
    sDetail = new QLabel(this);
    sDetail->setObjectName("sDetail");
    layout->addWidget(sDetail);

    auto* buttons = new QHBoxLayout();
    bOpen = new QPushButton(HistoryUiText(lang, HistoryTextId::Open), this);
    bOpen->setObjectName("bOpen");
    bOpen->setDefault(true);
    bClose = new QPushButton(HistoryUiText(lang, HistoryTextId::Close), this);
    bClose->setObjectName("bClose");
    buttons->addStretch();
    buttons->addWidget(bOpen);
    buttons->addWidget(bClose);
    layout->addLayout(buttons);
    connect(bOpen, &QPushButton::clicked, this, &HistoryWindow::OpenClick);
    connect(bClose, &QPushButton::clicked, this, &QDialog::reject);

    resize(860, 640);
    SelectionChanged();
}

void HistoryWindow::BuildList(std::vector<HistoryEntry> entries) {
    HistoryList = new QTableView(this);
    HistoryList->setObjectName("HistoryList");
    entries_ = new HistoryListModel(std::move(entries), context_.data.lang, this);
    HistoryList->setModel(entries_);
    HistoryList->setSelectionBehavior(QAbstractItemView::SelectRows);
    HistoryList->setSelectionMode(QAbstractItemView::SingleSelection);
    HistoryList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HistoryList->horizontalHeader()->setStretchLastSection(true);
    SizeQuickly(*HistoryList);
    connect(HistoryList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &HistoryWindow::SelectionChanged);
    connect(HistoryList, &QTableView::doubleClicked, this, &HistoryWindow::OpenClick);
}

void HistoryWindow::BuildPreview() {
    HistoryPreview = new QTableView(this);
    HistoryPreview->setObjectName("HistoryPreview");
    preview_ = new ProjectPreviewModel(context_.data.lang, this);
    HistoryPreview->setModel(preview_);
    HistoryPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HistoryPreview->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    SizeQuickly(*HistoryPreview);
}

const HistoryEntry* HistoryWindow::Selected() const {
    const QModelIndex current = HistoryList->selectionModel()->currentIndex();
    return current.isValid() ? entries_->Entry(current.row()) : nullptr;
}

void HistoryWindow::SelectionChanged() {
    const auto& lang = context_.data.lang;
    const HistoryEntry* entry = Selected();
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
                                         QString::fromStdString(HistoryTimeText(entry->time)));
    accept();
}

std::optional<QString> RunHistoryWindow(GuiContext& context, QWidget* owner,
                                        const HistorySettings& settings) {
    HistoryWindow window(context, settings, owner);
    context.modals.Exec(window);
    if (window.CalibrationChosen().isEmpty()) {
        return std::nullopt;
    }
    return window.CalibrationChosen();
}

}  // namespace radioprog::ui
