#pragma once
// Help > User guide: a short walk through a bench day, in the language in use, from pages
// built into the program, so that it reads the same without a network or an installed copy.

#include <QDialog>
#include <QPointer>
#include <QString>

#include "gui/GuiContext.h"

class QAction;
class QMenu;
class QTextBrowser;

namespace radioprog::ui {

// The guide's page for a language: ":/guide/guide-en.html" and its Chinese twins.
QString UserGuidePage(THaldenFuncs::TLangType language);

class UserGuideWindow final : public QDialog {
    Q_OBJECT
  public:
    UserGuideWindow(GuiContext& context, QWidget* owner);
    // Shows the page of the language in use.
    void ShowLanguage();

  private:
    GuiContext& context_;
    QTextBrowser* GuideText = nullptr;
};

// The menu item and the one guide window it opens; the window stays open beside the work.
class UserGuideAction final : public QObject {
    Q_OBJECT
  public:
    // The item goes into menu before `before` (at the end when null).
    UserGuideAction(GuiContext& context, QWidget& window, QMenu& menu, QAction* before);
    // Texts in the current language; an open guide follows the language too.
    void Refresh();
    void Open();

  private:
    GuiContext& context_;
    QWidget& window_;
    QAction* action_ = nullptr;
    QPointer<UserGuideWindow> guide_;
};

}  // namespace radioprog::ui
