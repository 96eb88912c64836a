// The band limits dialog: typed limits are forced into the supported ranges, OK changes the
// band only for new, ordered limits and after the confirmation, and the new band is the one
// the next start reads from the configuration file.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/ui/TBandSetDlg.h"
#include "model/FreqCodec.h"
#include "model/ProjectFields.h"
#include "support/GuiContextFixture.h"
#include "support/GuiTestSupport.h"
#include "support/TempFolder.h"

namespace radioprog::ui {
namespace {

using testing::Find;

class BandDialog : public ::testing::Test, protected testing::GuiContextFixture {
  protected:
    BandDialog() : GuiContextFixture(Config::OwnFile) {
        data.lang.SetLangType(THaldenFuncs::TLangType::English);
        ResetProjectToDefaults(data);
        LoadConfiguration(context.configPath, data.config, data.band);  // writes the file
        ResetCalibrationData(data.calibration, data.band);
        // Work the user would lose with a band change.
        data.image.Set(settings::Sql, uint8_t{8});
        data.image.Field(image::ChannelValid)[0] = 0x05;  // two channels in use
        data.calibration.Set(calib::PinPian_W, uint16_t{999});
    }

    // Erases the named edit with the keyboard and types into it; the edit is not left.
    void Enter(TBandSetDlg& dialog, const char* name, const QString& typed) {
        QLineEdit* edit = Find<QLineEdit>(&dialog, name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
    }

    bool DataKept() const {
        return data.image.Get(settings::Sql) == 8 &&
               data.image.Field(image::ChannelValid)[0] == 5 &&
               data.calibration.Get(calib::PinPian_W) == 999;
    }

    int redraws = 0;
    QMetaObject::Connection counting =
        QObject::connect(&context.events, &ProjectEvents::projectReplaced, [this] { ++redraws; });
};

TEST_F(BandDialog, TypedLimitsAreForcedIntoTheSupportedRanges) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c :
         {Case{"100", "136.00000"}, Case{"180", "174.00000"}, Case{"300", "260.00000"},
          Case{"600", "520.00000"}, Case{"136.0031", "136.00000"}, Case{"", "136.00000"},
          Case{"200", "200.00000"}, Case{"438.0125", "438.01250"}}) {
        TBandSetDlg dialog(context, nullptr);
        Enter(dialog, "eBandSet_MinFreq", c.typed);
        dialog.eBandSet_MinFreqExit();
        EXPECT_EQ(Find<QLineEdit>(&dialog, "eBandSet_MinFreq")->text(), c.shown) << c.typed;
        EXPECT_EQ(FreqToText(dialog.BandSetMin), c.shown) << c.typed;
    }

    // Typing keeps one point and nine characters; a text ending with the point is reported.
    TBandSetDlg dialog(context, nullptr);
    Enter(dialog, "eBandSet_MaxFreq", "4a5.0.0.01256");
    EXPECT_EQ(Find<QLineEdit>(&dialog, "eBandSet_MaxFreq")->text(), "45.000125");
    Enter(dialog, "eBandSet_MaxFreq", "400.");
    dialog.eBandSet_MaxFreqExit();
    EXPECT_EQ(dialog.BandSetMax, 480000000u);
    EXPECT_EQ(modals.Log().size(), 1);
}

TEST_F(BandDialog, EqualReversedOrUnchangedLimitsDoNothing) {
    struct Case {
        const char* lower;
        const char* upper;
    };
    for (const Case& c : {Case{"150", "150"}, Case{"480", "400"}, Case{"400", "480"}}) {
        TBandSetDlg dialog(context, nullptr);
        Enter(dialog, "eBandSet_MinFreq", c.lower);
        Enter(dialog, "eBandSet_MaxFreq", c.upper);
        QTest::mouseClick(Find<QPushButton>(&dialog, "OKBtn"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(data.band, (BandLimits{400000000, 480000000})) << c.lower << "-" << c.upper;
    }
    EXPECT_TRUE(modals.Log().isEmpty()) << modals.Log().join("|").toStdString();
    EXPECT_TRUE(DataKept());
    EXPECT_EQ(redraws, 0);
}

TEST_F(BandDialog, ACancelledConfirmationChangesNothing) {
    TBandSetDlg dialog(context, nullptr);
    Enter(dialog, "eBandSet_MinFreq", "136");
    Enter(dialog, "eBandSet_MaxFreq", "174");
    modals.QueueAnswer(ModalAnswer::Cancel);
    dialog.OKBtnClick();
    EXPECT_EQ(modals.Log(), QStringList({"Clear all data ?"}));
    EXPECT_EQ(data.band, (BandLimits{400000000, 480000000}));
    EXPECT_TRUE(DataKept());
}

// Typed limits can be left with Cancel, which changes nothing and asks nothing; both edits
// say their unit, in every language.
TEST_F(BandDialog, CancelLeavesTheBandAndTheFieldsSayMegahertz) {
    for (const auto language :
         {THaldenFuncs::TLangType::English, THaldenFuncs::TLangType::SimplifiedChinese,
          THaldenFuncs::TLangType::TraditionalChinese}) {
        data.lang.SetLangType(language);
        TBandSetDlg dialog(context, nullptr);
        dialog.show();
        int units = 0;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            units += label->isVisible() && label->text() == "MHz" ? 1 : 0;
        }
        EXPECT_EQ(units, 2);
        Enter(dialog, "eBandSet_MinFreq", "136");
        Enter(dialog, "eBandSet_MaxFreq", "174");
        auto* cancel = Find<QPushButton>(&dialog, "CancelBtn");
        ASSERT_NE(cancel, nullptr);
        ASSERT_TRUE(cancel->isVisible());
        EXPECT_EQ(cancel->text(), language == THaldenFuncs::TLangType::English
                                      ? QString("Cancel")
                                      : QString::fromUtf8("取消"));
        QTest::mouseClick(cancel, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(modals.Log(), QStringList());
        EXPECT_EQ(data.band, (BandLimits{400000000, 480000000}));
        EXPECT_TRUE(DataKept());
        EXPECT_EQ(redraws, 0);
    }
}

// The service person moves the radio to 136-174 MHz: hovering over OK takes both edits, the
// confirmation clears all data, and the next start reads the new band.
TEST_F(BandDialog, ANewBandClearsTheDataAndIsUsedAtTheNextStart) {
    data.port.portNumber = 3;
    data.port.autoSearchPort = false;
    TBandSetDlg dialog(context, nullptr);
    Enter(dialog, "eBandSet_MinFreq", "136");
    Enter(dialog, "eBandSet_MaxFreq", "174");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(Find<QPushButton>(&dialog, "OKBtn"), &enter);
    EXPECT_EQ(dialog.BandSetMin, 136000000u);
    EXPECT_EQ(dialog.BandSetMax, 174000000u);

    modals.QueueAnswer(ModalAnswer::Ok);
    dialog.OKBtnClick();
    EXPECT_EQ(data.band, (BandLimits{136000000, 174000000}));
    EXPECT_EQ(data.image.Get(settings::Sql), 5);  // the options are back at their defaults
    EXPECT_EQ(data.image.Field(image::ChannelValid)[0], 0);
    EXPECT_EQ(data.calibration.Get(calib::PinPian_W), 50);
    EXPECT_EQ(data.calibration.Point(0).Freq, 136);
    EXPECT_EQ(data.calibration.Point(1).Freq, 155);
    EXPECT_EQ(data.calibration.Point(2).Freq, 174);
    EXPECT_EQ(redraws, 1);

    ConfigValues nextStart;
    BandLimits nextBand;
    ASSERT_EQ(LoadConfiguration(context.configPath, nextStart, nextBand), ConfigLoad::Loaded);
    EXPECT_EQ(nextBand, (BandLimits{136000000, 174000000}));
    EXPECT_EQ(nextStart.portNumber, 3);
    EXPECT_FALSE(nextStart.autoSearchPort);
}

}  // namespace
}  // namespace radioprog::ui
