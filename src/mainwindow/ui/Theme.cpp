#include "mainwindow/ui/Theme.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <iterator>
#include <vector>

namespace radioprog::ui {

namespace {

// The desktop gives some kinds of widget palettes of their own (item views, buttons, menus):
// an application palette alone would leave the grid light under a dark theme.
constexpr const char* kWidgetClasses[] = {
    "QAbstractItemView", "QHeaderView",  "QAbstractButton",  "QToolButton",
    "QCheckBox",         "QRadioButton", "QTabBar",          "QLabel",
    "QGroupBox",         "QMenu",        "QMenuBar",         "QTextEdit",
    "QLineEdit",         "QComboBox",    "QMessageBoxLabel", "QTextControl"};

void SetPalettes(const QPalette& whole, const std::vector<QPalette>& perClass) {
    QApplication::setPalette(whole);
    for (size_t i = 0; i < std::size(kWidgetClasses); ++i) {
        QApplication::setPalette(i < perClass.size() ? perClass[i] : whole, kWidgetClasses[i]);
    }
}

}  // namespace

QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(38, 38, 42));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(55, 55, 60));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    p.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    p.setColor(QPalette::Link, QColor(110, 170, 240));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return p;
}

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Base).lightness() < palette.color(QPalette::Text).lightness();
}

ThemeSwitch::ThemeSwitch()
    : systemStyle_(QApplication::style()->name()), systemPalette_(QApplication::palette()) {
    for (const char* className : kWidgetClasses) {
        systemClassPalettes_.push_back(QApplication::palette(className));
    }
}

void ThemeSwitch::Apply(Theme theme) const {
    // Fusion draws our palettes faithfully on every desktop; the desktop's style may not.
    const QString style = theme == Theme::System ? systemStyle_ : QStringLiteral("Fusion");
    if (QApplication::style()->name().compare(style, Qt::CaseInsensitive) != 0) {
        if (QStyle* created = QStyleFactory::create(style)) {
            QApplication::setStyle(created);
        }
    }
    switch (theme) {
        case Theme::System:
            SetPalettes(systemPalette_, systemClassPalettes_);
            break;
        case Theme::Light:
            SetPalettes(QApplication::style()->standardPalette(), {});
            break;
        case Theme::Dark:
            SetPalettes(DarkPalette(), {});
            break;
    }
}

}  // namespace radioprog::ui
