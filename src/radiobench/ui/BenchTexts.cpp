#include "radiobench/ui/BenchTexts.h"

#include <QStringList>

#include "gui/UiText.h"
#include "jobs/VerifyFailureText.h"
#include "lang/DialogTexts.h"
#include "lang/WriteCheckText.h"
#include "radiobench/ui/BenchRowHost.h"

namespace radioprog::ui {

namespace {

QString CheckText(const THaldenFuncs::TAppLang& lang, WriteCheckTextId id) {
    return FromUtf8(WriteCheckTextUtf8(lang, id));
}

QString SessionCaption(const THaldenFuncs::TAppLang& lang, SessionMessage message) {
    return FromUtf8(SessionTextTable().TextUtf8(lang, static_cast<int>(message)));
}

}  // namespace

QString BenchCaption(const THaldenFuncs::TAppLang& lang, BenchTextId id) {
    return FromUtf8(BenchTextUtf8(lang, id));
}

QString PhaseText(const THaldenFuncs::TAppLang& lang, BenchPhase phase) {
    switch (phase) {
        case BenchPhase::Idle:
            return BenchCaption(lang, BenchTextId::Ready);
        case BenchPhase::WaitingForRadio:
            return CheckText(lang, WriteCheckTextId::WaitingForRadio);
        case BenchPhase::Backup:
            return CheckText(lang, WriteCheckTextId::StageBackup);
        case BenchPhase::Writing:
            return CheckText(lang, WriteCheckTextId::StageWrite);
        case BenchPhase::ReadBack:
            return CheckText(lang, WriteCheckTextId::StageVerify);
        case BenchPhase::ResultShown:
            return {};
        case BenchPhase::WaitingForRemoval:
            return BenchCaption(lang, BenchTextId::WaitingForRemoval);
    }
    return {};
}

QString WriteOutcomeText(const THaldenFuncs::TAppLang& lang, const BenchRowHost& host) {
    QStringList lines;
    switch (host.Outcome()) {
        case SessionOutcome::VerifyFailed:
            if (host.VerifyDifference()) {
                lines << FromUtf8(VerifyFailureTextUtf8(lang, *host.VerifyDifference()));
            }
            break;
        case SessionOutcome::WrittenUnverified:
            if (host.Message()) {
                lines << SessionCaption(lang, *host.Message());
            }
            lines << CheckText(lang, WriteCheckTextId::WrittenUnverified);
            break;
        case SessionOutcome::Closed:
            if (host.RadioAnswered()) {
                lines << BenchCaption(lang, BenchTextId::StoppedMidWrite);
            }
            break;
        case SessionOutcome::CommunicationFalse:
        case SessionOutcome::PasswordError:
        case SessionOutcome::OldVersion:
            if (host.Message()) {
                lines << SessionCaption(lang, *host.Message());
            }
            break;
        case SessionOutcome::Success:
        case SessionOutcome::NotStarted:
        case SessionOutcome::Running:
            break;
    }
    for (const JobNote& note : host.Notes()) {
        switch (note.kind) {
            case JobNoteKind::BackupNotKept:
                lines << CheckText(lang, WriteCheckTextId::BackupNotKept) + ' ' +
                             FromUtf8(note.detail);
                break;
            case JobNoteKind::LogNotWritten:
            case JobNoteKind::KeptWithNotice:
            case JobNoteKind::ReadNotKept:
                lines << FromUtf8(note.detail);
                break;
            case JobNoteKind::BackupKept:
                break;  // the history lists it
        }
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace radioprog::ui
