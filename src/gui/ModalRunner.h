#pragma once
// The one place where the program waits for a person: message boxes, file dialogs and every
// other modal dialog are shown through here. A test queues the next answers beforehand and
// switches to scripted mode, so no test ever blocks in exec(): a box or file dialog then
// takes its queued answer without being shown, and a dialog runs only with a queued handler
// that drives it.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <utility>

class QDialog;
class QWidget;

namespace radioprog::ui {

enum class ModalAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    QString title;
    QString filter;         // "Veska File(*.Vkf)"
    QString defaultSuffix;  // save dialogs: appended when the name has none
};

class ModalRunner {
  public:
    // TUserWarnDlg: an already translated message with an OK button.
    void ShowMessage(QWidget* owner, const QString& message, const QString& okCaption);
    // TMyWarnDlg_2: true when the answer is OK.
    bool Confirm(QWidget* owner, const QString& question, const QString& okCaption,
                 const QString& cancelCaption);
    // A message that offers one more step: true when actionCaption was chosen; Enter and
    // Escape take closeCaption.
    bool OfferAction(QWidget* owner, const QString& message, const QString& actionCaption,
                     const QString& closeCaption);
    // TMyWarnDlg_3: Yes, No or Cancel.
    ModalAnswer AskYesNoCancel(QWidget* owner, const QString& question, const QString& yesCaption,
                               const QString& noCaption, const QString& cancelCaption);
    // The chosen file, or nothing when cancelled. Saving asks before overwriting a file.
    std::optional<QString> OpenFileName(QWidget* owner, const FileDialogRequest& request);
    std::optional<QString> SaveFileName(QWidget* owner, const FileDialogRequest& request);
    // A save dialog whose filter offers several formats (separated by ";;"): the chosen file
    // and the position of the chosen filter.
    std::optional<std::pair<QString, int>> SaveFileNameAndFilter(QWidget* owner,
                                                                 const FileDialogRequest& request);
    // Any other modal dialog; its result code.
    int Exec(QDialog& dialog);

    // Every file dialog starts in the folder of the file last chosen in one.
    const QString& StartFolder() const { return startFolder_; }
    void SetStartFolder(const QString& folder) { startFolder_ = folder; }

    // For tests. In scripted mode nothing waits for a person.
    void SetScripted(bool scripted) { scripted_ = scripted; }
    void QueueAnswer(ModalAnswer answer) { answers_.push_back(answer); }
    // An empty name answers the next file dialog with Cancel.
    void QueueFileName(const QString& name) { fileNames_.push_back(name); }
    // The filter the next save dialog with several takes; the first one without.
    void QueueFilterChoice(int index) { filterChoices_.push_back(index); }
    // Called once the next dialog runs its loop; it must end the dialog (or let it end).
    void QueueDialogHandler(std::function<void(QDialog&)> handler) {
        dialogHandlers_.push_back(std::move(handler));
    }
    // The text of every box shown, in order ("unexpected: ..." for one without an answer).
    const QStringList& Log() const { return log_; }
    // The button captions of every question asked, in order, one list a question.
    const QList<QStringList>& ButtonLog() const { return buttonLog_; }
    void ClearLog() {
        log_.clear();
        buttonLog_.clear();
    }
    bool AllAnswersUsed() const {
        return answers_.empty() && fileNames_.empty() && dialogHandlers_.empty() &&
               filterChoices_.empty();
    }

  private:
    std::optional<ModalAnswer> TakeAnswer(const QString& text);
    std::optional<QString> TakeFileName(const QString& title);
    std::optional<QString> Chosen(std::optional<QString> path);

    bool scripted_ = false;
    std::deque<ModalAnswer> answers_;
    std::deque<QString> fileNames_;
    std::deque<int> filterChoices_;
    std::deque<std::function<void(QDialog&)>> dialogHandlers_;
    QStringList log_;
    QList<QStringList> buttonLog_;
    QString startFolder_;
};

}  // namespace radioprog::ui
