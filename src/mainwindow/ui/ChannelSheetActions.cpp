#include "mainwindow/ui/ChannelSheetActions.h"

#include <QAction>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <algorithm>

#include "gui/LocalPath.h"
#include "gui/UiText.h"
#include "lang/SheetText.h"
#include "sheet/SheetPaper.h"
#include "sheet/print/SheetPage.h"
#include "sheet/print/SheetPdf.h"
#include "sheet/ui/SheetDetailsDialog.h"

namespace radioprog::ui {

namespace {

QString Text(const GuiContext& context, SheetTextId id) {
    return FromUtf8(SheetTextUtf8(context.data.lang, id));
}

QString Title(const GuiContext& context, SheetTextId id) {
    return DialogTitle(Text(context, id));
}

}  // namespace

ChannelSheetActions::ChannelSheetActions(GuiContext& context, QWidget* window,
                                         std::function<void()> storePendingEdit,
                                         std::function<QString()> projectName)
    : QObject(window),
      context_(context),
      window_(window),
      storePendingEdit_(std::move(storePendingEdit)),
      projectName_(std::move(projectName)) {
    print = Make("MenuFile_Print");
    print->setShortcut(QKeySequence::Print);
    exportPdf = Make("MenuFile_ExportPdf");
    allChannels = Make("MenuFile_SheetAllChannels");
    allChannels->setCheckable(true);
    connect(print, &QAction::triggered, this, [this] { Print(); });
    connect(exportPdf, &QAction::triggered, this, [this] { ExportPdf(); });
}

QAction* ChannelSheetActions::Make(const char* name) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    action->setShortcutContext(Qt::WindowShortcut);
    window_->addAction(action);
    return action;
}

void ChannelSheetActions::AddToMenu(QMenu* fileMenu) const {
    QAction* exit = fileMenu->actions().isEmpty() ? nullptr : fileMenu->actions().last();
    fileMenu->insertActions(exit, {print, exportPdf, allChannels});
    fileMenu->insertSeparator(exit);
}

void ChannelSheetActions::RefreshTexts() {
    print->setText(Text(context_, SheetTextId::Print));
    exportPdf->setText(Text(context_, SheetTextId::ExportPdf));
    allChannels->setText(Text(context_, SheetTextId::AllChannels));
}

ChannelSheet ChannelSheetActions::Sheet() const {
    const AppData& data = context_.data;
    SheetHeading heading;
    heading.shopName = data.config.shopName;
    heading.shopPhone = data.config.shopPhone;
    heading.customer = customer_.toStdString();
    heading.fileName = projectName_ ? projectName_().toStdString() : std::string();
    if (radio_) {
        heading.radioKind = std::string(RadioKindName(*radio_));
    }
    return BuildChannelSheet(data.image, data.band, data.lang.LangType(),
                             allChannels->isChecked() ? SheetChannels::All : SheetChannels::InUse,
                             TodayText(), heading);
}

bool ChannelSheetActions::AskDetails() {
    const std::optional<QString> customer = AskSheetDetails(context_, window_, customer_);
    if (customer) {
        customer_ = *customer;
    }
    return customer.has_value();
}

void ChannelSheetActions::Print() {
    storePendingEdit_();
    if (!AskDetails()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    SetSheetPageLayout(printer, SystemPaper());
    printer.setDocName(Title(context_, SheetTextId::Title));
    QPrintPreviewDialog preview(&printer, window_);
    preview.setObjectName(QStringLiteral("SheetPreview"));
    preview.setWindowTitle(Title(context_, SheetTextId::Print));
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [this](QPrinter* device) { PaintChannelSheet(*device, Sheet()); });
    // The choice of channels sits in the preview's tool bar too, so its effect shows at once.
    auto* previewWidget = preview.findChild<QPrintPreviewWidget*>();
    if (auto* bar = preview.findChild<QToolBar*>(); bar != nullptr && previewWidget != nullptr) {
        bar->addSeparator();
        bar->addAction(allChannels);
        connect(allChannels, &QAction::toggled, previewWidget, &QPrintPreviewWidget::updatePreview);
        // Wide enough for the whole tool bar, so the choice is not behind its overflow button.
        preview.resize(std::max(preview.sizeHint().width(), bar->sizeHint().width() + 40),
                       std::max(preview.sizeHint().height(), 700));
    }
    context_.modals.Exec(preview);
}

void ChannelSheetActions::ExportPdf() {
    storePendingEdit_();
    if (!AskDetails()) {
        return;
    }
    const auto path = context_.modals.SaveFileName(
        window_, {Title(context_, SheetTextId::ExportPdf), Text(context_, SheetTextId::PdfFilter),
                  QStringLiteral("pdf")});
    if (!path) {
        return;
    }
    if (const FileResult written = WriteChannelSheetPdf(LocalPath(*path), Sheet(), SystemPaper());
        !written) {
        context_.Tell(window_, FromUtf8(written.message));
    }
}

}  // namespace radioprog::ui
