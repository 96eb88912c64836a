#pragma once
// A page of the main window's tab control. The shell knows its pages only through this:
// it redraws them from the model and, before any command uses the data, asks them to store
// what an open editor holds (as losing the focus to the invisible focus sink would).

#include <QWidget>

namespace radioprog::ui {

class MainWindowPage : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    // Rebuild texts and item lists in the current language and show the model's values.
    virtual void RefreshFromModel() = 0;
    // Store the value of an open editor into the model and close it.
    virtual void CommitPendingEdit() = 0;
    // Copy what the user changed of the page's layout (grid sizes) into the configuration
    // values, before the main window saves them.
    virtual void StoreLayoutInConfiguration() {}

  signals:
    // The user changed the project through this page (one signal per stored change).
    void projectEdited();
};

}  // namespace radioprog::ui
