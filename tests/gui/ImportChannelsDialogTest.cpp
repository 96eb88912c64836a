// Story: a technician imports a shared plan of 52 repeaters into a project that uses channels 2
// and 16. The import dialog ticks the rows that fit, says why the others do not, and lets her
// place the rows from channel 1, swap rows, put one on channel 1 by hand and replace the rest;
// Import is one step to undo, and a message says what was taken and what was skipped.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include "channellist/ChannelColumns.h"
#include "mainwindow/ui/ChannelEditing.h"
#include "mainwindow/ui/ChannelPage.h"
#include "support/ImportDialogDriver.h"
#include "support/PageHarness.h"

namespace radioprog::ui {
namespace {

class ImportChannelsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ProjectImage& image = harness.data.image;
        for (const int n : {2, 16}) {
            image.Channel(n).InitialiseNew(430012500);
            image.SetChannelValid(n, true);
            image.SetText(ChannelNameField(n), "KEEP" + std::to_string(n));
        }
        harness.Build();
        ChannelPage* page = harness.page.get();
        editing =
            new ChannelEditing(harness.context, page, *page, [page] { page->RefreshFromModel(); });

        // Locations 0 to 51, named after them; every tenth (3, 13, ...) is AM.
        QByteArray csv =
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
            "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,"
            "DVCODE\r\n";
        for (int location = 0; location < 52; ++location) {
            csv += QStringLiteral(
                       "%1,L%1,%2,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,%3,5.00,,"
                       "5.0W,club,,,,\r\n")
                       .arg(location)
                       .arg(440.0 + 0.025 * location, 0, 'f', 6)
                       .arg(location % 10 == 3 ? "AM" : "FM")
                       .toUtf8();
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(csv);
    }
    void TearDown() override { testing::CloseStrayWindows(); }

    std::vector<uint8_t> Image() const {
        return {harness.data.image.Raw().begin(), harness.data.image.Raw().end()};
    }
    std::string Name(int n) const {
        const ProjectImage& image = harness.data.image;
        return image.IsChannelValid(n) ? image.Text(ChannelNameField(n)) : "";
    }

    testing::PageHarness<ChannelPage> harness;
    ChannelEditing* editing = nullptr;
    QTemporaryDir folder;
    QString path = folder.filePath("repeaters.csv");
};

// The table row of a list row: the rows are listed in order, from 1.
void Tick(QTableWidget& rows, int row, bool ticked) {
    rows.item(row - 1, 0)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

int ChannelOf(QDialog& dialog, int row) {
    const QString name = QStringLiteral("ImportChannel_%1").arg(row);
    return testing::Find<QSpinBox>(&dialog, name.toUtf8().constData())->value();
}

TEST_F(ImportChannelsDialogTest, RowsAreChosenPlacedAndImportedAsOneStep) {
    const auto before = Image();
    harness.modals.QueueFileName(path);
    harness.modals.QueueDialogHandler([](QDialog& dialog) {
        auto& rows = *testing::Find<QTableWidget>(&dialog, "ImportRows");
        auto* status = testing::Find<QLabel>(&dialog, "ImportStatus");
        ASSERT_EQ(rows.rowCount(), 52);
        // Locations 1 to 16 go to their channels, but 3 and 13 are AM; location 0 and 17 fit
        // and take the two channels that leaves free.
        EXPECT_EQ(status->text(),
                  "16 of 52 rows ticked; 0 of them cannot be taken and will be skipped.");
        EXPECT_EQ(rows.item(3, 0)->checkState(), Qt::Unchecked);
        EXPECT_TRUE(rows.item(3, 3)->text().contains("a mode the radio does not have"))
            << rows.item(3, 3)->text().toStdString();
        EXPECT_EQ(ChannelOf(dialog, 1), 3);
        EXPECT_EQ(ChannelOf(dialog, 18), 13);
        EXPECT_EQ(rows.item(19, 0)->checkState(), Qt::Unchecked);
        EXPECT_TRUE(rows.item(19, 3)->text().contains("no room"));

        // From channel 1 in order, without locations 0 and 1 but with 19 and the AM row.
        testing::Toggle(testing::Find<QCheckBox>(&dialog, "ImportRenumber"));
        EXPECT_EQ(ChannelOf(dialog, 1), 1);
        EXPECT_EQ(ChannelOf(dialog, 5), 4);
        Tick(rows, 1, false);
        Tick(rows, 2, false);
        Tick(rows, 20, true);
        Tick(rows, 4, true);
        EXPECT_EQ(status->text(),
                  "16 of 52 rows ticked; 1 of them cannot be taken and will be skipped.");
        EXPECT_TRUE(rows.item(3, 3)->text().contains("a mode the radio does not have"));
        EXPECT_EQ(ChannelOf(dialog, 20), 15);

        // Location 19 typed onto channel 1: the others follow from channel 2.
        auto* channel = testing::Find<QSpinBox>(&dialog, "ImportChannel_20");
        channel->selectAll();
        QTest::keyClicks(channel, "1");
        QTest::keyClick(channel, Qt::Key_Enter);
        EXPECT_EQ(ChannelOf(dialog, 20), 1);
        EXPECT_EQ(ChannelOf(dialog, 3), 2);
        EXPECT_EQ(ChannelOf(dialog, 18), 15);

        testing::Toggle(testing::Find<QCheckBox>(&dialog, "ImportReplace"));
        testing::ClickImport(dialog);
    });
    editing->Actions().importChannels->trigger();
    ASSERT_TRUE(harness.modals.AllAnswersUsed()) << harness.modals.Log().join("|").toStdString();

    const QString summary = harness.modals.Log().last();
    for (const char* said :
         {"Took 15 rows (channels 1-15); skipped 1.", "Skipped row 4: line 5, column 13 (Mode)",
          "15 comments were not kept", "kept in the project file only"}) {
        EXPECT_TRUE(summary.contains(said)) << said << " in " << summary.toStdString();
    }
    EXPECT_EQ(Name(1), "L19");
    EXPECT_EQ(Name(2), "L2");
    EXPECT_EQ(Name(3), "L4") << "the AM row took no channel";
    EXPECT_EQ(Name(15), "L17");
    EXPECT_EQ(Name(16), "") << "replaced: the base's channel 16 is cleared";

    const auto after = Image();
    editing->Actions().undo->trigger();
    EXPECT_EQ(Image(), before) << "the import is one step";
    editing->Actions().redo->trigger();
    EXPECT_EQ(Image(), after);
}

}  // namespace
}  // namespace radioprog::ui
