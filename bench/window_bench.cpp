// window-bench: starts the main window as radioprog does and waits for its first paint; then
// saves a picture of it, or reads or writes a radio from it as a person would (Ctrl+R, Start)
// and prints how long the job took. Used for the README pictures (scripts/screenshot) and by
// bench/window.sh (cold start, a read and a write against radiosim).
//
//   window-bench --config PATH [--language 0|1|2] [--dark] [--open FILE.Vkf] [-o OUT.png]
//                [--dialog NAME] [--job read|write --device PATH] [--type ROW,COLUMN,TEXT]
//                [--size WxH]
//
// --device may be given several times: COM1, COM2, ... in order.
//
// --dialog pictures one of the windows the main window opens instead of the main window:
// programming, programming-write, port, about, password, new-password, access-code, calibration,
// band, message, password-error, verify-failed (a read-back that kept an old channel),
// print-preview, compare (the project beside a copy with a few fields changed), history (its
// newest entry selected), user-guide, bench (the bench window after Start all has written the
// radios of every --device).
// --type stores TEXT into a cell of the channel grid as its editor would, before the picture:
// the notice of a value stored otherwise than typed shows in it.

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>

#include <QLineEdit>

#include "channellist/ChannelColumns.h"
#include "gui/GuiContext.h"
#include "gui/LocalPath.h"
#include "gui/MessageBoxes.h"
#include "gui/ReportingApplication.h"
#include "gui/UiText.h"
#include "help/ui/UserGuide.h"
#include "jobs/VerifyFailureText.h"
#include "lang/ChannelEditText.h"
#include "lang/DialogTexts.h"
#include "lang/ProjectFileText.h"
#include "lang/TextIds.h"
#include "lang/WindowText.h"
#include "mainwindow/ui/ChannelTableModel.h"
#include "mainwindow/ui/MainWindow.h"
#include "mainwindow/ui/Theme.h"
#include "model/ProjectFields.h"
#include "model/ProjectFile.h"
#include "radiobench/ui/BenchWindow.h"
#include "session/ui/FailureAdvice.h"

namespace {

struct Options {
    std::string config;
    QString open;
    QString output;
    QString job;
    QString type;
    QString size;
    std::vector<std::string> devices;
    QString dialog;
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
        } else if (a == "--job" && hasValue) {
            o.job = args[++i];
        } else if (a == "--device" && hasValue) {
            o.devices.push_back(QFile::encodeName(args[++i]).toStdString());
        } else if (a == "--dialog" && hasValue) {
            o.dialog = args[++i];
        } else if (a == "--size" && hasValue) {
            o.size = args[++i];
        } else if (a == "--type" && hasValue) {
            o.type = args[++i];
        } else if (a == "--dark") {
            o.dark = true;
        }
    }
    return o;
}

void UseDarkPalette() {
    radioprog::ui::ThemeSwitch().Apply(radioprog::Theme::Dark);
}

// Quits the loop after the first paint of the window (or of any widget in it).
class FirstPaint final : public QObject {
  public:
    explicit FirstPaint(QWidget* window) : window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && !seen_ && widget != nullptr &&
            widget->window() == window_) {
            seen_ = true;
            // exit, not quit: quit would first ask the window to close, which prompts to save.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* window_;
    bool seen_ = false;
};

// Ctrl+R or Ctrl+W, then Start: the milliseconds from the click until the window has closed
// and the result was shown.
int RunJob(radioprog::ui::TForm1& window, radioprog::ui::ModalRunner& modals, bool read) {
    QElapsedTimer took;
    modals.QueueDialogHandler([&took](QDialog& dialog) {
        took.start();
        dialog.findChild<QPushButton*>("ProgramStart")->click();
    });
    window.findChild<QAction*>(read ? "MenuEdit_Read" : "MenuEdit_Write")->trigger();
    const qint64 ms = took.elapsed();
    const QString result = modals.Log().isEmpty() ? QString() : modals.Log().last();
    std::printf("%lld\n", static_cast<long long>(ms));
    if (result != "SUCCESS") {
        std::fprintf(stderr, "%s\n", qPrintable(result));
        return 1;
    }
    return 0;
}

// The command that opens a dialog, and the access code in front of the service windows.
struct DialogOpening {
    const char* name;
    const char* action;
    const char* accessCode;  // null: the action opens the dialog itself
};

constexpr DialogOpening kDialogs[] = {
    {"programming", "MenuEdit_Read", nullptr},
    {"programming-write", "MenuEdit_Write", nullptr},
    {"port", "MenuPort", nullptr},
    {"about", "MenuAbout", nullptr},
    {"password", "MenuEdit_Password", nullptr},
    {"new-password", "MenuEdit_SetRadioNewPD", nullptr},
    {"access-code", "MenuAdjustment", nullptr},
    {"calibration", "MenuAdjustment", "mqwr47"},
    {"band", "MenuAdjustment", "kjrtwhm"},
    {"print-preview", "MenuFile_Print", nullptr},
    {"sheet-details", "MenuFile_Print", nullptr},
    {"compare", "MenuFile_CompareFile", nullptr},
    {"history", "MenuFile_History", nullptr},
    {"duplex-offset", "MenuEdit_DuplexOffset", nullptr},
    {"import", "MenuFile_ImportChannels", nullptr},
};

// A copy of the window's project with a channel moved, one renamed, one added and two options
// changed, saved in folder and offered to the next file dialog: the compare view's sample.
bool QueueDifferingProject(radioprog::ui::GuiContext& context, const QTemporaryDir& folder) {
    using namespace radioprog;
    ProjectImage other = context.data.image;
    std::vector<int> used;
    int unused = 0;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (other.IsChannelValid(n)) {
            used.push_back(n);
        } else {
            unused = n;
        }
    }
    if (!used.empty()) {
        other.Channel(used.front()).SetRxFreq(other.Channel(used.front()).RxFreq() + 12500);
        other.SetText(ChannelNameField(used.back()), "GATE");
        other.Channel(used.back()).SetScanAdd(!other.Channel(used.back()).ScanAdd());
    }
    if (unused != 0) {
        other.Channel(unused).InitialiseNew(context.data.band.lower + 1000000);
        other.SetChannelValid(unused, true);
    }
    other.Set(settings::Sql, static_cast<uint8_t>(other.Get(settings::Sql) == 5 ? 3 : 5));
    other.Set(settings::Beep, static_cast<uint8_t>(other.Get(settings::Beep) == 0 ? 1 : 0));
    const QString path = folder.filePath(QStringLiteral("bench sample.Vkf"));
    if (!SaveProject(ui::LocalPath(path), other, context.data.band)) {
        return false;
    }
    context.modals.QueueFileName(path);
    return true;
}

// A shared repeater plan of the multi-radio format as the import dialog's sample: rows that fit,
// one the radio cannot hold (AM), a long name, locations beyond the radio's channels, comments.
bool QueueSampleList(radioprog::ui::GuiContext& context, const QTemporaryDir& folder) {
    QByteArray csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
    const char* names[] = {"GATE", "NORTH", "HARBOUR", "YARD", "DEPOT", "TOWER", "RIVER", "PARK"};
    for (int location = 1; location <= 20; ++location) {
        const double mhz = context.data.band.lower / 1e6 + 1 + 0.0125 * location;
        csv += QStringLiteral(
                   "%1,%2,%3,,0.000000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,%4,12.50,,"
                   "5.0W,club repeater,,,,\r\n")
                   .arg(location)
                   .arg(QString::fromLatin1(names[location % std::size(names)]))
                   .arg(mhz, 0, 'f', 6)
                   .arg(location % 7 == 3 ? QStringLiteral("AM") : QStringLiteral("FM"))
                   .toUtf8();
    }
    QFile file(folder.filePath(QStringLiteral("repeaters.csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size()) {
        return false;
    }
    context.modals.QueueFileName(file.fileName());
    return true;
}

bool SaveGrab(QWidget& widget, const QString& output) {
    widget.show();
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
    }
    if (!widget.grab().save(output)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(output));
        return false;
    }
    return true;
}

// The bench window once Start all has run on every cable: the rows with their results.
bool PictureBench(radioprog::ui::TForm1& window, radioprog::ui::GuiContext& context,
                  const QString& output) {
    bool saved = false;
    context.modals.QueueDialogHandler([&](QDialog& dialog) {
        auto* bench = qobject_cast<radioprog::ui::BenchWindow*>(&dialog);
        dialog.findChild<QPushButton*>("bStartAll")->click();
        // Every row has started and ended once.
        const auto busy = [bench] {
            const auto rows = bench->Rows();
            return std::any_of(rows.begin(), rows.end(), [](const auto* row) {
                return row->Cycle().JobRunning() ||
                       row->Cycle().LastResult() == radioprog::BenchResult::None;
            });
        };
        QElapsedTimer waited;
        waited.start();
        while (busy() && waited.elapsed() < 60000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        saved = SaveGrab(dialog, output);
        dialog.done(QDialog::Rejected);
    });
    window.findChild<QAction*>("MenuEdit_ProgramSeveral")->trigger();
    return saved;
}

// Opens the named dialog from the window as a person would and saves its picture.
bool PictureDialog(radioprog::ui::TForm1& window, radioprog::ui::GuiContext& context,
                   const QString& name, const QString& output) {
    using namespace radioprog::ui;
    if (name == "verify-failed") {
        // A radio that kept its old channel 1 when 446.1 MHz was written.
        radioprog::VerifyReport report;
        report.ran = true;
        report.differingAddresses = {0x8080, 0x8081, 0x8082, 0x8083, 0x8084, 0x8085};
        report.readProject = radioprog::ProjectSide{context.data.image, context.data.band};
        report.sentProject = report.readProject;
        report.sentProject->image.Channel(1).InitialiseNew(446100000);
        report.sentProject->image.SetChannelValid(1, true);
        TUserWarnDlg box(
            &window, FromUtf8(VerifyFailureTextUtf8(context.data.lang, report)),
            FromUtf8(radioprog::UserWarnDlgTextTable().TextUtf8(context.data.lang, 0)));
        return SaveGrab(box, output);
    }
    if (name == "moved-values") {
        // A typed 500 MHz stored as the band's top, marked in the grid, and the question a write
        // asks about it.
        auto* grid = window.findChild<QTableView*>(QStringLiteral("StringGrid1"));
        auto* model = qobject_cast<ChannelTableModel*>(grid->model());
        model->setData(model->index(0, kColRxFreq), QStringLiteral("500"), Qt::EditRole);
        TMyWarnDlg_2 box(
            &window,
            FromUtf8(radioprog::ChannelEditTextUtf8(
                         context.data.lang, radioprog::ChannelEditTextId::MovedValuesWriteQuestion))
                .arg(model->MovedValuesText()),
            UiText(context.data.lang, radioprog::text::kOk),
            UiText(context.data.lang, radioprog::text::kCancel));
        return SaveGrab(window, output) &&
               SaveGrab(box, QString(output).replace(QStringLiteral(".png"),
                                                     QStringLiteral("-question.png")));
    }
    if (name == "save-changes") {
        const auto& lang = context.data.lang;
        TMyWarnDlg_3 box(&window,
                         FromUtf8(radioprog::ProjectFileTextUtf8(
                                      lang, radioprog::ProjectFileTextId::SaveChangesQuestion))
                             .arg(QStringLiteral("radio.Vkf")),
                         UiText(lang, radioprog::text::kYes), UiText(lang, radioprog::text::kNo),
                         UiText(lang, radioprog::text::kCancel));
        return SaveGrab(box, output);
    }
    if (name == "bench") {
        return PictureBench(window, context, output);
    }
    if (name == "password-error") {
        const auto& lang = context.data.lang;
        TUserWarnDlg box(
            &window,
            FromUtf8(radioprog::SessionTextTable().TextUtf8(lang, 4)) + "\n\n" +
                FromUtf8(radioprog::WindowTextUtf8(lang, radioprog::WindowTextId::PasswordWhere)),
            FromUtf8(radioprog::UserWarnDlgTextTable().TextUtf8(lang, 0)));
        return SaveGrab(box, output);
    }
    if (name == "user-guide") {
        window.findChild<QAction*>(QStringLiteral("MenuHelp_UserGuide"))->trigger();
        auto* guide = window.findChild<UserGuideWindow*>();
        return guide != nullptr && SaveGrab(*guide, output);
    }
    if (name == "message") {
        const auto& lang = context.data.lang;
        TUserWarnDlg box(&window,
                         FromUtf8(radioprog::SessionTextTable().TextUtf8(lang, 2)) + "\n\n" +
                             FailureAdvice(lang, context.data.port, {}),
                         FromUtf8(radioprog::UserWarnDlgTextTable().TextUtf8(lang, 0)));
        return SaveGrab(box, output);
    }
    const auto opening = std::find_if(std::begin(kDialogs), std::end(kDialogs),
                                      [&](const DialogOpening& d) { return name == d.name; });
    if (opening == std::end(kDialogs)) {
        std::fprintf(stderr, "no dialog named %s\n", qPrintable(name));
        return false;
    }
    if (opening->accessCode != nullptr) {
        const QString code = QString::fromLatin1(opening->accessCode);
        context.modals.QueueDialogHandler([code](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("eInput")->setText(code);
            dialog.findChild<QPushButton*>("OKBtn")->click();
        });
    }
    const QTemporaryDir sampleFolder;
    if (name == "compare" && !QueueDifferingProject(context, sampleFolder)) {
        std::fprintf(stderr, "could not write the compare sample\n");
        return false;
    }
    if (name == "print-preview") {
        // The sheet's page comes first: a customer's job and a shop, as a bench would have them.
        context.modals.QueueDialogHandler([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("eCustomer"))
                ->setText(QStringLiteral("Harbour job 17"));
            dialog.findChild<QLineEdit*>(QStringLiteral("eShopName"))
                ->setText(QStringLiteral("North Radio Service"));
            dialog.findChild<QLineEdit*>(QStringLiteral("eShopPhone"))
                ->setText(QStringLiteral("555-0100"));
            dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
    }
    if (name == "import" && !QueueSampleList(context, sampleFolder)) {
        std::fprintf(stderr, "could not write the import sample\n");
        return false;
    }
    bool saved = false;
    context.modals.QueueDialogHandler([&](QDialog& dialog) {
        // A list shows what choosing in it shows: its first row chosen.
        if (auto* list = dialog.findChild<QTableView*>(QStringLiteral("HistoryList"));
            list != nullptr && list->model()->rowCount() > 0) {
            list->setCurrentIndex(list->model()->index(0, 0));
        }
        saved = SaveGrab(dialog, output);
        dialog.done(QDialog::Rejected);
    });
    window.findChild<QAction*>(opening->action)->trigger();
    return saved;
}

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
    if (options.language >= 0 || !options.devices.empty()) {
        std::ofstream config(options.config);
        config << "[config]\nLanguage=" << std::max(options.language, 0) << "\n";
        if (!options.devices.empty()) {
            config << "Port=1\nAutoSeachPort=0\n[ports]\n";
            for (size_t n = 0; n < options.devices.size(); ++n) {
                config << "COM" << n + 1 << "=" << options.devices[n] << "\n";
            }
        }
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
    if (const QStringList size = options.size.split(QLatin1Char('x')); size.size() == 2) {
        window.resize(size[0].toInt(), size[1].toInt());
    }
    FirstPaint firstPaint(&window);
    app.installEventFilter(&firstPaint);
    window.show();
    QApplication::exec();
    if (!options.job.isEmpty()) {
        return RunJob(window, modals, options.job == "read");
    }
    if (!options.dialog.isEmpty()) {
        return PictureDialog(window, context, options.dialog, options.output) ? 0 : 1;
    }
    if (const QStringList typed = options.type.split(QLatin1Char(',')); typed.size() == 3) {
        auto* grid = window.findChild<QTableView*>(QStringLiteral("StringGrid1"));
        const QModelIndex cell = grid->model()->index(typed[0].toInt(), typed[1].toInt());
        grid->setCurrentIndex(cell);
        grid->model()->setData(cell, typed[2], Qt::EditRole);
        QCoreApplication::processEvents();
    }
    if (!options.output.isEmpty() && !window.grab().save(options.output)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(options.output));
        return 1;
    }
    return 0;
}
