// radioprog-cli sheet: the channel sheet of a project as a one-page PDF, drawn without a
// display, whose text (as a PDF reader extracts it) holds every channel and option.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "channellist/ChannelColumns.h"
#include "lang/TextCodec.h"
#include "model/ProjectFields.h"
#include "model/ProjectFile.h"
#include "model/ToneCodec.h"
#include "sheet/ChannelSheet.h"
#include "support/CliTest.h"
#include "support/Programs.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace radioprog::e2e {
namespace {

using testing::BinDir;
using testing::CliRun;
using testing::RunProgram;
using testing::ScopedEnvironment;
using THaldenFuncs::TLangType;

// Sixteen channels, each with its own frequencies and tones (CTCSS, DCS both ways, none),
// both powers and bandwidths, and a name, the first one in Chinese.
ProjectImage FullProject() {
    ProjectImage image;
    image.ResetToDefaults();
    for (int n = 1; n <= kChannelCount; ++n) {
        auto ch = image.Channel(n);
        ch.SetRxFreq(static_cast<uint32_t>(400012500 + n * 1237500));
        ch.SetTxFreq(n % 5 == 0 ? 0 : static_cast<uint32_t>(470025000 - n * 612500));
        const auto& ctcss = CtcssTable();
        const auto& dcs = DcsTable();
        ch.SetRxTone(kToneCtcss, ctcss[static_cast<size_t>(n * 3)]);
        const uint8_t txType = n % 3 == 0 ? kToneNone : (n % 2 ? kToneDcsNormal : kToneDcsInverted);
        ch.SetTxTone(txType,
                     txType == kToneNone ? 0 : kDcsCodeBase + dcs[static_cast<size_t>(n * 6)]);
        ch.SetHighPower(n % 2 == 0);
        ch.SetWide(n % 3 != 0);
        ch.SetScanAdd(n % 4 != 0);
        image.SetChannelValid(n, true);
        image.SetText(ChannelNameField(n),
                      n == 1 ? *EncodeCodePage("值班", CodePage::Gbk) : "CH" + std::to_string(n));
    }
    image.Set(settings::Tot, uint16_t{0});
    image.Set(settings::Voice, uint8_t{2});
    image.Set(settings::Beep, uint8_t{1});
    image.Set(settings::Saving, uint8_t{0});
    return image;
}

// The "Pages:" line of pdfinfo's report; -1 without one.
int PageCount(const std::string& info) {
    const size_t line = info.find("Pages:");
    return line == std::string::npos ? -1 : std::atoi(info.c_str() + line + 6);
}

class SheetE2eTest : public testing::CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        ASSERT_TRUE(SaveProject(project, image, band));
    }

    CliRun Sheet(const std::vector<std::string>& options) {
        std::vector<std::string> args{"sheet", project};
        args.insert(args.end(), options.begin(), options.end());
        return Cli(args);
    }
    std::string PdfText(const std::string& pdf) {
        return RunProgram({"/usr/bin/pdftotext", "-enc", "UTF-8", pdf, "-"}, folder_.Path()).out;
    }
    std::string PdfInfo(const std::string& pdf) {
        return RunProgram({"/usr/bin/pdfinfo", pdf}, folder_.Path()).out;
    }

    std::string project = folder_.File("full.Vkf");
    ProjectImage image = FullProject();
    BandLimits band{400000000, 480000000};
};

TEST_F(SheetE2eTest, AFullProjectFitsOnePageWithEveryChannelAndOptionInEachLanguage) {
    // No display, and a platform that would need one: the command draws offscreen anyway.
    const ScopedEnvironment noDisplay("DISPLAY", std::nullopt);
    const ScopedEnvironment noWayland("WAYLAND_DISPLAY", std::nullopt);
    const ScopedEnvironment platform("QT_QPA_PLATFORM", "xcb");
    // As under cron: Qt would note the missing runtime folder, which is no news to a script.
    const ScopedEnvironment noRuntime("XDG_RUNTIME_DIR", std::nullopt);
    const struct {
        const char* option;
        TLangType language;
        const char* title;
        const char* caption;  // the receive frequency column
    } languages[] = {{"en", TLangType::English, "Channel sheet", "RX Freq."},
                     {"zh-cn", TLangType::SimplifiedChinese, "信道资料表", "接收频率"},
                     {"zh-tw", TLangType::TraditionalChinese, "信道資料表", "接收頻率"}};
    for (const auto& l : languages) {
        SCOPED_TRACE(l.option);
        const std::string pdf = folder_.File(std::string("sheet-") + l.option + ".pdf");
        const CliRun run = Sheet({"-o", pdf, "--language", l.option, "--paper", "a4"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(PageCount(PdfInfo(pdf)), 1) << PdfInfo(pdf);
        EXPECT_NE(PdfInfo(pdf).find("A4"), std::string::npos) << PdfInfo(pdf);

        const std::string text = PdfText(pdf);
        EXPECT_NE(text.find(l.title), std::string::npos) << text;
        EXPECT_NE(text.find(l.caption), std::string::npos) << text;
        EXPECT_NE(text.find("值班"), std::string::npos) << text;
        for (int n = 1; n <= kChannelCount; ++n) {
            for (const ChannelColumn column : {ChannelColumn::RxFreq, ChannelColumn::TxFreq,
                                               ChannelColumn::RxTone, ChannelColumn::TxTone}) {
                const std::string field = ChannelFieldText(image, n, column, l.language);
                EXPECT_NE(text.find(field), std::string::npos) << "channel " << n << " " << field;
            }
        }
        const ChannelSheet sheet =
            BuildChannelSheet(image, band, l.language, SheetChannels::InUse, "");
        for (const auto& [caption, word] : sheet.options) {
            EXPECT_NE(text.find(caption), std::string::npos) << caption;
            EXPECT_NE(text.find(word), std::string::npos) << caption << ": " << word;
        }
    }
}

TEST_F(SheetE2eTest, PaperFollowsTheLocaleUnlessNamed) {
    const ScopedEnvironment paper("LC_PAPER", std::nullopt);
    const ScopedEnvironment all("LC_ALL", "en_US.UTF-8");
    const std::string pdf = folder_.File("letter.pdf");
    ASSERT_EQ(Sheet({"-o", pdf, "--all"}).exitCode, 0);
    EXPECT_NE(PdfInfo(pdf).find("letter"), std::string::npos) << PdfInfo(pdf);
    ASSERT_EQ(Sheet({"-o", pdf, "--paper", "a4"}).exitCode, 0);
    EXPECT_NE(PdfInfo(pdf).find("A4"), std::string::npos) << PdfInfo(pdf);
}

// The header carries the shop the configuration names (or the one named for this sheet), the
// job and the project's file name; the columns the radio does not hold are marked.
TEST_F(SheetE2eTest, TheHeaderNamesTheShopTheJobAndTheFile) {
    const std::string config = folder_.File("shop.ini");
    std::ofstream(config) << "[Sheet]\nShopName=North Radio\nShopPhone=555-0100\n";
    const std::string pdf = folder_.File("job.pdf");
    CliRun run = CliWithConfig(
        config, {"sheet", project, "-o", pdf, "--language", "en", "--customer", "Harbour job 17"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string text = PdfText(pdf);
    for (const char* expected :
         {"North Radio", "555-0100", "Harbour job 17", "full.Vkf", "Name (file only)"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    run = CliWithConfig(config, {"sheet", project, "-o", pdf, "--shop", "Bench Two"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    text = PdfText(pdf);
    EXPECT_NE(text.find("Bench Two"), std::string::npos) << text;
    EXPECT_EQ(text.find("North Radio"), std::string::npos) << text;
    EXPECT_NE(text.find("555-0100"), std::string::npos) << "the phone stays the configuration's";
}

TEST_F(SheetE2eTest, AProjectThatCannotBeReadWritesNoSheet) {
    const std::string pdf = folder_.File("none.pdf");
    const CliRun run = Cli({"sheet", folder_.File("missing.Vkf"), "-o", pdf});
    EXPECT_EQ(run.exitCode, 66);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(Sheet({"-o", pdf, "--language", "fr"}).exitCode, 64);
}

}  // namespace
}  // namespace radioprog::e2e
