#include "mainwindow/ui/RadioWriteActions.h"

#include <QAction>
#include <QMenu>

#include "gui/UiText.h"
#include "jobs/WriteRefusal.h"
#include "lang/BenchText.h"
#include "lang/TextIds.h"
#include "lang/WriteCheckText.h"
#include "radiobench/ui/BenchWindow.h"
#include "session/ui/ProgramDialog.h"

namespace radioprog::ui {

RadioWriteActions::RadioWriteActions(GuiContext& context, QWidget* window,
                                     std::function<bool()> readyToWrite,
                                     std::function<std::string()> projectFile)
    : QObject(window),
      context_(context),
      window_(window),
      readyToWrite_(std::move(readyToWrite)),
      projectFile_(std::move(projectFile)) {
    writeNextRadio = new QAction(window);
    writeNextRadio->setObjectName("MenuEdit_WriteNextRadio");
    writeNextRadio->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    connect(writeNextRadio, &QAction::triggered, this, [this] {
        if (readyToWrite_()) {
            Write(true);
        }
    });
    window->addAction(writeNextRadio);
    programSeveral = new QAction(window);
    programSeveral->setObjectName("MenuEdit_ProgramSeveral");
    connect(programSeveral, &QAction::triggered, this, [this] {
        if (readyToWrite_() && !Refused()) {
            RunBenchWindow(context_, window_, projectFile_());
        }
    });
    RefreshTexts();
}

void RadioWriteActions::AddToMenu(QMenu* editMenu, QAction* before) const {
    editMenu->insertAction(before, writeNextRadio);
    editMenu->insertAction(before, programSeveral);
}

void RadioWriteActions::RefreshTexts() {
    writeNextRadio->setText(
        FromUtf8(WriteCheckTextUtf8(context_.data.lang, WriteCheckTextId::WriteToNextRadio)));
    programSeveral->setText(FromUtf8(BenchTextUtf8(context_.data.lang, BenchTextId::MenuEntry)));
}

bool RadioWriteActions::Refused() {
    if (const auto refusal = RefuseWrite({SessionMode::Data, false, {}, {}}, context_.data)) {
        context_.Tell(window_, FromUtf8(WriteRefusalTextUtf8(context_.data.lang, *refusal)));
        return true;
    }
    return false;
}

void RadioWriteActions::Write(bool nextRadio) {
    if (Refused()) {
        return;
    }
    for (bool next = nextRadio;;) {
        ProgramJob job;
        job.sessionMode = SessionMode::Data;
        job.readRequested = false;
        job.caption = UiText(context_.data.lang, text::kWriteToRadio);
        job.safetyNet = true;
        job.projectFile = projectFile_();
        // The first write of the window waits for Start like any write, so a slip of the keys
        // never reaches a radio; after one has been written the next ones go at once.
        job.startAtOnce = next && radiosWritten_ > 0;
        job.alwaysVerify = next;
        job.radioAfterRadio = next;
        job.radiosWrittenBefore = radiosWritten_;
        const ProgramResult result = RunProgramDialogFor(context_, window_, job);
        if (result.outcome == SessionOutcome::Success) {
            ++radiosWritten_;
        }
        if (!result.nextRadio) {
            return;
        }
        next = true;
    }
}

}  // namespace radioprog::ui
