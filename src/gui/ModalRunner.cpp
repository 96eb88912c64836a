#include "gui/ModalRunner.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "gui/MessageBoxes.h"

namespace radioprog::ui {

std::optional<ModalAnswer> ModalRunner::TakeAnswer(const QString& text) {
    if (answers_.empty()) {
        log_.push_back("unexpected: " + text);
        return std::nullopt;
    }
    log_.push_back(text);
    const ModalAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<QString> ModalRunner::TakeFileName(const QString& title) {
    if (fileNames_.empty()) {
        log_.push_back("unexpected file dialog: " + title);
        return std::nullopt;
    }
    log_.push_back("file dialog: " + title);
    QString name = fileNames_.front();
    fileNames_.pop_front();
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

void ModalRunner::ShowMessage(QWidget* owner, const QString& message, const QString& okCaption) {
    if (scripted_) {
        // OK is the only answer, so nothing needs to be queued for a message.
        log_.push_back(message);
        return;
    }
    TUserWarnDlg dialog(owner, message, okCaption);
    dialog.exec();
}

bool ModalRunner::Confirm(QWidget* owner, const QString& question, const QString& okCaption,
                          const QString& cancelCaption) {
    if (scripted_) {
        buttonLog_.push_back(QStringList({okCaption, cancelCaption}));
        return TakeAnswer(question).value_or(ModalAnswer::Cancel) == ModalAnswer::Ok;
    }
    TMyWarnDlg_2 dialog(owner, question, okCaption, cancelCaption);
    return dialog.exec() == QDialog::Accepted;
}

bool ModalRunner::OfferAction(QWidget* owner, const QString& message, const QString& actionCaption,
                              const QString& closeCaption) {
    if (scripted_) {
        buttonLog_.push_back(QStringList({actionCaption, closeCaption}));
        return TakeAnswer(message).value_or(ModalAnswer::Cancel) == ModalAnswer::Ok;
    }
    TMyWarnDlg_2 dialog(owner, message, actionCaption, closeCaption, true);
    return dialog.exec() == QDialog::Accepted;
}

ModalAnswer ModalRunner::AskYesNoCancel(QWidget* owner, const QString& question,
                                        const QString& yesCaption, const QString& noCaption,
                                        const QString& cancelCaption) {
    if (scripted_) {
        buttonLog_.push_back(QStringList({yesCaption, noCaption, cancelCaption}));
        return TakeAnswer(question).value_or(ModalAnswer::Cancel);
    }
    TMyWarnDlg_3 dialog(owner, question, yesCaption, noCaption, cancelCaption);
    switch (dialog.exec()) {
        case QDialog::Accepted:
            return ModalAnswer::Yes;
        case TMyWarnDlg_3::kNoResult:
            return ModalAnswer::No;
        default:
            return ModalAnswer::Cancel;
    }
}

std::optional<QString> ModalRunner::Chosen(std::optional<QString> path) {
    if (path) {
        startFolder_ = QFileInfo(*path).absolutePath();
    }
    return path;
}

std::optional<QString> ModalRunner::OpenFileName(QWidget* owner, const FileDialogRequest& request) {
    if (scripted_) {
        return Chosen(TakeFileName(request.title));
    }
    QFileDialog dialog(owner, request.title, startFolder_, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return Chosen(dialog.selectedFiles().front());
}

std::optional<QString> ModalRunner::SaveFileName(QWidget* owner, const FileDialogRequest& request) {
    if (scripted_) {
        return Chosen(TakeFileName(request.title));
    }
    QFileDialog dialog(owner, request.title, startFolder_, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return Chosen(dialog.selectedFiles().front());
}

std::optional<std::pair<QString, int>> ModalRunner::SaveFileNameAndFilter(
    QWidget* owner, const FileDialogRequest& request) {
    if (scripted_) {
        const auto name = TakeFileName(request.title);
        int filter = 0;
        if (!filterChoices_.empty()) {
            filter = filterChoices_.front();
            filterChoices_.pop_front();
        }
        return name ? std::optional(std::pair(*name, filter)) : std::nullopt;
    }
    QFileDialog dialog(owner, request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // Compared without blanks: a dialog may show "list(*.csv)" as "list (*.csv)".
    const auto bare = [](QString filter) { return filter.remove(QLatin1Char(' ')); };
    const QStringList filters = request.filter.split(QStringLiteral(";;"));
    int filter = 0;
    for (int i = 0; i < filters.size(); ++i) {
        if (bare(filters[i]) == bare(dialog.selectedNameFilter())) {
            filter = i;
        }
    }
    return std::pair(dialog.selectedFiles().front(), filter);
}

int ModalRunner::Exec(QDialog& dialog) {
    if (scripted_) {
        if (dialogHandlers_.empty()) {
            log_.push_back("unexpected dialog: " + dialog.objectName());
            return QDialog::Rejected;
        }
        log_.push_back("dialog: " + dialog.objectName());
        auto handler = std::move(dialogHandlers_.front());
        dialogHandlers_.pop_front();
        QPointer<QDialog> guard(&dialog);
        QTimer::singleShot(0, &dialog, [guard, handler = std::move(handler)] {
            if (guard) {
                handler(*guard);
            }
        });
    }
    return dialog.exec();
}

}  // namespace radioprog::ui
