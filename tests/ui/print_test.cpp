// The File menu's Print, Print Preview and Export PDF and the toolbar's Print button: the
// channel sheet of the document as the windows hold it.

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>
#include <functional>

#include "channels/channel_editing.h"
#include "document/workspace.h"
#include "exchange/print_sheet.h"
#include "platform/sheet_painter.h"
#include "ui/ui_support.h"

namespace mv52 {
namespace {

using test::WindowRig;

// Runs `inspect` on the modal dialog a command opens, then closes the dialog.
template <typename Dialog>
bool whileModal(const std::function<void()>& open, const std::function<void(Dialog&)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        seen = true;
        inspect(*dialog);
        dialog->reject();
    });
    open();
    return seen;
}

// Fills group A of the shown work mode with channels 1-40.
void fillGroupA(Workspace& ws) {
    for (int row = 1; row <= 40; ++row) updateChannelFrequency(ws, row, "27." + std::to_string(100 + row * 5));
}

struct PreviewCase {
    const char* name;
    bool fullGroup;
};

class PrintPreview : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(PrintPreview, OpensWithThePagesOfTheSheet) {
    WindowRig rig;
    rig.window();
    Workspace& ws = *rig.app->workspace;
    if (GetParam().fullGroup) fillGroupA(ws);
    int shownPages = -1;
    int sheetPages = -2;
    const bool opened = whileModal<QPrintPreviewDialog>(
        [&] { rig.find("mnuPrintPreview")->trigger(); },
        [&](QPrintPreviewDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), QStringLiteral("PrintPreview"));
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            ASSERT_NE(preview, nullptr);
            shownPages = preview->pageCount();
            SheetRequest request;
            request.fileName = ws.fileName;
            request.printedAt = "2026-01-01 00:00";
            sheetPages = sheetPageCount(describeSheet(ws.current, request), *dialog.printer());
        });
    ASSERT_TRUE(opened);
    EXPECT_EQ(shownPages, sheetPages);
    // The groups' channels, then the options page, then the roger-beep entries.
    EXPECT_GE(shownPages, GetParam().fullGroup ? 4 : 3);
    EXPECT_TRUE(rig.prompter.asked.empty());
}

INSTANTIATE_TEST_SUITE_P(Documents, PrintPreview,
                         ::testing::Values(PreviewCase{"NewDocument", false}, PreviewCase{"FullGroup", true}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(PrintSheetPages, AFullGroupTakesMorePagesThanOneChannel) {
    WindowRig rig;
    rig.window();
    Workspace& ws = *rig.app->workspace;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    SheetRequest request;
    const int before = sheetPageCount(describeSheet(ws.current, request), printer);
    // Four groups of 40 channels: more rows than a page holds.
    for (int g = 1; g <= 4; ++g) {
        ws.current.count(kWorkModeCb, g) = 0;
        for (int n = 1; n <= 40; ++n) ws.current.appendChannel(kWorkModeCb, g, n, "27." + std::to_string(100 + n * 5));
    }
    EXPECT_GT(sheetPageCount(describeSheet(ws.current, request), printer), before);
}

TEST(PrintCommands, TheToolbarButtonAndCtrlPOpenThePrintDialog) {
    WindowRig rig;
    rig.window();
    for (const char* name : {"tbPrint", "mnuPrint"}) {
        SCOPED_TRACE(name);
        const bool opened = whileModal<QPrintDialog>([&] { rig.find(name)->trigger(); },
                                                     [](QPrintDialog& dialog) {
                                                         EXPECT_EQ(dialog.objectName(), QStringLiteral("PrintDialog"));
                                                     });
        EXPECT_TRUE(opened);
    }
    EXPECT_EQ(rig.find("mnuPrint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_TRUE(rig.prompter.asked.empty());
}

TEST(PrintCommands, ExportPdfWritesTheChosenFile) {
    WindowRig rig;
    rig.window();
    const std::string pdf = rig.install.file("sheet.pdf");
    rig.files.answers = {pdf};
    rig.find("mnuExportPdf")->trigger();
    ASSERT_EQ(rig.files.calls.size(), 1u);
    EXPECT_TRUE(rig.files.calls[0].save);
    EXPECT_EQ(rig.files.calls[0].filter, "PDF Document (*.pdf)|*.pdf");
    EXPECT_EQ(rig.files.calls[0].preset, "new.pdf");
    const auto bytes = test::readBytes(pdf);
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "%PDF-");
    EXPECT_TRUE(rig.prompter.asked.empty());
    EXPECT_TRUE(rig.window().findChild<QStatusBar*>()->currentMessage().contains(QString::fromStdString(pdf)));
}

TEST(PrintCommands, ExportPdfIntoAFolderThatIsNotThereSaysSoAndWritesNothing) {
    WindowRig rig;
    rig.window();
    const std::string pdf = rig.install.file("missing/sheet.pdf");
    rig.files.answers = {pdf};
    rig.find("mnuExportPdf")->trigger();
    ASSERT_EQ(rig.prompter.asked.size(), 1u);
    EXPECT_EQ(rig.prompter.asked[0].text.rfind("file error.", 0), 0u) << rig.prompter.asked[0].text;
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST(PrintCommands, ACancelledExportWritesNothing) {
    WindowRig rig;
    rig.window();
    rig.files.answers = {std::nullopt};
    rig.find("mnuExportPdf")->trigger();
    EXPECT_EQ(rig.files.calls.size(), 1u);
    EXPECT_TRUE(rig.prompter.asked.empty());
}

}  // namespace
}  // namespace mv52
