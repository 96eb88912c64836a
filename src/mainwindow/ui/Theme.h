#pragma once
// The program's looks: the desktop's own, or a light or dark one of ours that reads the same
// on any desktop. Applied to the whole application, so every window follows at once.

#include <QPalette>
#include <QString>
#include <vector>

#include "model/WindowSettings.h"

namespace radioprog::ui {

// The dark palette: alternating rows only a shade apart, so a long grid does not stripe.
QPalette DarkPalette();
// Whether a palette is a dark one (light text on a dark base), whoever set it.
bool IsDarkPalette(const QPalette& palette);

// Remembers the desktop's own look when made, so that "system" can go back to it.
class ThemeSwitch {
  public:
    ThemeSwitch();
    void Apply(Theme theme) const;

  private:
    QString systemStyle_;
    QPalette systemPalette_;
    std::vector<QPalette> systemClassPalettes_;
};

}  // namespace radioprog::ui
