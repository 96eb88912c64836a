#include "mainwindow/ui/ProjectFiles.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <algorithm>

#include "gui/LocalPath.h"
#include "gui/UiText.h"
#include "lang/ChannelEditText.h"
#include "lang/ProjectFileText.h"
#include "lang/TextIds.h"
#include "model/ProjectFile.h"

namespace radioprog::ui {

namespace {

// The band copy inside the image is written at every save from the working band; it is no
// edit of the user's.
bool SameProject(const ProjectImage::Bytes& a, const ProjectImage& b) {
    const auto raw = b.Raw();
    const size_t start = image::BandUpper.offset;
    const size_t end = image::BandLower.offset + 4;
    return std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(start), raw.begin()) &&
           std::equal(a.begin() + static_cast<std::ptrdiff_t>(end), a.end(),
                      raw.begin() + static_cast<std::ptrdiff_t>(end));
}

}  // namespace

ProjectFiles::ProjectFiles(GuiContext& context, QMainWindow& window, QMenu& fileMenu,
                           QAction* before, std::function<void(const QString&)> open,
                           std::function<bool()> saveAs)
    : QObject(&window),
      context_(context),
      window_(window),
      recent_(new QMenu(&fileMenu)),
      open_(std::move(open)),
      saveAs_(std::move(saveAs)) {
    recent_->setObjectName(QStringLiteral("MenuFile_Recent"));
    fileMenu.insertMenu(before, recent_);
    RememberAsSaved();
}

void ProjectFiles::Opened(const QString& path) {
    current_ = path;
    origin_.clear();
    RememberAsSaved();
    auto& recent = context_.data.config.recentProjects;
    const std::string local = LocalPath(path);
    std::erase(recent, local);
    recent.insert(recent.begin(), local);
    if (recent.size() > kRecentProjectCount) {
        recent.resize(kRecentProjectCount);
    }
    Refresh();
}

void ProjectFiles::StartedNew() {
    current_.clear();
    origin_.clear();
    RememberAsSaved();
    Refresh();
}

void ProjectFiles::StartedUntitled(const QString& origin) {
    current_.clear();
    origin_ = origin;
    Refresh();
}

bool ProjectFiles::ReadyToReplace() {
    if (!Modified()) {
        return true;
    }
    const auto& lang = context_.data.lang;
    const ModalAnswer answer = context_.modals.AskYesNoCancel(
        &window_,
        QString::fromStdString(ProjectFileTextUtf8(lang, ProjectFileTextId::SaveChangesQuestion))
            .arg(DisplayName()),
        UiText(lang, text::kYes), UiText(lang, text::kNo), OwnCancelText(lang));
    return answer == ModalAnswer::No || (answer == ModalAnswer::Yes && SaveToCurrent());
}

QString ProjectFiles::DisplayName() const {
    if (!current_.isEmpty()) {
        return QFileInfo(current_).fileName();
    }
    return origin_.isEmpty() ? QString::fromStdString(ProjectFileTextUtf8(
                                   context_.data.lang, ProjectFileTextId::UntitledProject))
                             : origin_;
}

bool ProjectFiles::SaveToCurrent() {
    if (current_.isEmpty()) {
        return saveAs_();
    }
    AppData& data = context_.data;
    const FileResult result = SaveProject(LocalPath(current_), data.image, data.band);
    if (!result) {
        context_.Tell(&window_, QString::fromStdString(result.message));
        return false;
    }
    Opened(current_);
    if (!result.notice.empty()) {
        context_.Tell(&window_, QString::fromStdString(result.notice));
    }
    return true;
}

void ProjectFiles::Refresh() {
    // Without a file and without changes the title is the program's name alone.
    const QString program = UiText(context_.data.lang, text::kProgramName);
    const bool modified = Modified();
    if (!current_.isEmpty()) {
        window_.setWindowTitle(QFileInfo(current_).fileName() + QStringLiteral("[*] - ") + program);
    } else if (!origin_.isEmpty()) {
        window_.setWindowTitle(origin_ + QStringLiteral("[*] - ") + program);
    } else {
        window_.setWindowTitle(modified ? program + QStringLiteral("[*]") : program);
    }
    window_.setWindowModified(modified);
    RebuildRecentMenu();
}

bool ProjectFiles::Modified() const {
    // What came from a radio or the history is in no file yet, whatever its bytes.
    return !origin_.isEmpty() || !SameProject(saved_, context_.data.image) ||
           savedBand_ != context_.data.band;
}

void ProjectFiles::RememberAsSaved() {
    std::ranges::copy(context_.data.image.Raw(), saved_.begin());
    savedBand_ = context_.data.band;
}

void ProjectFiles::RebuildRecentMenu() {
    recent_->setTitle(QString::fromStdString(
        ChannelEditTextUtf8(context_.data.lang, ChannelEditTextId::RecentProjects)));
    recent_->clear();
    const auto& recent = context_.data.config.recentProjects;
    for (size_t i = 0; i < recent.size(); ++i) {
        const QString path = QFile::decodeName(QByteArray::fromStdString(recent[i]));
        // Numbered as desktop programs number them, the number being the accelerator; an "&"
        // of the path is shown, not taken as one.
        QString shown = path;
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        item->setObjectName(QStringLiteral("MenuFile_Recent%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, path] { open_(path); });
    }
    recent_->setEnabled(!recent.empty());
}

}  // namespace radioprog::ui
