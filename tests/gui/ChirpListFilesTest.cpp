// Story: a technician exports the channels for another programmer in the multi-radio format,
// and imports a plan kept there at locations 0 and up with long names, agreeing to place it
// from channel 1 and to shorten the names.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "channellist/ChirpCsv.h"
#include "mainwindow/ui/ChannelEditing.h"
#include "mainwindow/ui/ChannelPage.h"
#include "support/PageHarness.h"

namespace radioprog::ui {
namespace {

class ChirpListFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ProjectImage& image = harness.data.image;
        image.Channel(2).InitialiseNew(430012500);
        image.Channel(2).SetRxTone(kToneCtcss, 885);
        image.SetChannelValid(2, true);
        harness.Build();
        ChannelPage* page = harness.page.get();
        editing =
            new ChannelEditing(harness.context, page, *page, [page] { page->RefreshFromModel(); });
    }
    void TearDown() override { testing::CloseStrayWindows(); }

    static void Write(const QString& path, const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    testing::PageHarness<ChannelPage> harness;
    ChannelEditing* editing = nullptr;
    QTemporaryDir folder;
};

TEST_F(ChirpListFilesTest, TheSecondFilterExportsTheMultiRadioFormat) {
    const QString path = folder.filePath("plan.csv");
    harness.modals.QueueFileName(path);
    harness.modals.QueueFilterChoice(1);
    editing->Actions().exportChannels->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), ExportChannelsChirpCsv(harness.data.image));
    EXPECT_TRUE(harness.modals.AllAnswersUsed());
}

TEST_F(ChirpListFilesTest, APlanAtOtherLocationsWithLongNamesIsTakenWhenTheUserAgrees) {
    const QString path = folder.filePath("plan.csv");
    Write(path,
          "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
          "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
          "0,PMR CHANNEL "
          "1,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,0.5W,,,,,\r\n");
    const std::vector<uint8_t> before(harness.data.image.Raw().begin(),
                                      harness.data.image.Raw().end());

    harness.modals.QueueFileName(path);
    harness.modals.QueueAnswer(ModalAnswer::Cancel);  // not placed: the error is shown
    editing->Actions().importChannels->trigger();
    EXPECT_TRUE(std::ranges::equal(harness.data.image.Raw(), before));
    const QStringList& log = harness.modals.Log();
    ASSERT_GE(log.size(), 2);
    EXPECT_TRUE(log[log.size() - 2].contains("order from channel 1"))
        << log[log.size() - 2].toStdString();
    EXPECT_TRUE(log.last().contains("line 2, column 1 (Location)")) << log.last().toStdString();

    harness.modals.QueueFileName(path);
    harness.modals.QueueAnswer(ModalAnswer::Ok);  // placed from channel 1
    harness.modals.QueueAnswer(ModalAnswer::Ok);  // the name shortened
    editing->Actions().importChannels->trigger();
    EXPECT_TRUE(harness.modals.AllAnswersUsed()) << harness.modals.Log().join("|").toStdString();
    EXPECT_EQ(harness.data.image.Channel(1).RxFreq(), 446006250u);
    EXPECT_FALSE(harness.data.image.Channel(1).Wide());
    EXPECT_EQ(harness.data.image.Text(ChannelNameField(1)), "PMR CH");
    EXPECT_TRUE(harness.data.image.IsChannelValid(2)) << "a channel without a row stays";
}

}  // namespace
}  // namespace radioprog::ui

namespace radioprog::ui {
namespace {

// The real save dialog (Qt's own, offscreen): the filter a person picks is the one reported.
TEST(SaveDialogFilters, TheChosenFilterIsReported) {
    QTemporaryDir folder;
    const QString path = folder.filePath("plan.csv");
    const QString filters = QStringLiteral("Channel list(*.csv);;CHIRP channel list(*.csv)");
    for (const int chosen : {0, 1}) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectNameFilter(filters.split(QStringLiteral(";;"))[chosen]);
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog checks the name first
        });
        ModalRunner modals;
        const auto result = modals.SaveFileNameAndFilter(
            nullptr, {QStringLiteral("Export channels"), filters, QStringLiteral("csv")});
        ASSERT_TRUE(result);
        EXPECT_EQ(result->first, path);
        EXPECT_EQ(result->second, chosen);
    }
}

}  // namespace
}  // namespace radioprog::ui
