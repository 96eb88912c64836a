#pragma once
// Writing the project to radios: each write with its safety net, and radio after radio: one
// key (or the button offered after a success) writes the same project to the next radio
// connected, always read back, counting the radios written since the window opened. Only the
// first of them waits for Start; a radio that does not answer can be waited for. Several radios
// at once on several cables go through the bench window.

#include <QObject>
#include <functional>
#include <string>

#include "gui/GuiContext.h"

class QAction;
class QMenu;
class QWidget;

namespace radioprog::ui {

class RadioWriteActions final : public QObject {
    Q_OBJECT
  public:
    // readyToWrite stores a pending edit and may ask first; false leaves the radio alone.
    RadioWriteActions(GuiContext& context, QWidget* window, std::function<bool()> readyToWrite,
                      std::function<std::string()> projectFile);

    void AddToMenu(QMenu* editMenu, QAction* before) const;
    void RefreshTexts();

    // Writes the project; for the next radio always read back, and at once once a radio has
    // been written here. Goes on with the next radio as long as the user asks for it.
    void Write(bool nextRadio);
    int RadiosWritten() const { return radiosWritten_; }

    QAction* writeNextRadio = nullptr;
    QAction* programSeveral = nullptr;

  private:
    // Says why, when the project must not reach a radio.
    bool Refused();

    GuiContext& context_;
    QWidget* window_;
    std::function<bool()> readyToWrite_;
    std::function<std::string()> projectFile_;
    int radiosWritten_ = 0;
};

}  // namespace radioprog::ui
