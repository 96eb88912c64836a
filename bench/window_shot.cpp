// radioprog-shot: starts the main window as radioprog does, waits for its first paint, saves
// a picture of it if asked and exits. Used for the README pictures (scripts/screenshot) and
// for timing a cold start to the first painted window (bench/window_start.sh).
//
//   radioprog-shot --config PATH [--language 0|1|2] [--dark] [--open FILE.Vkf] [-o OUT.png]

#include <QEvent>
#include <QFile>
#include <QPalette>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <fstream>

#include "appdata/ui/GuiContext.h"
#include "dialogs/ui/ReportingApplication.h"
#include "mainwindow/ui/MainWindow.h"

namespace {

struct Options {
    std::string config;
    QString open;
    QString output;
    int language = -1;
    bool dark = false;
};

Options Parse(const QStringList& args) {
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--config" && hasValue) {
            o.config = QFile::encodeName(args[++i]).toStdString();
        } else if (a == "--open" && hasValue) {
            o.open = args[++i];
        } else if (a == "-o" && hasValue) {
            o.output = args[++i];
        } else if (a == "--language" && hasValue) {
            o.language = args[++i].toInt();
        } else if (a == "--dark") {
            o.dark = true;
        }
    }
    return o;
}

void UseDarkPalette() {
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(50, 50, 54));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(55, 55, 60));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    QApplication::setPalette(p);
}

// Quits the loop after the window's first paint has been delivered.
class FirstPaint final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    using namespace radioprog;
    ui::ReportingApplication app(argc, argv);
    const Options options = Parse(QApplication::arguments());
    if (options.config.empty()) {
        std::fputs("radioprog-shot --config PATH [--language N] [--dark] [--open F] [-o P]\n",
                   stderr);
        return 64;
    }
    if (options.language >= 0) {
        std::ofstream(options.config) << "[config]\nLanguage=" << options.language << "\n";
    }
    if (options.dark) {
        UseDarkPalette();
    }
    AppData data;
    ui::ModalRunner modals;
    modals.SetScripted(true);  // nothing waits for a person
    ui::GuiContext context{data, modals, options.config, {}};
    ui::TForm1 window(context);
    if (!options.open.isEmpty()) {
        window.OpenProjectFile(options.open);
    }
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    QApplication::exec();
    if (!options.output.isEmpty() && !window.grab().save(options.output)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(options.output));
        return 1;
    }
    return 0;
}
