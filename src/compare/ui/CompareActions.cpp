#include "compare/ui/CompareActions.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "compare/ui/ProjectComparisonView.h"
#include "gui/FileErrors.h"
#include "gui/LocalPath.h"
#include "gui/UiText.h"
#include "lang/CompareText.h"
#include "lang/TextIds.h"
#include "model/ProjectFile.h"
#include "session/ui/ProgramDialog.h"

namespace radioprog::ui {

namespace {

QString Text(const GuiContext& context, CompareTextId id) {
    return FromUtf8(CompareTextUtf8(context.data.lang, id));
}

QString Title(const GuiContext& context, CompareTextId id) {
    return DialogTitle(Text(context, id));
}

}  // namespace

CompareActions::CompareActions(GuiContext& context, QWidget* window,
                               std::function<void()> storePendingEdit)
    : QObject(window),
      context_(context),
      window_(window),
      storePendingEdit_(std::move(storePendingEdit)) {
    compareFile = new QAction(this);
    compareFile->setObjectName(QStringLiteral("MenuFile_CompareFile"));
    window_->addAction(compareFile);
    connect(compareFile, &QAction::triggered, this, [this] { CompareWithFile(); });
    compareRadio = new QAction(this);
    compareRadio->setObjectName(QStringLiteral("MenuFile_CompareRadio"));
    window_->addAction(compareRadio);
    connect(compareRadio, &QAction::triggered, this, [this] { CompareWithRadio(); });
}

void CompareActions::AddToMenu(QMenu* fileMenu) const {
    QAction* exit = fileMenu->actions().isEmpty() ? nullptr : fileMenu->actions().last();
    fileMenu->insertAction(exit, compareFile);
    fileMenu->insertAction(exit, compareRadio);
    fileMenu->insertSeparator(exit);
}

void CompareActions::RefreshTexts() {
    compareFile->setText(Text(context_, CompareTextId::CompareWithFile));
    compareRadio->setText(Text(context_, CompareTextId::CompareWithRadio));
}

void CompareActions::CompareWithRadio() {
    storePendingEdit_();
    // The radio is read into a copy of the project, so fields a radio does not hold (and the
    // password that opens it) are the project's own and compare equal.
    SessionState radio = context_.data;
    ProgramJob job;
    job.caption = UiText(context_.data.lang, text::kReadFromRadio);
    job.readInto = &radio;
    const ProgramResult result = RunProgramDialogFor(context_, window_, job);
    if (result.outcome != SessionOutcome::Success) {
        return;
    }
    const AppData& data = context_.data;
    const ComparedProject current{data.image, data.band,
                                  CompareTextUtf8(data.lang, CompareTextId::CurrentProject)};
    const ComparedProject read{radio.image, radio.band,
                               CompareTextUtf8(data.lang, CompareTextId::RadioSide)};
    ShowProjectComparison(context_, window_, current, read, result.radioMet);
}

void CompareActions::CompareWithFile() {
    storePendingEdit_();
    const auto path = context_.modals.OpenFileName(
        window_, {Title(context_, CompareTextId::CompareWithFile),
                  QStringLiteral("Veska File(*.Vkf)"), QStringLiteral("Vkf")});
    if (!path) {
        return;
    }
    const AppData& data = context_.data;
    // Read as File > Open reads, into a copy: a short file keeps the rest of the project.
    ComparedProject file{data.image, data.band,
                         CompareTextUtf8(data.lang, CompareTextId::FileSide)};
    const FileResult result = OpenProject(LocalPath(*path), file.image, file.band);
    if (!result) {
        TellFileError(context_, window_, ToolTextId::CannotOpenFile, result);
        return;
    }
    if (!result.notice.empty()) {
        context_.Tell(window_, FromUtf8(result.notice));
    }
    file.caption =
        Text(context_, CompareTextId::FileSide).arg(QFileInfo(*path).fileName()).toStdString();
    const ComparedProject current{data.image, data.band,
                                  CompareTextUtf8(data.lang, CompareTextId::CurrentProject)};
    ShowProjectComparison(context_, window_, current, file);
}

}  // namespace radioprog::ui
