#include "help/ui/UserGuide.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/UiText.h"
#include "gui/WindowPlacement.h"
#include "lang/TextIds.h"
#include "lang/WindowText.h"

// The pages are compiled into the window library, which is static: its resources register
// only when asked to.
static void RegisterGuidePages() {
    Q_INIT_RESOURCE(guide);
}

namespace radioprog::ui {

namespace {

QString Text(const GuiContext& context, WindowTextId id) {
    return FromUtf8(WindowTextUtf8(context.data.lang, id));
}

}  // namespace

QString UserGuidePage(THaldenFuncs::TLangType language) {
    switch (language) {
        case THaldenFuncs::TLangType::SimplifiedChinese:
            return QStringLiteral(":/guide/guide-zh-cn.html");
        case THaldenFuncs::TLangType::TraditionalChinese:
            return QStringLiteral(":/guide/guide-zh-tw.html");
        case THaldenFuncs::TLangType::English:
            break;
    }
    return QStringLiteral(":/guide/guide-en.html");
}

UserGuideWindow::UserGuideWindow(GuiContext& context, QWidget* owner)
    : QDialog(owner), context_(context) {
    RegisterGuidePages();
    setObjectName("UserGuideWindow");
    auto* layout = new QVBoxLayout(this);
    GuideText = new QTextBrowser(this);
    GuideText->setObjectName("GuideText");
    // Nothing in the guide leads off the computer.
    GuideText->setOpenLinks(false);
    layout->addWidget(GuideText, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close =
        buttons->addButton(UiText(context.data.lang, text::kOk), QDialogButtonBox::AcceptRole);
    close->setObjectName("bClose");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(640, 720);
    FitToScreen(*this);
    ShowLanguage();
}

void UserGuideWindow::ShowLanguage() {
    setWindowTitle(Text(context_, WindowTextId::UserGuideTitle));
    GuideText->setSource(
        QUrl(QStringLiteral("qrc") + UserGuidePage(context_.data.lang.LangType())));
}

UserGuideAction::UserGuideAction(GuiContext& context, QWidget& window, QMenu& menu, QAction* before)
    : QObject(&window), context_(context), window_(window), action_(new QAction(&window)) {
    action_->setObjectName("MenuHelp_UserGuide");
    action_->setShortcut(QKeySequence::HelpContents);
    menu.insertAction(before, action_);
    connect(action_, &QAction::triggered, this, &UserGuideAction::Open);
    Refresh();
}

void UserGuideAction::Refresh() {
    action_->setText(Text(context_, WindowTextId::UserGuideMenu));
    if (guide_ != nullptr) {
        guide_->ShowLanguage();
    }
}

void UserGuideAction::Open() {
    if (guide_ == nullptr) {
        guide_ = new UserGuideWindow(context_, &window_);
        guide_->setAttribute(Qt::WA_DeleteOnClose);
    }
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

}  // namespace radioprog::ui
