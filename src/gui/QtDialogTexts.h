#pragma once
// Qt's own dialogs (file dialogs, their overwrite question, the buttons Qt draws) speak the
// language of our windows: Qt's translations for simplified or traditional Chinese are
// installed for a Chinese window and taken away for an English one.

#include <QTranslator>

#include "lang/AppLang.h"

namespace radioprog::ui {

class QtDialogTexts {
  public:
    QtDialogTexts() = default;
    ~QtDialogTexts();
    QtDialogTexts(const QtDialogTexts&) = delete;
    QtDialogTexts& operator=(const QtDialogTexts&) = delete;

    // Nothing happens when the language is the one already followed.
    void Follow(THaldenFuncs::TLangType language);

  private:
    QTranslator translator_;
    bool installed_ = false;
    bool following_ = false;
    THaldenFuncs::TLangType language_ = THaldenFuncs::TLangType::English;
};

}  // namespace radioprog::ui
