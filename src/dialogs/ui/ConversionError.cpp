#include "dialogs/ui/ConversionError.h"

#include "lang/DialogTexts.h"
#include "lang/ui/UiText.h"

namespace radioprog::ui {

void ReportConversionError(GuiContext& context, QWidget* owner, const QString& text) {
    context.modals.ShowMessage(owner, QStringLiteral("'%1' is not a valid number").arg(text),
                               FromUtf8(UserWarnDlgTextTable().TextUtf8(context.data.lang, 0)));
}

}  // namespace radioprog::ui
