#include "gui/QtDialogTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace radioprog::ui {

namespace {

// The name of Qt's translation files for a language; empty for English, Qt's own.
QString QtLocaleName(THaldenFuncs::TLangType language) {
    switch (language) {
        case THaldenFuncs::TLangType::SimplifiedChinese:
            return QStringLiteral("zh_CN");
        case THaldenFuncs::TLangType::TraditionalChinese:
            return QStringLiteral("zh_TW");
        default:
            return {};
    }
}

}  // namespace

QtDialogTexts::~QtDialogTexts() {
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
    }
}

void QtDialogTexts::Follow(THaldenFuncs::TLangType language) {
    if (following_ && language == language_) {
        return;
    }
    following_ = true;
    language_ = language;
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
    const QString locale = QtLocaleName(language);
    // Without the translations installed the dialogs stay in English, as before.
    if (!locale.isEmpty() && translator_.load(QStringLiteral("qtbase_") + locale,
                                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installed_ = QCoreApplication::installTranslator(&translator_);
    }
}

}  // namespace radioprog::ui
