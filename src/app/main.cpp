// radioprog [--config PATH] [FILE.Vkf]: the desktop tool. Opens the project given on the
// command line; the configuration file is the one named, or the usual one.

#include <QDir>
#include <QFile>
#include <cstdio>
#include <optional>
#include <string>

#include "app/ProgramIcon.h"
#include "appdata/AppData.h"
#include "appdata/ui/GuiContext.h"
#include "dialogs/ui/ModalRunner.h"
#include "dialogs/ui/ReportingApplication.h"
#include "lang/DialogTexts.h"
#include "lang/ui/UiText.h"
#include "mainwindow/ui/MainWindow.h"
#include "model/Configuration.h"

namespace {

constexpr int kExitUsage = 64;

struct Arguments {
    std::optional<std::string> config;
    QString project;
    bool help = false;
    bool valid = true;
};

void PrintUsage(FILE* to) {
    std::fputs(
        "Usage: radioprog [--config PATH] [FILE.Vkf]\n"
        "  --config PATH  configuration file to use instead of the usual one\n"
        "  FILE.Vkf       project file to open at start\n",
        to);
}

// Qt has already taken its own options (-platform, -style, ...).
Arguments ParseArguments(const QStringList& args) {
    Arguments parsed;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--config" && i + 1 < args.size()) {
            parsed.config = QFile::encodeName(args[++i]).toStdString();
        } else if (arg.startsWith("--config=")) {
            parsed.config = QFile::encodeName(arg.mid(9)).toStdString();
        } else if (arg.startsWith('-') || !parsed.project.isEmpty()) {
            std::fprintf(stderr, "radioprog: unexpected argument %s\n", qPrintable(arg));
            parsed.valid = false;
        } else {
            parsed.project = arg;
        }
    }
    return parsed;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace radioprog;
    ui::ReportingApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("radioprog"));
    QApplication::setDesktopFileName(QStringLiteral("radioprog"));
    QApplication::setWindowIcon(app::ProgramIcon());

    const Arguments args = ParseArguments(QApplication::arguments());
    if (args.help || !args.valid) {
        PrintUsage(args.valid ? stdout : stderr);
        return args.valid ? 0 : kExitUsage;
    }

    AppData data;  // the language object reads the system language here, first
    ui::ModalRunner modals;
    ui::GuiContext context{
        data,
        modals,
        ConfigurationPath(QFile::encodeName(QApplication::applicationDirPath()).toStdString(),
                          args.config),
        {}};
    app.SetErrorReporter([&](const QString& text) {
        modals.ShowMessage(QApplication::activeWindow(), text,
                           ui::FromUtf8(UserWarnDlgTextTable().TextUtf8(data.lang, 0)));
    });

    ui::TForm1 window(context);
    window.show();
    if (!args.project.isEmpty()) {
        window.OpenProjectFile(QDir::current().absoluteFilePath(args.project));
    }
    return QApplication::exec();
}
