// Undo and redo from the Edit menu, and the channel grid's clipboard, as a user drives them.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStatusBar>

#include "app/child_windows.h"
#include "channels/channel_editing.h"
#include "lang/edit_texts.h"
#include "storage/data_file.h"
#include "ui/channel_rig.h"

namespace mv52::test {
namespace {

constexpr auto E = LanguageIndex::English;

struct EditRig : ChannelRig {
    EditRig() {
        // Channels 1-5 in CB group A, saved: the plan the user starts editing from.
        const char* frequencies[] = {"26.965", "26.975", "26.985", "27.005", "27.015"};
        for (int row = 1; row <= 5; ++row) updateChannelFrequency(*app->workspace, row, frequencies[row - 1]);
        doc().channels.slot(0, 1, doc().findChannel(0, 1, 3)).Mode = 1;
        doc().count(0, 2) = 0;  // group B empty
        channels().SetGridData();
        takeSavedCopy(*app->workspace);
        window().editHistory().reset();
    }
    QAction* undo() { return find("mnuUndo"); }
    QAction* redo() { return find("mnuRedo"); }
    void trigger(QAction* a) {
        a->trigger();
        QCoreApplication::processEvents();
    }
    void typeInto(int row, const QString& frequency) {
        selectRow(row);
        key(grid(), Qt::Key_Return);
        type(frequency);
        key(edit(), Qt::Key_Return);
    }
    void selectRows(int first, int last) {
        selectRow(first);
        for (int r = first; r < last; ++r) key(grid(), Qt::Key_Down, {}, Qt::ShiftModifier);
    }
    void control(int keyCode, const char* text) { key(grid(), keyCode, QString::fromLatin1(text), Qt::ControlModifier); }
    QString cell(int row) { return grid()->item(row - 1, 1)->text(); }
};

TEST(ChannelClipboard, TheEditMenuCopiesAndPastesRowsOfTheActiveChannelGrid) {
    EditRig rig;
    rig.channels().setFocus();
    QCoreApplication::processEvents();
    for (const char* name : {"mnuCut", "mnuCopy", "mnuPaste", "mnuDelete", "mnuSelectAll"})
        EXPECT_TRUE(rig.find(name)->isEnabled()) << name;
    rig.selectRows(1, 2);
    rig.trigger(rig.find("mnuCopy"));
    rig.selectRow(8);
    rig.trigger(rig.find("mnuPaste"));
    EXPECT_EQ(rig.cell(8), rig.cell(1));
    EXPECT_EQ(rig.cell(9), rig.cell(2));
    EXPECT_EQ(rig.window().statusBar()->currentMessage(), QStringLiteral("Pasted 2 channel(s) at CH 8"));
    rig.trigger(rig.find("mnuSelectAll"));
    EXPECT_EQ(rig.grid()->selectedRanges().size(), 1);
    EXPECT_EQ(rig.grid()->selectedRanges().front().rowCount(), 40);
    // Another window active: nothing to act on, the items are greyed.
    rig.trigger(rig.find("mnuOptionFeatures"));
    EXPECT_FALSE(rig.find("mnuCopy")->isEnabled());
    EXPECT_FALSE(rig.find("mnuPaste")->isEnabled());
}

TEST(UndoAndRedo, TheTitleMarksUnsavedChangesUntilSaveOrAnUndoBackToTheSavedState) {
    EditRig rig;
    const QString clean = rig.window().windowTitle();
    EXPECT_FALSE(clean.contains(QLatin1Char('*')));
    rig.typeInto(7, QStringLiteral("27.185"));
    EXPECT_TRUE(rig.window().windowTitle().endsWith(QStringLiteral("new.dat*]"))) << rig.window().windowTitle().toStdString();
    rig.trigger(rig.undo());
    EXPECT_EQ(rig.window().windowTitle(), clean);
    rig.trigger(rig.redo());
    EXPECT_TRUE(rig.window().windowTitle().contains(QLatin1Char('*')));
    rig.files.answers = {rig.install.file("marked.dat")};
    rig.trigger(rig.find("mnuSave"));
    EXPECT_TRUE(rig.window().windowTitle().endsWith(QStringLiteral("[File Name:marked.dat]")));
}

TEST(UndoAndRedo, AFrequencyEditIsUndoneAndRedoneInTheGridAndTheDocument) {
    EditRig rig;
    EXPECT_FALSE(rig.undo()->isEnabled());
    EXPECT_FALSE(rig.redo()->isEnabled());
    rig.typeInto(7, QStringLiteral("27.185"));
    ASSERT_NE(rig.doc().findChannel(0, 1, 7), 0);
    EXPECT_TRUE(rig.undo()->isEnabled());
    EXPECT_EQ(rig.undo()->statusTip(), QStringLiteral("Undo: Frequency of CH 7"));

    rig.selectRow(20);
    rig.trigger(rig.undo());
    EXPECT_EQ(rig.doc().findChannel(0, 1, 7), 0);
    EXPECT_EQ(rig.cell(7), QString());
    EXPECT_EQ(rig.grid()->currentRow(), 6);  // the row that changed
    EXPECT_FALSE(rig.undo()->isEnabled());
    EXPECT_EQ(rig.redo()->statusTip(), QStringLiteral("Redo: Frequency of CH 7"));
    EXPECT_FALSE(documentChanged(*rig.app->workspace));
    // Back at the saved state, closing asks nothing.
    EXPECT_TRUE(rig.window().documentCommands().queryClose());
    EXPECT_TRUE(rig.prompter.asked.empty());

    rig.trigger(rig.redo());
    EXPECT_EQ(rig.cell(7), QStringLiteral("27.18500"));
    EXPECT_NE(rig.doc().findChannel(0, 1, 7), 0);
    EXPECT_TRUE(documentChanged(*rig.app->workspace));
}

TEST(UndoAndRedo, AFrequencyStillBeingTypedIsTheFirstStepToGo) {
    EditRig rig;
    rig.selectRow(2);
    rig.key(rig.grid(), Qt::Key_Return);
    rig.type(QStringLiteral("27.255"));
    // As the menu item does (the box itself keeps Ctrl+Z for its own text).
    rig.window().runCommand(Command::Undo);
    QCoreApplication::processEvents();
    EXPECT_FALSE(rig.edit()->isVisible());
    EXPECT_EQ(rig.cell(2), QStringLiteral("26.97500"));
    EXPECT_EQ(rig.redo()->statusTip(), QStringLiteral("Redo: Frequency of CH 2"));
}

TEST(UndoAndRedo, ARuleOverManyChannelsIsOneStepAndEveryOpenEditorFollows) {
    EditRig rig;
    rig.window().openChildWindow(kOptionFeaturesWindow);
    auto* fm = rig.window().findChild<QCheckBox*>(QStringLiteral("Check1_5"));
    ASSERT_NE(fm, nullptr);
    OptionRecord& o = rig.doc().options();
    ASSERT_TRUE(fm->isChecked());
    ASSERT_TRUE(o.amEnable);
    fm->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(o.fmEnable, 0);
    EXPECT_EQ(rig.doc().channels.slot(0, 1, rig.doc().findChannel(0, 1, 1)).Mode, 1);  // FM became AM
    EXPECT_EQ(rig.undo()->statusTip(), QStringLiteral("Undo: FM Enable"));

    rig.trigger(rig.undo());
    EXPECT_EQ(o.fmEnable, 1);
    EXPECT_TRUE(fm->isChecked());
    for (int row : {1, 2, 4, 5}) EXPECT_EQ(rig.doc().channels.slot(0, 1, rig.doc().findChannel(0, 1, row)).Mode, 0);
    EXPECT_EQ(rig.doc().channels.slot(0, 1, rig.doc().findChannel(0, 1, 3)).Mode, 1);
    rig.trigger(rig.redo());
    EXPECT_FALSE(fm->isChecked());
}

TEST(ChannelClipboard, RowsOneToFiveOfGroupAPastedIntoGroupBAsOneStep) {
    EditRig rig;
    rig.selectRows(1, 5);
    rig.control(Qt::Key_C, "\x03");
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    // The text is the CSV channel list of the copied rows, as Export Channels writes it.
    const QStringList lines = copied->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Location,Name,Frequency,Duplex,")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("1,,26.965000,")));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("5,,27.015000,")));

    rig.choose("Combo6", QStringLiteral("B"));
    rig.selectRow(11);
    rig.control(Qt::Key_V, "\x16");
    const Document& d = rig.doc();
    ASSERT_EQ(d.count(0, 2), 5);
    for (int i = 0; i < 5; ++i) {
        const int p = d.findChannel(0, 2, 11 + i);
        ASSERT_NE(p, 0) << 11 + i;
        ChannelRecord expected = d.channels.slot(0, 1, d.findChannel(0, 1, 1 + i));
        expected.ChannelNumber = static_cast<std::int16_t>(11 + i);
        EXPECT_EQ(d.channels.slot(0, 2, p), expected);
        EXPECT_EQ(rig.cell(11 + i), rig.grid()->item(10 + i, 1)->text());
    }
    EXPECT_EQ(rig.cell(13), QStringLiteral("26.98500"));
    EXPECT_EQ(rig.undo()->statusTip(), QStringLiteral("Undo: Paste into CH 11"));
    rig.trigger(rig.undo());
    EXPECT_EQ(d.count(0, 2), 0);
    EXPECT_EQ(rig.cell(11), QString());
}

TEST(ChannelClipboard, APasteOutsideTheTargetBandIsSkippedAndSaid) {
    EditRig rig;
    rig.selectRows(1, 2);
    rig.control(Qt::Key_C, "\x03");
    rig.choose("Combo2", rig.items("Combo2").at(1));  // HAM: 28.000-29.700 MHz
    rig.selectRow(1);
    const std::int16_t countBefore = rig.doc().count(1, 1);
    rig.control(Qt::Key_V, "\x16");
    EXPECT_TRUE(rig.prompter.wasAsked(editText(EditText::OutOfBandSkipped, E, "1, 2")));
    EXPECT_EQ(rig.doc().count(1, 1), countBefore);
}

TEST(ChannelClipboard, CuttingTheOnlyChannelOfTheOnlyValidGroupLeavesIt) {
    ChannelRig rig;
    rig.window().editHistory().reset();
    rig.selectRow(1);
    rig.control<QComboBox>("Combo2");  // the rig's plan: group A, channel 1 alone
    QKeyEvent cut(QEvent::KeyPress, Qt::Key_X, Qt::ControlModifier, QStringLiteral("\x18"));
    QCoreApplication::sendEvent(rig.grid(), &cut);
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.prompter.wasAsked(editText(EditText::ChannelsStayed, E, "1")));
    EXPECT_NE(rig.doc().findChannel(0, 1, 1), 0);
    EXPECT_FALSE(rig.find("mnuUndo")->isEnabled());
}

TEST(ChannelClipboard, DeleteClearsTheSelectedRowsAndUndoBringsThemBack) {
    EditRig rig;
    rig.selectRows(2, 4);
    rig.key(rig.grid(), Qt::Key_Delete);
    for (int row : {2, 3, 4}) EXPECT_EQ(rig.doc().findChannel(0, 1, row), 0);
    EXPECT_EQ(rig.cell(3), QString());
    EXPECT_EQ(rig.undo()->statusTip(), QStringLiteral("Undo: Delete from CH 2"));
    rig.trigger(rig.undo());
    EXPECT_EQ(rig.cell(3), QStringLiteral("26.98500"));
    EXPECT_EQ(rig.doc().count(0, 1), 5);
}

TEST(ChannelClipboard, APasteWithoutCopiedChannelsSaysSo) {
    EditRig rig;
    QGuiApplication::clipboard()->setText(QStringLiteral("hello"));
    rig.selectRow(1);
    rig.control(Qt::Key_V, "\x16");
    EXPECT_TRUE(rig.prompter.wasAsked(text(EditText::NothingToPaste, E)));
    EXPECT_FALSE(rig.undo()->isEnabled());
}

}  // namespace
}  // namespace mv52::test
