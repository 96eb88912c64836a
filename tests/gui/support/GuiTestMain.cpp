// Every GUI test executable runs its stories inside one QApplication on the offscreen
// platform (set by ctest; forced here too, so a test started by hand never opens a window).

#include <gtest/gtest.h>

#include <cstdlib>

#include "gui/ReportingApplication.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The program's own application object, so its error handler is under test too.
    radioprog::ui::ReportingApplication app(argc, argv);
    // A story that expects an exception sets its own reporter; any other one is a failure,
    // and never a message box that would wait for a click.
    app.SetErrorReporter([](const QString& text) {
        ADD_FAILURE() << "exception escaped an event handler: " << text.toStdString();
    });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
