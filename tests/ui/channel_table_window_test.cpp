// The channel table window as a user drives it: keys into the grid and its editors, the
// selection, the clipboard, Fill, Find and Sort; and the channel window beside it.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/child_windows.h"
#include "channels/channel_editing.h"
#include "channels/channel_table_model.h"
#include "data/groups.h"
#include "document/workspace.h"
#include "storage/data_file.h"
#include "ui/channel_rig.h"
#include "ui/channel_table_view.h"
#include "ui/channel_table_window.h"

namespace mv52::test {
namespace {

constexpr auto E = LanguageIndex::English;
using C = TableColumn;

struct TableRig : ChannelRig {
    TableRig() {
        window().runCommand(Command::ChannelTable);
        QCoreApplication::processEvents();
        // The rig's plan is where the user starts: nothing to undo.
        window().editHistory().reset();
    }
    ChannelTableWindow& table() {
        auto* w = window().findChild<ChannelTableWindow*>(QStringLiteral("frmChannelTable_content"));
        EXPECT_NE(w, nullptr);
        return *w;
    }
    ChannelTableView* view() { return table().view(); }
    QWidget* focus() { return QApplication::focusWidget(); }
    // A key as the keyboard sends it to whatever has the focus (the grid or its open editor).
    void press(int code, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* to = focus() != nullptr ? focus() : view();
        key(to, code, text, mods);
    }
    void typeText(const QString& text) {
        for (const QChar c : text) press(0, QString(c));
    }
    void goTo(int row, C column) {
        view()->setCurrentIndex(view()->model()->index(table().model()->viewRow(row), static_cast<int>(column)));
        view()->setFocus();
        QCoreApplication::processEvents();
    }
    QString cell(int row, C column) {
        return view()->model()->index(table().model()->viewRow(row), static_cast<int>(column)).data().toString();
    }
    // Rows row.. row + rows - 1 of a column selected from the last up, the first current.
    void selectDown(int row, C column, int rows) {
        goTo(row + rows - 1, column);
        for (int k = 1; k < rows; ++k) press(Qt::Key_Up, {}, Qt::ShiftModifier);
    }
    // What returning to the event loop does after an action: its step is recorded.
    void settle() { window().editHistory().flush(); }
    std::string undoName() {
        settle();
        return window().editHistory().history().undoName(E);
    }
    void undo() {
        settle();
        find("mnuUndo")->trigger();
        QCoreApplication::processEvents();
    }
};

TEST(ChannelTableWindow, OpensOnRowOnesFrequencyWithTheKeyboardInTheGrid) {
    TableRig rig;
    ASSERT_NE(rig.window().findChild<QMdiSubWindow*>(QString::fromLatin1(kChannelTableWindow)), nullptr);
    EXPECT_EQ(rig.view()->currentIndex().row(), 0);
    EXPECT_EQ(rig.view()->currentIndex().column(), static_cast<int>(C::Frequency));
    EXPECT_EQ(rig.focus(), rig.view());
    EXPECT_EQ(rig.view()->model()->columnCount(), kTableColumnCount);
    EXPECT_EQ(rig.view()->model()->rowCount(), 40);
    EXPECT_EQ(rig.view()->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Tx tone"));
}

TEST(ChannelTableWindow, TypingADigitStartsAnEditWithItAndEscapeCancels) {
    TableRig rig;
    rig.goTo(1, C::Frequency);
    rig.press(0, QStringLiteral("2"));
    auto* box = qobject_cast<QLineEdit*>(rig.focus());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("2"));
    rig.typeText(QStringLiteral("7.1"));
    rig.press(Qt::Key_Escape);
    EXPECT_EQ(rig.focus(), rig.view());
    EXPECT_EQ(rig.doc().count(0, 1), 1);
    // Enter edits, Enter commits and moves down.
    rig.goTo(2, C::Frequency);
    rig.press(Qt::Key_Return);
    ASSERT_NE(qobject_cast<QLineEdit*>(rig.focus()), nullptr);
    rig.typeText(QStringLiteral("27.105"));
    rig.press(Qt::Key_Return);
    EXPECT_EQ(rig.cell(2, C::Frequency), QStringLiteral("27.10500"));
    EXPECT_EQ(rig.view()->currentIndex().row(), 2);
    EXPECT_EQ(rig.undoName(), "Frequency of CH 2");
}

// Ten channels by keyboard alone in the table, and the same ten through the channel window:
// the saved channel files are the same byte for byte.
TEST(ChannelTableWindow, APlanTypedByKeyboardIsSavedAsTheChannelWindowWouldStoreIt) {
    const char* frequencies[] = {"26.965", "26.975", "26.985", "27.005", "27.015",
                                 "27.025", "27.035", "27.055", "27.065", "27.075"};
    TempDir dir;
    {
        TableRig rig;
        rig.goTo(1, C::Frequency);
        for (int row = 1; row <= 10; ++row) {
            rig.typeText(QString::fromLatin1(frequencies[row - 1]));
            rig.press(Qt::Key_Tab);
            rig.typeText(row % 2 ? QStringLiteral("A") : QStringLiteral("U"));  // AM, USB
            rig.press(Qt::Key_Tab);
            rig.typeText(QStringLiteral("88.5"));
            rig.press(Qt::Key_Return);
            rig.press(Qt::Key_Left);
            rig.press(Qt::Key_Left);
        }
        EXPECT_EQ(rig.cell(10, C::Mode), QStringLiteral("USB"));
        EXPECT_EQ(rig.cell(9, C::TxTone), QStringLiteral("88.5"));
        EXPECT_EQ(rig.doc().count(0, 1), 10);
        ASSERT_TRUE(saveDataFileCopy(*rig.app->workspace, dir.file("table.dat")));
    }
    {
        ChannelRig rig;
        for (int row = 1; row <= 10; ++row) {
            rig.selectRow(row);
            rig.key(rig.grid(), Qt::Key_Return);
            rig.type(QString::fromLatin1(frequencies[row - 1]));
            rig.key(rig.edit(), Qt::Key_Return);
            rig.selectRow(row);
            rig.choose("Combo8_12", row % 2 ? QStringLiteral("AM") : QStringLiteral("USB"));
            rig.choose("Combo8_17", QStringLiteral("CTCSS"));
            rig.choose("Combo8_0", QStringLiteral("C_008(88.5Hz)"));
        }
        ASSERT_TRUE(saveDataFileCopy(*rig.app->workspace, dir.file("window.dat")));
    }
    EXPECT_EQ(readBytes(dir.file("table.fre")), readBytes(dir.file("window.fre")));
}

TEST(ChannelTableWindow, AValueCommittedInASelectionGoesToEveryRowAsOneUndoStep) {
    TableRig rig;
    for (int row = 1; row <= 5; ++row) updateChannelFrequency(*rig.app->workspace, row, "27.005");
    rig.table().showDocument();
    rig.window().editHistory().reset();
    rig.selectDown(1, C::Mode, 6);  // row 6 is empty: passed over
    rig.press(0, QStringLiteral("A"));
    rig.press(Qt::Key_Return);
    for (int row = 1; row <= 5; ++row) EXPECT_EQ(rig.cell(row, C::Mode), QStringLiteral("AM")) << row;
    EXPECT_EQ(rig.undoName(), "Mode of CH 1\u20136");
    EXPECT_NE(rig.table().lastStatus().find("5 channel"), std::string::npos) << rig.table().lastStatus();
    rig.undo();
    for (int row = 1; row <= 5; ++row) EXPECT_EQ(rig.cell(row, C::Mode), QStringLiteral("FM")) << row;
    EXPECT_FALSE(rig.window().editHistory().history().canUndo());
}

TEST(ChannelTableWindow, PaInAMemoryGroupIsSkippedAndCounted) {
    TableRig rig;
    {
        const ShownGroupScope mem(*rig.app->workspace, 0, memGroup(0));
        for (int row = 1; row <= 3; ++row) updateChannelFrequency(*rig.app->workspace, row, "27.105");
    }
    rig.table().showGroup(0, memGroup(0));
    EXPECT_EQ(rig.cell(1, C::Name), QStringLiteral("M1"));
    rig.selectDown(1, C::Mode, 3);
    rig.table().commitCell(0, C::Mode, "PA");
    EXPECT_EQ(rig.table().lastStatus(), "3 channel(s) could not take this value and kept their own.");
    EXPECT_EQ(rig.cell(2, C::Mode), QStringLiteral("FM"));
    // The memory group's list does not offer PA to type either.
    rig.goTo(1, C::Mode);
    rig.press(0, QStringLiteral("P"));
    auto* list = qobject_cast<QComboBox*>(rig.focus());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->findText(QStringLiteral("PA")), -1);
    rig.press(Qt::Key_Escape);
}

TEST(ChannelTableWindow, PastesTabSeparatedRowsAndTheOtherProgrammersCsv) {
    TableRig rig;
    rig.goTo(3, C::Frequency);
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "Frequency\tMode\tTx tone\n27.105\tAM\t88.5\n27.115\tLSB\tOff\n27.125\tFM\tD023N\n"));
    rig.press(Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
    EXPECT_EQ(rig.cell(3, C::Frequency), QStringLiteral("27.10500"));
    EXPECT_EQ(rig.cell(4, C::Mode), QStringLiteral("LSB"));
    EXPECT_EQ(rig.cell(5, C::TxTone), QStringLiteral("D023N"));
    EXPECT_EQ(rig.undoName(), "Paste into CH 3");
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,Power,Comment\r\n"
        "10,,27.205000,+,0.000000,Tone,67.0,88.5,023,NN,USB,10.00,S,4.0W,\r\n"));
    rig.table().pasteRows();
    EXPECT_EQ(rig.cell(10, C::Frequency), QStringLiteral("27.20500"));
    EXPECT_EQ(rig.cell(10, C::TxTone), QStringLiteral("67.0"));
    EXPECT_EQ(rig.cell(10, C::Rep), QStringLiteral("+"));
    EXPECT_EQ(rig.cell(10, C::Scan), QStringLiteral("Del"));
    // A refused paste changes nothing and says why.
    const Document before = rig.doc();
    QGuiApplication::clipboard()->setText(QStringLiteral("Frequency\n31.5\n"));
    rig.table().pasteRows();
    waitUntil([&] { return !rig.prompter.asked.empty(); }, 2000);
    ASSERT_FALSE(rig.prompter.asked.empty());
    EXPECT_NE(rig.prompter.asked.back().text.find("outside the band"), std::string::npos);
    EXPECT_EQ(rig.doc().count(0, 1), before.count(0, 1));
}

TEST(ChannelTableWindow, FillGivesEachSelectedRowTheNextStep) {
    TableRig rig;
    rig.selectDown(1, C::Frequency, 10);
    whenModal([](QWidget* modal) {
        modal->findChild<QLineEdit*>(QStringLiteral("fillStart"))->setText(QStringLiteral("26.965"));
        modal->findChild<QLineEdit*>(QStringLiteral("fillStep"))->setText(QStringLiteral("10"));
        qobject_cast<QDialog*>(modal)->accept();
    });
    rig.table().openFillDialog();
    EXPECT_EQ(rig.cell(1, C::Frequency), QStringLiteral("26.96500"));
    EXPECT_EQ(rig.cell(5, C::Frequency), QStringLiteral("27.00500"));
    EXPECT_EQ(rig.cell(10, C::Frequency), QStringLiteral("27.05500"));
    EXPECT_EQ(rig.cell(11, C::Frequency), QString());
    EXPECT_EQ(rig.undoName(), "Fill frequencies from CH 1");
    rig.undo();
    EXPECT_EQ(rig.doc().count(0, 1), 1);
}

TEST(ChannelTableWindow, FindGoesToTheFirstMatchInAnyGroupAndF3ToTheNext) {
    TableRig rig;
    Workspace& ws = *rig.app->workspace;
    {
        const ShownGroupScope ham(ws, 1, 3);
        updateChannelFrequency(ws, 7, "28.965");
    }
    updateChannelFrequency(ws, 4, "26.965");
    rig.key(rig.view(), Qt::Key_F, QStringLiteral("\x06"), Qt::ControlModifier);
    rig.press(Qt::Key_F, QStringLiteral("\x06"), Qt::ControlModifier);
    EXPECT_EQ(rig.focus(), rig.table().findBox());
    rig.typeText(QStringLiteral("965"));
    rig.press(Qt::Key_Return);
    EXPECT_EQ(rig.table().model()->workMode(), 0);
    EXPECT_EQ(rig.table().model()->channelRow(rig.view()->currentIndex().row()), 4);
    EXPECT_EQ(rig.table().lastStatus(), "2 found in all groups; F3 goes to the next.");
    rig.press(Qt::Key_F3);
    EXPECT_EQ(rig.table().model()->workMode(), 1);
    EXPECT_EQ(rig.table().model()->group(), 3);
    EXPECT_EQ(rig.table().model()->channelRow(rig.view()->currentIndex().row()), 7);
    // The table's view of another group does not move the channel window's or the radio's.
    EXPECT_EQ(shownWorkMode(rig.doc()), 0);
}

TEST(ChannelTableWindow, AHeaderSortOrdersTheViewOnlyAndSortByFrequencyRenumbers) {
    TableRig rig;
    Workspace& ws = *rig.app->workspace;
    const char* frequencies[] = {"27.205", "26.965", "27.105", "26.985"};
    for (int row = 1; row <= 4; ++row) updateChannelFrequency(ws, row, frequencies[row - 1]);
    rig.table().showDocument();
    rig.window().editHistory().reset();
    const Document before = rig.doc();
    emit rig.view()->horizontalHeader()->sectionClicked(static_cast<int>(C::Frequency));
    EXPECT_EQ(rig.view()->model()->index(0, 0).data().toString(), QStringLiteral("2"));
    EXPECT_EQ(rig.view()->model()->index(3, 0).data().toString(), QStringLiteral("1"));
    emit rig.view()->horizontalHeader()->sectionClicked(static_cast<int>(C::Frequency));
    EXPECT_EQ(rig.view()->model()->index(0, 0).data().toString(), QStringLiteral("1"));
    emit rig.view()->horizontalHeader()->sectionClicked(static_cast<int>(C::Frequency));
    EXPECT_EQ(rig.view()->model()->index(0, 0).data().toString(), QStringLiteral("1"));
    EXPECT_EQ(rig.view()->model()->index(1, 0).data().toString(), QStringLiteral("2"));
    EXPECT_TRUE(std::memcmp(&rig.doc(), &before, sizeof(Document)) == 0);
    EXPECT_FALSE(rig.window().editHistory().history().canUndo());

    rig.selectDown(1, C::Frequency, 4);
    rig.table().sortSelectionByFrequency();
    EXPECT_EQ(rig.cell(1, C::Frequency), QStringLiteral("26.96500"));
    EXPECT_EQ(rig.cell(2, C::Frequency), QStringLiteral("26.98500"));
    EXPECT_EQ(rig.cell(4, C::Frequency), QStringLiteral("27.20500"));
    EXPECT_EQ(rig.undoName(), "Sort CH 1\u20134 by frequency");
}

TEST(ChannelTableWindow, TheChannelWindowAndTheTableShowEachOthersChangesAndUndo) {
    TableRig rig;
    rig.window().openChildWindow(kChannelEditorWindow);
    rig.grid()->setCurrentCell(0, 1);
    rig.table().commitCell(0, C::Mode, "LSB");
    rig.settle();
    EXPECT_EQ(rig.control("Combo8_12")->currentText(), QStringLiteral("LSB"));
    rig.choose("Combo8_12", QStringLiteral("USB"));
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.cell(1, C::Mode), QStringLiteral("USB"));
    rig.undo();
    EXPECT_EQ(rig.cell(1, C::Mode), QStringLiteral("LSB"));
    EXPECT_EQ(rig.control("Combo8_12")->currentText(), QStringLiteral("LSB"));
}

TEST(ChannelTableWindow, TheEditMenuActsOnTheTableWhenItIsInFront) {
    TableRig rig;
    updateChannelFrequency(*rig.app->workspace, 2, "27.105");
    rig.table().showDocument();
    auto* sub = rig.window().findChild<QMdiSubWindow*>(QString::fromLatin1(kChannelTableWindow));
    rig.window().mdiArea()->setActiveSubWindow(sub);
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.find("mnuCopy")->isEnabled());
    rig.selectDown(1, C::Frequency, 2);
    rig.find("mnuCopy")->trigger();
    rig.goTo(8, C::Frequency);
    rig.find("mnuPaste")->trigger();
    EXPECT_EQ(rig.cell(8, C::Frequency), rig.cell(1, C::Frequency));
    EXPECT_EQ(rig.cell(9, C::Frequency), QStringLiteral("27.10500"));
    rig.goTo(9, C::Frequency);
    rig.find("mnuDelete")->trigger();
    EXPECT_EQ(rig.cell(9, C::Frequency), QString());
    EXPECT_EQ(rig.undoName(), "Delete from CH 9");
}

TEST(ChannelTableWindow, FollowsALanguageSwitch) {
    TableRig rig;
    rig.table().setLanguage(LanguageIndex::Chinese);
    EXPECT_EQ(rig.view()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("频率"));
    EXPECT_EQ(rig.view()->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("发射亚音"));
    EXPECT_EQ(rig.cell(1, C::Busy), QStringLiteral("关"));
    EXPECT_EQ(rig.table().windowTitle(), QStringLiteral("信道表格"));
    // Every header fits its column.
    const QFontMetrics metrics = rig.view()->horizontalHeader()->fontMetrics();
    for (int c = 0; c < kTableColumnCount; ++c)
        EXPECT_GE(rig.view()->columnWidth(c),
                  metrics.horizontalAdvance(rig.view()->model()->headerData(c, Qt::Horizontal).toString()))
            << c;
}

}  // namespace
}  // namespace mv52::test
