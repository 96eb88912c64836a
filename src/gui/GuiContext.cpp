#include "gui/GuiContext.h"

#include "gui/UiText.h"
#include "lang/DialogTexts.h"

namespace radioprog::ui {

void GuiContext::Tell(QWidget* owner, const QString& text) {
    modals.ShowMessage(owner, text, FromUtf8(UserWarnDlgTextTable().TextUtf8(data.lang, 0)));
}

}  // namespace radioprog::ui
