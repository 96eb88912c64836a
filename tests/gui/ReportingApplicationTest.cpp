// An exception that escapes an event handler is shown, and the event loop goes on.

#include <gtest/gtest.h>

#include <QTimer>
#include <stdexcept>

#include "gui/ReportingApplication.h"
#include "support/GuiTestSupport.h"

namespace radioprog::ui {
namespace {

TEST(ReportingApplication, AnEscapedExceptionIsReportedAndTheLoopGoesOn) {
    auto* app = qobject_cast<ReportingApplication*>(QApplication::instance());
    ASSERT_NE(app, nullptr);
    QStringList reported;
    app->SetErrorReporter([&reported](const QString& text) { reported << text; });

    bool laterEventRan = false;
    QTimer::singleShot(0, [] { throw std::invalid_argument("'400.' is not a valid number"); });
    QTimer::singleShot(0, [] { throw 42; });
    QTimer::singleShot(5, [&laterEventRan] { laterEventRan = true; });
    EXPECT_TRUE(testing::WaitFor([&] { return laterEventRan; }, 5000));

    EXPECT_EQ(reported, QStringList({"'400.' is not a valid number", "Unexpected error"}));
    app->SetErrorReporter([](const QString& text) {
        ADD_FAILURE() << "exception escaped an event handler: " << text.toStdString();
    });
}

}  // namespace
}  // namespace radioprog::ui
