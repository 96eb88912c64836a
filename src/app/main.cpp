// radioprog [--config PATH] [FILE.Vkf]: the desktop tool. Opens the project given on the
// command line; the configuration file is the one named, or the usual one.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "app/ProgramIcon.h"
#include "appdata/AppData.h"
#include "gui/GuiContext.h"
#include "gui/LocalPath.h"
#include "gui/ModalRunner.h"
#include "gui/ReportingApplication.h"
#include "mainwindow/ui/MainWindow.h"
#include "model/Configuration.h"

namespace {

constexpr int kExitUsage = 64;

void SetIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("radioprog"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RADIOPROG_VERSION));
}

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption config{QStringLiteral("config"),
                              QStringLiteral("Configuration file to use instead of the usual one."),
                              QStringLiteral("PATH")};

    CommandLine() {
        parser.setApplicationDescription(
            QStringLiteral("Programs a 16-channel handheld radio over a serial cable."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(config);
        parser.addPositionalArgument(QStringLiteral("FILE.Vkf"),
                                     QStringLiteral("Project file to open at start."),
                                     QStringLiteral("[FILE.Vkf]"));
    }
};

// Help, version and a mistyped long option need no window system: they are answered before
// a display is looked for, so that they work on a console, in a build without a display and
// for manual page tools. Options with one dash belong to the window system.
enum class EarlyAnswer { None, HelpOrVersion, Usage };

EarlyAnswer AnswerBeforeTheWindowSystem(int argc, char** argv) {
    EarlyAnswer answer = EarlyAnswer::None;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        for (const char* option : {"--help", "-h", "--help-all", "-?", "--version", "-v"}) {
            if (std::strcmp(arg, option) == 0) {
                return EarlyAnswer::HelpOrVersion;
            }
        }
        if (std::strcmp(arg, "--config") == 0) {
            ++i;
        } else if (std::strncmp(arg, "--", 2) == 0 && std::strncmp(arg, "--config=", 9) != 0) {
            answer = EarlyAnswer::Usage;
        }
    }
    return answer;
}

int AnswerEarly(int argc, char** argv, EarlyAnswer answer) {
    QCoreApplication app(argc, argv);
    SetIdentity();
    CommandLine line;
    // The window system's own options (-platform, -style, ...) are unknown here; whatever
    // else was given, help and version are what was asked for.
    const bool parsed = line.parser.parse(QCoreApplication::arguments());
    if (answer == EarlyAnswer::Usage) {
        std::fprintf(
            stderr, "radioprog: %s\n%s",
            qPrintable(parsed ? QStringLiteral("unexpected argument") : line.parser.errorText()),
            qPrintable(line.parser.helpText()));
        return kExitUsage;
    }
    if (line.parser.isSet(QStringLiteral("version"))) {
        line.parser.showVersion();
    }
    line.parser.showHelp(0);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace radioprog;
    if (const EarlyAnswer early = AnswerBeforeTheWindowSystem(argc, argv);
        early != EarlyAnswer::None) {
        return AnswerEarly(argc, argv, early);
    }
    ui::ReportingApplication app(argc, argv);
    SetIdentity();
    QApplication::setDesktopFileName(QStringLiteral("radioprog"));
    QApplication::setWindowIcon(app::ProgramIcon());

    // Qt has already taken its own options (-platform, -style, ...).
    CommandLine line;
    const bool parsed = line.parser.parse(QApplication::arguments());
    const QStringList files = line.parser.positionalArguments();
    if (!parsed || files.size() > 1) {
        const QString why = parsed ? QStringLiteral("unexpected argument %1").arg(files.at(1))
                                   : line.parser.errorText();
        std::fprintf(stderr, "radioprog: %s\n%s", qPrintable(why),
                     qPrintable(line.parser.helpText()));
        return kExitUsage;
    }
    std::optional<std::string> config;
    if (line.parser.isSet(line.config)) {
        config = ui::LocalPath(line.parser.value(line.config));
    }

    AppData data;  // the language object reads the system language here, first
    ui::ModalRunner modals;
    ui::GuiContext context{
        data,
        modals,
        ConfigurationPath(ui::LocalPath(QApplication::applicationDirPath()), config),
        {}};
    app.SetErrorReporter(
        [&](const QString& text) { context.Tell(QApplication::activeWindow(), text); });

    ui::TForm1 window(context);
    window.show();
    if (!files.isEmpty()) {
        const QString file = QDir::current().absoluteFilePath(files.front());
        // After the first paint: the access code of a calibration file asks over the window.
        QTimer::singleShot(0, &window, [&window, file] { window.OpenFileFromOutside(file); });
    }
    return QApplication::exec();
}
