#pragma once
// The application object of the desktop tool. An exception that escapes an event handler is
// shown to the user in a message box, and the event loop goes on with the next event.

#include <QApplication>
#include <functional>

namespace radioprog::ui {

class ReportingApplication final : public QApplication {
    Q_OBJECT
  public:
    ReportingApplication(int& argc, char** argv);

    // Shows the text of an escaped exception; by default a plain message box.
    void SetErrorReporter(std::function<void(const QString&)> reporter) {
        reporter_ = std::move(reporter);
    }

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    void Report(const QString& text);

    std::function<void(const QString&)> reporter_;
    // An exception thrown while a report is on screen is not reported again on top of it.
    bool reporting_ = false;
};

}  // namespace radioprog::ui
