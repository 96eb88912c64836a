// The channel sheet from the window: File > Print... opens a preview of the one page, and
// File > Export PDF... writes the sheet in the window's language.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QToolBar>

#include "model/FreqCodec.h"
#include "support/MainWindowFixture.h"
#include "support/Programs.h"

namespace radioprog::ui {
namespace {

using testing::RunProgram;
using testing::WaitFor;

class ChannelSheetTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        OpenWindow();
        auto ch = data.image.Channel(5);
        ch.SetRxFreq(435112500);
        ch.SetTxFreq(431112500);
        data.image.SetChannelValid(5, true);
        window->RefreshFromModel();
    }
    QAction* Action(const char* name) { return window->findChild<QAction*>(name); }
    // The sheet's page before every sheet: taken as it stands.
    void AcceptSheetPage() {
        modals.QueueDialogHandler([](QDialog& page) { page.accept(); });
    }
    std::string PdfText(const std::string& pdf) {
        return RunProgram({"/usr/bin/pdftotext", "-enc", "UTF-8", pdf, "-"}, folder.Path()).out;
    }
};

TEST_F(ChannelSheetTest, PrintOpensAPreviewOfOnePageWithTheChannelChoiceInItsToolBar) {
    ASSERT_NE(Action("MenuFile_Print"), nullptr);
    int pages = -1;
    bool choiceOffered = false;
    AcceptSheetPage();
    modals.QueueDialogHandler([&](QDialog& preview) {
        auto* view = preview.findChild<QPrintPreviewWidget*>();
        if (view != nullptr && WaitFor([view] { return view->pageCount() > 0; })) {
            pages = view->pageCount();
        }
        // Switching to all channels redraws the preview, still on one page.
        for (auto* bar : preview.findChildren<QToolBar*>()) {
            choiceOffered |= bar->actions().contains(Action("MenuFile_SheetAllChannels"));
        }
        Action("MenuFile_SheetAllChannels")->trigger();
        QApplication::processEvents();
        if (view != nullptr && view->pageCount() != 1) {
            pages = view->pageCount();
        }
        preview.reject();
    });
    Action("MenuFile_Print")->trigger();
    EXPECT_TRUE(modals.AllAnswersUsed());
    EXPECT_TRUE(modals.Log().contains(QStringLiteral("dialog: SheetPreview")))
        << modals.Log().join(';').toStdString();
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(choiceOffered);
}

TEST_F(ChannelSheetTest, ExportPdfWritesTheSheetInTheWindowsLanguage) {
    const struct {
        const char* languageAction;
        const char* menuText;
        const char* title;
    } languages[] = {{"MenuLanguage_En", "Export P&DF...", "Channel sheet"},
                     {"MenuLanguage_Cht", "匯出 PDF(&D)...", "信道資料表"},
                     {"MenuLanguage_Chs", "导出 PDF(&D)...", "信道资料表"}};
    for (const auto& l : languages) {
        SCOPED_TRACE(l.languageAction);
        Action(l.languageAction)->trigger();
        EXPECT_EQ(Action("MenuFile_ExportPdf")->text(), QString::fromUtf8(l.menuText));
        const std::string pdf = folder.File(std::string(l.languageAction) + ".pdf");
        modals.QueueFileName(QString::fromStdString(pdf));
        AcceptSheetPage();
        Action("MenuFile_ExportPdf")->trigger();
        const std::string text = PdfText(pdf);
        EXPECT_NE(text.find(l.title), std::string::npos) << text;
        EXPECT_NE(text.find("435.11250"), std::string::npos) << text;
        EXPECT_NE(text.find("431.11250"), std::string::npos) << text;
    }
    EXPECT_TRUE(modals.AllAnswersUsed());
    // Three sheet pages, three file dialogs and no message.
    EXPECT_EQ(modals.Log().filter(QStringLiteral("file dialog: ")).size(), 3);
    EXPECT_EQ(modals.Log().size(), 6) << modals.Log().join(';').toStdString();
}

TEST_F(ChannelSheetTest, APdfThatCannotBeWrittenIsReported) {
    modals.QueueFileName(QString::fromStdString(folder.File("no-such-folder/sheet.pdf")));
    modals.QueueAnswer(ModalAnswer::Ok);
    AcceptSheetPage();
    Action("MenuFile_ExportPdf")->trigger();
    ASSERT_EQ(modals.Log().size(), 3) << modals.Log().join(';').toStdString();
    EXPECT_TRUE(modals.Log().back().contains(QStringLiteral("sheet.pdf")))
        << modals.Log().back().toStdString();
}

// The customer's sheet says whose bench made it and for which job: the shop is typed once and
// kept, the job is typed for each sheet, and the columns the radio does not hold say so.
TEST_F(ChannelSheetTest, TheSheetsPageTakesTheJobAndKeepsTheShopForTheNextSheet) {
    Action("MenuLanguage_Chs")->trigger();
    const std::string pdf = folder.File("job.pdf");
    modals.QueueDialogHandler([](QDialog& page) {
        QTest::keyClicks(testing::Find<QLineEdit>(&page, "eCustomer"), "Harbour 17");
        QTest::keyClick(&page, Qt::Key_Tab);
        QTest::keyClicks(testing::Find<QLineEdit>(&page, "eShopName"), "North Radio");
        QTest::keyClick(&page, Qt::Key_Tab);
        QTest::keyClicks(testing::Find<QLineEdit>(&page, "eShopPhone"), "555-0100");
        QTest::keyClick(&page, Qt::Key_Return);
    });
    modals.QueueFileName(QString::fromStdString(pdf));
    Action("MenuFile_ExportPdf")->trigger();
    const std::string text = PdfText(pdf);
    for (const char* expected :
         {"North Radio", "555-0100", "客户/工单", "Harbour 17", "未命名", "（仅存文件）"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    EXPECT_EQ(data.config.shopName, "North Radio");
    EXPECT_EQ(data.config.shopPhone, "555-0100");

    // The next sheet starts with the shop and the job as they were; Cancel makes no sheet.
    QString shop, job;
    modals.QueueDialogHandler([&](QDialog& page) {
        shop = testing::Find<QLineEdit>(&page, "eShopName")->text();
        job = testing::Find<QLineEdit>(&page, "eCustomer")->text();
        QTest::keyClick(&page, Qt::Key_Escape);
    });
    modals.ClearLog();
    Action("MenuFile_Print")->trigger();
    EXPECT_EQ(shop, "North Radio");
    EXPECT_EQ(job, "Harbour 17");
    EXPECT_EQ(modals.Log(), QStringList({"dialog: SheetDetailsDialog"}));
    EXPECT_TRUE(modals.AllAnswersUsed());
}

}  // namespace
}  // namespace radioprog::ui
