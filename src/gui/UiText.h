#pragma once
// Texts for widgets: the language tables hold code-page bytes; a widget wants a QString.

#include <QString>
#include <string>

#include "lang/InterfaceText.h"
#include "lang/ToolText.h"

namespace radioprog::ui {

inline QString FromUtf8(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A menu caption as the title of the dialog it opens: without the mnemonic and the dots.
inline QString DialogTitle(QString menuCaption) {
    menuCaption.remove(QLatin1Char('&'));
    return menuCaption.remove(QStringLiteral("...")).trimmed();
}

// The interface text of id in the current language, ready for a widget.
inline QString UiText(const THaldenFuncs::TAppLang& lang, TextId id) {
    return FromUtf8(LangTextUtf8(lang, id));
}

// "Cancel" for the questions this tool asks of its own; the radio's boxes keep the interface
// table's word.
inline QString OwnCancelText(const THaldenFuncs::TAppLang& lang) {
    return FromUtf8(ToolTextUtf8(lang, ToolTextId::Cancel));
}

}  // namespace radioprog::ui
