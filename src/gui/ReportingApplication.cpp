#include "gui/ReportingApplication.h"

#include <QMessageBox>
#include <exception>

namespace radioprog::ui {

ReportingApplication::ReportingApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ReportingApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        Report(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        Report(QStringLiteral("Unexpected error"));
    }
    return false;
}

void ReportingApplication::Report(const QString& text) {
    if (reporting_) {
        return;
    }
    reporting_ = true;
    if (reporter_) {
        reporter_(text);
    } else {
        QMessageBox::critical(activeWindow(), applicationDisplayName(), text);
    }
    reporting_ = false;
}

}  // namespace radioprog::ui
