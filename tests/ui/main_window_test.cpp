// The main window on an offscreen display, driven through its menus, toolbar, tree and
// splitter as a user would, with a scripted prompter and file chooser.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <stdexcept>

#include "storage/data_file.h"
#include "lang/language_tables.h"
#include "lang/main_window_texts.h"
#include "lang/messages.h"
#include "ui/ui_support.h"

namespace mv52::test {
namespace {

constexpr auto E = LanguageIndex::English;
constexpr auto C = LanguageIndex::Chinese;

QString qs(const std::string& s) { return QString::fromStdString(s); }

// A change the comparison with the saved copy notices.
void changeAChannel(Workspace& ws) {
    ChannelRecord& r = ws.current.channels.slot(0, 1, 1);
    r.Mode = static_cast<std::int16_t>((r.Mode + 1) % 6);
}

// The visible entries of a menu: object names, "|" for a separator.
std::vector<std::string> visibleEntries(QMenu* menu) {
    std::vector<std::string> out;
    for (QAction* a : menu->actions())
        if (a->isVisible()) out.push_back(a->isSeparator() ? "|" : a->objectName().toStdString());
    return out;
}

QTreeWidgetItem* node(QTreeWidget* tree, const QString& key) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key) return *it;
    return nullptr;
}

void click(QWidget* target, QPoint at) {
    const QPointF global = target->mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

void clickNode(QTreeWidget* tree, const char* key) {
    QTreeWidgetItem* item = node(tree, QString::fromLatin1(key));
    ASSERT_NE(item, nullptr) << key;
    click(tree->viewport(), tree->visualItemRect(item).center());
    QCoreApplication::processEvents();
}

// A drag on CommandMove: a press, moves to the given offsets from it (positions relative to
// the bar as it stands at each move), and a release.
void drag(QWidget* bar, std::initializer_list<int> offsets) {
    const QPoint grab(2, bar->height() / 2);
    const auto send = [bar](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(at), bar->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &e);
    };
    send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    const int barStart = bar->x();
    int travelled = 0;
    for (const int offset : offsets) {
        travelled = offset;
        // Where the pointer is, seen from the bar's current place.
        send(QEvent::MouseMove, grab + QPoint(offset - (bar->x() - barStart), 0), Qt::NoButton, Qt::LeftButton);
    }
    send(QEvent::MouseButtonRelease, grab + QPoint(travelled - (bar->x() - barStart), 0), Qt::LeftButton,
         Qt::NoButton);
    QCoreApplication::processEvents();
}

TEST(MainWindowMenu, OffersOnlyTheItemsOfTheMenuTableInTheirOrder) {
    WindowRig rig;
    rig.window();
    const std::vector<std::pair<const char*, std::vector<std::string>>> menus = {
        {"mnuFile", {"mnuNew", "mnuOpen", "mnuSave", "mnuSaveAs", "|", "mnuImportChannels", "mnuExportChannels",
                     "mnuImportConfiguration", "mnuExportConfiguration", "|", "mnuPrint", "mnuPrintPreview",
                     "mnuExportPdf", "|", "mnuExit"}},
        {"mnuEdit", {"mnuUndo", "mnuRedo", "|", "mnuCut", "mnuCopy", "mnuPaste", "mnuDelete", "mnuSelectAll", "|",
                     "mnuChannelInformation", "|", "mnuOptionFeatures", "mnuRogerBeep"}},
        {"mnuProgram", {"mnuReadFromRadio", "mnuWriteToRadio", "|", "mnuVerifyAfterWrite"}},
        {"mnuSetup", {"mnuCommunicationPort", "mnuLanguageSetup", "mnuInitialSetting"}},
        {"mnuView", {"mnuTreeView", "|", "mnuToolbar", "mnuStatusBar", "|", "mnuChannelTable"}},
        {"mnuWindow", {"mnuCascade", "|", "mnuCloseAllWindows"}},
        {"mnuHelp", {"mnuSupportInformation", "|", "mnuAbout"}},
    };
    std::vector<std::string> bar;
    for (QAction* a : rig.window().menuBar()->actions())
        if (a->isVisible()) bar.push_back(a->objectName().toStdString());
    EXPECT_EQ(bar, (std::vector<std::string>{"mnuFile", "mnuEdit", "mnuProgram", "mnuSetup", "mnuView", "mnuWindow",
                                             "mnuHelp"}));
    for (const auto& [menu, entries] : menus) {
        QMenu* m = rig.find<QMenu>(menu);
        ASSERT_NE(m, nullptr) << menu;
        EXPECT_EQ(visibleEntries(m), entries) << menu;
    }
}

TEST(MainWindowMenu, EveryEntryOfTheTextTableHasAnActionAndTheHiddenOnesStayHidden) {
    WindowRig rig;
    MainWindow& w = rig.window();
    const std::vector<std::string> offered = {
        "&File", "&New", "&Open", "&Save", "Save &As", "&Import Channels…", "&Export Channels…",
        "Import &Configuration…", "Export Con&figuration…", "E&xit", "&Edit", "&Channel Information", "&Option Features",
        "&Program", "&Read from Radio", "&Write to Radio", "&Verify after Write", "&Setup", "&Communication Port", "&Language Setup",
        "&View", "Tree &View", "&Toolbar", "&Status Bar", "&Window", "&Cascade", "Close All &Windows", "&Help",
        "&About MV52", "&Initial Setting", "&Undo", "&Redo", "Save &Support Information…", "Cu&t", "Co&py", "P&aste", "&Delete",
        "Select A&ll", "&Print…", "Print Pre&view…", "Export P&DF…", "Channel T&able"};
    for (const KeyedText<MainText>& entry : mainWindowTable()) {
        // The title's word, and the toolbar Print button's tooltip.
        if (entry.key == MainText::FileName || entry.key == MainText::Print) continue;
        const std::string english(entry.text.english);
        std::vector<QAction*> found;
        for (QAction* a : w.findChildren<QAction*>())
            if (a->objectName().startsWith(QLatin1String("mnu")) && a->data().isValid() &&
                a->data().toInt() == static_cast<int>(entry.key))
                found.push_back(a);
        ASSERT_EQ(found.size(), 1u) << english;
        EXPECT_EQ(found[0]->text(), qs(english));
        const bool shouldShow = std::find(offered.begin(), offered.end(), english) != offered.end();
        EXPECT_EQ(found[0]->isVisible(), shouldShow) << english;
    }
    EXPECT_EQ(rig.find("mnuRogerBeep")->text(), QStringLiteral("Roger &Beep"));
    EXPECT_EQ(rig.find("mnuNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(rig.find("mnuOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    for (const char* toggle : {"mnuTreeView", "mnuToolbar", "mnuStatusBar"}) EXPECT_TRUE(rig.find(toggle)->isChecked());
    EXPECT_TRUE(rig.find("mnuVerifyAfterWrite")->isCheckable());
    EXPECT_FALSE(rig.find("mnuVerifyAfterWrite")->isChecked()) << "off by default";
}

TEST(MainWindowMenu, VerifyAfterWriteIsStoredInTheSettingsFile) {
    {
        WindowRig rig;
        rig.window();
        rig.find("mnuVerifyAfterWrite")->trigger();
        EXPECT_TRUE(rig.app->settings.verifyAfterWrite);
        EXPECT_EQ(rig.profiles.read(rig.install.settingsPath().string(), "language", "VerifyAfterWrite", ""), "1");
        rig.find("mnuVerifyAfterWrite")->trigger();
        EXPECT_FALSE(rig.app->settings.verifyAfterWrite);
        EXPECT_EQ(rig.profiles.read(rig.install.settingsPath().string(), "language", "VerifyAfterWrite", ""), "0");
    }
    WindowRig stored(0x0409, "[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=1\r\nVerifyAfterWrite=1\r\n");
    stored.window();
    EXPECT_TRUE(stored.find("mnuVerifyAfterWrite")->isChecked());
}

TEST(MainWindowToolbar, ButtonsByPositionWithKeysTooltipsAndSeparators) {
    WindowRig rig;
    struct Button {
        const char* name;
        const char* key;  // "" for a separator
        const char* tooltip;
        bool visible;
    };
    const Button expected[] = {
        {"tbNew", "新建", "New", true},          {"tbOpen", "打开", "Open", true},
        {"tbSave", "保存", "Save", true},         {"tbSeparator4", "", "", true},
        {"tbPrint", "打印", "Print", true},       {"tbSeparator6", "", "", true},
        {"tbReadRadio", "ReadRadio", "Read from Radio", true},
        {"tbCommSet", "CommSet", "Communication Port", true},
        {"tbWriteRadio", "WriteRadio", "Write to Radio", true},
        {"tbSeparator10", "", "", true},          {"tbMWriteRadio", "MWriteRadio", "", false},
        {"tbSeparator12", "", "", false},         {"tbAbout", "About", "About MV52", true},
    };
    const QList<QAction*> actions = rig.find<QToolBar>("tbToolBar")->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(std::size(expected)));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Button& b = expected[i];
        QAction* a = actions[static_cast<qsizetype>(i)];
        SCOPED_TRACE(b.name);
        EXPECT_EQ(a->objectName(), QString::fromLatin1(b.name));
        EXPECT_EQ(a->isSeparator(), *b.key == '\0');
        EXPECT_EQ(a->isVisible(), b.visible);
        if (*b.key == '\0') continue;
        EXPECT_EQ(a->data().toString(), QString::fromUtf8(b.key));
        if (b.visible) {
            EXPECT_EQ(a->toolTip(), QString::fromUtf8(b.tooltip));
        }
    }
}

TEST(MainWindowTree, NodesCarryTheirKeysAndCaptions) {
    WindowRig rig;
    auto* tree = rig.find<QTreeWidget>("TreeView1");
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->data(0, Qt::UserRole).toString(), QStringLiteral("N0"));
    EXPECT_EQ(root->text(0), QStringLiteral("MV52"));
    EXPECT_TRUE(root->isExpanded());
    const std::vector<std::pair<QString, QString>> children = {{"N1", "&Channel Information"},
                                                                {"N2", "&Option Features"},
                                                                {"N12", "Roger Beep"},
                                                                {"N5", "&DTMF"}};
    ASSERT_EQ(root->childCount(), static_cast<int>(children.size()));
    for (int i = 0; i < root->childCount(); ++i) {
        EXPECT_EQ(root->child(i)->data(0, Qt::UserRole).toString(), children[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(root->child(i)->text(0), children[static_cast<std::size_t>(i)].second);
        EXPECT_TRUE(root->child(i)->icon(0).isNull());
    }
    EXPECT_EQ(rig.find<QLabel>("Label1")->text(), QStringLiteral("MV52"));
}

TEST(MainWindowTexts, TitleStatusBarAndBackgroundInEnglish) {
    WindowRig rig;
    MainWindow& w = rig.window();
    const Workspace& ws = *rig.app->workspace;
    EXPECT_EQ(w.windowTitle(), qs("MV52[" + ws.bandText + "][File Name:new.dat]"));
    EXPECT_EQ(rig.find<QLabel>("Panel2")->text(), qs("MV52[" + ws.bandText + "]"));
    EXPECT_EQ(rig.find<QLabel>("Panel3")->text(), QStringLiteral("COM1"));
    EXPECT_TRUE(w.backgroundPicturePath().endsWith(QStringLiteral("/PIC/BK_1.jpg")));
    EXPECT_FALSE(w.mdiArea()->background().texture().isNull());
}

TEST(MainWindowChildren, OpeningAWindowTwiceFocusesTheOpenOne) {
    WindowRig rig;
    MainWindow& w = rig.window();
    rig.clearFrame();
    int channelMade = 0;
    int optionsMade = 0;
    rig.defineTestWindow(kChannelEditorWindow, &channelMade);
    rig.defineTestWindow(kOptionFeaturesWindow, &optionsMade);
    auto* tree = rig.find<QTreeWidget>("TreeView1");

    clickNode(tree, "N1");
    clickNode(tree, "N2");
    ASSERT_EQ(w.mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(w.mdiArea()->activeSubWindow()->objectName(), QString::fromLatin1(kOptionFeaturesWindow));

    clickNode(tree, "N1");
    EXPECT_EQ(channelMade, 1);
    EXPECT_EQ(w.mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(w.mdiArea()->activeSubWindow()->objectName(), QString::fromLatin1(kChannelEditorWindow));

    rig.find("mnuOptionFeatures")->trigger();
    EXPECT_EQ(optionsMade, 1);
    EXPECT_EQ(w.mdiArea()->activeSubWindow()->objectName(), QString::fromLatin1(kOptionFeaturesWindow));
}

TEST(MainWindowChildren, WindowMenuListsTheOpenWindowsAndCloseAllClosesThem) {
    WindowRig rig;
    MainWindow& w = rig.window();
    rig.clearFrame();
    rig.defineTestWindow(kChannelEditorWindow);
    rig.defineTestWindow(kRogerBeepWindow);
    rig.find("mnuChannelInformation")->trigger();
    rig.find("mnuRogerBeep")->trigger();

    QMenu* menu = rig.find<QMenu>("mnuWindow");
    emit menu->aboutToShow();
    std::vector<std::string> listed;
    for (QAction* a : menu->actions())
        if (a->isVisible() && a->objectName().startsWith(QLatin1String("mnuWindowList")))
            listed.push_back(a->text().toStdString() + (a->isChecked() ? "*" : ""));
    EXPECT_EQ(listed, (std::vector<std::string>{"&1 frmCommChInfo", "&2 FrmToneTips*"}));

    rig.find("mnuCloseAllWindows")->trigger();
    EXPECT_TRUE(w.childWindows().openNames().empty());
    ASSERT_TRUE(waitUntil([&] { return w.mdiArea()->subWindowList().isEmpty(); }));
    emit menu->aboutToShow();
    EXPECT_EQ(visibleEntries(menu), (std::vector<std::string>{"mnuCascade", "|", "mnuCloseAllWindows"}));
}

TEST(MainWindowChildren, AWindowWithoutAFactoryOpensNothing) {
    WindowRig rig;
    MainWindow& w = rig.window();
    rig.clearFrame();
    w.defineChildWindow(kDtmfWindow, [] { return nullptr; });
    clickNode(rig.find<QTreeWidget>("TreeView1"), "N5");
    EXPECT_TRUE(w.mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(rig.prompter.asked.empty());
}

TEST(MainWindowChildren, TheTreeAndTheMenuOpenTheRogerBeepAndDtmfWindows) {
    WindowRig rig;
    MainWindow& w = rig.window();
    rig.clearFrame();
    auto* tree = rig.find<QTreeWidget>("TreeView1");
    clickNode(tree, "N12");
    EXPECT_EQ(w.mdiArea()->activeSubWindow()->objectName(), QString::fromLatin1(kRogerBeepWindow));
    clickNode(tree, "N5");
    EXPECT_EQ(w.mdiArea()->activeSubWindow()->objectName(), QString::fromLatin1(kDtmfWindow));
    EXPECT_EQ(w.mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("DTMF"));
    rig.find("mnuRogerBeep")->trigger();
    EXPECT_EQ(w.mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("Roger Beep"));
    EXPECT_EQ(w.mdiArea()->subWindowList().size(), 2);
    EXPECT_TRUE(rig.prompter.asked.empty());
}

TEST(MainWindowChildren, AFailingHandlerShowsItsOwnName) {
    WindowRig rig;
    MainWindow& w = rig.window();
    rig.clearFrame();
    w.defineChildWindow(kChannelEditorWindow, []() -> QWidget* { throw std::runtime_error("broken"); });
    clickNode(rig.find<QTreeWidget>("TreeView1"), "N1");
    rig.find("mnuChannelInformation")->trigger();
    EXPECT_EQ(rig.prompter.texts(),
              (std::vector<std::string>{"frmMain_TreeView1_NodeClick", "frmMain_mnuChannelInformation_Click"}));
    EXPECT_TRUE(w.isVisible());
}

TEST(MainWindowLanguage, ChoosingChineseSwitchesEveryCaptionAndReopensTheChannelEditor) {
    WindowRig rig(0x0804);  // a Chinese system with English chosen
    MainWindow& w = rig.window();
    ASSERT_EQ(rig.app->language(), E);
    rig.clearFrame();
    int made = 0;
    rig.defineTestWindow(kChannelEditorWindow, &made);
    rig.defineTestWindow(kOptionFeaturesWindow);
    rig.find("mnuChannelInformation")->trigger();
    rig.find("mnuOptionFeatures")->trigger();
    ASSERT_EQ(made, 1);

    whenModal([&](QWidget* dialog) {
        ASSERT_EQ(dialog->objectName(), QStringLiteral("FrmSetLanguage"));
        auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("Combo1"));
        combo->setCurrentIndex(combo->findText(QStringLiteral("Chinese")));
        dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    });
    rig.find("mnuLanguageSetup")->trigger();

    EXPECT_EQ(rig.app->language(), C);
    EXPECT_EQ(rig.profiles.read(rig.install.settingsPath().string(), "language", "CurrentLanguage", ""), "2");
    EXPECT_EQ(rig.find("mnuFile")->text(), QStringLiteral("文件&F"));
    EXPECT_EQ(rig.find("mnuNew")->text(), QStringLiteral("新建(&N)"));
    EXPECT_EQ(rig.find("mnuAbout")->text(), QStringLiteral("关于 MV52(&A)"));
    EXPECT_EQ(rig.find("mnuRogerBeep")->text(), QStringLiteral("RB音(&B)"));
    for (const KeyedText<MainText>& entry : mainWindowTable())
        for (QAction* a : w.findChildren<QAction*>())
            if (a->objectName().startsWith(QLatin1String("mnu")) && a->data().isValid() &&
                a->data().toInt() == static_cast<int>(entry.key)) {
                EXPECT_EQ(a->text(), qs(std::string(entry.text.chinese)));
            }
    EXPECT_EQ(rig.find("tbNew")->toolTip(), QStringLiteral("新建"));
    EXPECT_EQ(rig.find("tbReadRadio")->toolTip(), QStringLiteral("从对讲机读取数据"));
    EXPECT_EQ(rig.find<QLabel>("Panel3")->text(), QStringLiteral("通信口1"));
    EXPECT_TRUE(w.backgroundPicturePath().endsWith(QStringLiteral("/PIC/BK_2.jpg")));
    EXPECT_EQ(w.windowTitle(), qs("MV52[" + rig.app->workspace->bandText + "][文件名:new.dat]"));
    auto* tree = rig.find<QTreeWidget>("TreeView1");
    EXPECT_EQ(node(tree, QStringLiteral("N1"))->text(0), QStringLiteral("信道信息(&C)"));
    EXPECT_EQ(node(tree, QStringLiteral("N12"))->text(0), QStringLiteral("RB音"));
    EXPECT_EQ(node(tree, QStringLiteral("N5"))->text(0), QStringLiteral("DTMF(双音多频)(&D)"));

    // Every child window closed, the channel editor made anew.
    EXPECT_EQ(made, 2);
    EXPECT_EQ(w.childWindows().openNames(), std::vector<std::string>{kChannelEditorWindow});
}

TEST(MainWindowLanguage, ConfirmingTheSameLanguageChangesNothingOnScreen) {
    WindowRig rig(0x0804);
    rig.window();
    rig.clearFrame();
    int made = 0;
    rig.defineTestWindow(kChannelEditorWindow, &made);
    rig.find("mnuChannelInformation")->trigger();
    whenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click(); });
    rig.find("mnuLanguageSetup")->trigger();
    EXPECT_EQ(rig.app->language(), E);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(rig.find("mnuFile")->text(), QStringLiteral("&File"));
}

TEST(MainWindowSplitter, RefusesAPaneNarrowerThan300TwipsOrWiderThanTheWindow) {
    WindowRig rig;
    MainWindow& w = rig.window();
    QWidget* bar = rig.find<QWidget>("CommandMove");
    QWidget* pane = rig.find<QWidget>("Picture1");
    const int start = w.paneWidth();
    ASSERT_GT(start, 40);
    struct Drag {
        std::initializer_list<int> pointer;  // offsets from the grab, one per move
        int expectedWidth;                   // in pixels; 20 px are 300 twips
    };
    const int inner = w.centralWidget()->width();
    const Drag drags[] = {
        {{-(start - 19)}, start},          // 19 px: refused
        {{-(start - 20)}, 20},             // exactly 300 twips: taken
        {{-1}, 20},                        // refused again
        {{30, 60}, 80},                    // two moves in one drag
        {{-70, -40}, 40},                  // the first is refused, the second taken
        {{inner}, 40},                     // wider than the window: refused
    };
    for (const Drag& d : drags) {
        drag(bar, d.pointer);
        EXPECT_EQ(w.paneWidth(), d.expectedWidth) << *d.pointer.begin();
        EXPECT_EQ(pane->width(), d.expectedWidth) << *d.pointer.begin();
        EXPECT_EQ(bar->x(), pane->geometry().right() + 1);
    }
    EXPECT_EQ(bar->cursor().shape(), Qt::SizeHorCursor);
}

TEST(MainWindowView, TogglesFollowTheirCheckMarks) {
    WindowRig rig;
    MainWindow& w = rig.window();
    const std::pair<const char*, QWidget*> toggles[] = {{"mnuTreeView", rig.find<QWidget>("Picture1")},
                                                        {"mnuToolbar", rig.find<QWidget>("tbToolBar")},
                                                        {"mnuStatusBar", w.statusBar()}};
    for (const auto& [name, widget] : toggles) {
        QAction* toggle = rig.find(name);
        toggle->trigger();
        EXPECT_FALSE(toggle->isChecked()) << name;
        EXPECT_TRUE(widget->isHidden()) << name;
        toggle->trigger();
        EXPECT_TRUE(toggle->isChecked()) << name;
        EXPECT_FALSE(widget->isHidden()) << name;
    }
    // The pane's own close button hides it and clears the check mark.
    QAction* closePane = rig.find<QToolBar>("Toolbar1")->actions().front();
    EXPECT_EQ(closePane->data().toString(), QStringLiteral("删除"));
    closePane->trigger();
    EXPECT_TRUE(rig.find<QWidget>("Picture1")->isHidden());
    EXPECT_FALSE(rig.find("mnuTreeView")->isChecked());
}

TEST(MainWindowDocument, ToolbarNewAsksNothingWhileFileNewAsksFirst) {
    WindowRig rig;
    rig.window();
    Workspace& ws = *rig.app->workspace;

    changeAChannel(ws);
    rig.find("tbNew")->trigger();
    EXPECT_TRUE(rig.prompter.asked.empty());
    EXPECT_FALSE(documentChanged(ws));

    changeAChannel(ws);
    rig.prompter.answers = {PromptAnswer::Cancel};
    rig.find("mnuNew")->trigger();
    ASSERT_EQ(rig.prompter.asked.size(), 1u);
    EXPECT_EQ(rig.prompter.asked[0].text, "All data will be cleared.");
    EXPECT_EQ(rig.prompter.asked[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(rig.prompter.asked[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(documentChanged(ws));

    rig.prompter.answers = {PromptAnswer::Ok};
    rig.find("mnuNew")->trigger();
    EXPECT_FALSE(documentChanged(ws));
}

TEST(MainWindowDocument, SaveRightAfterStartOpensSaveAs) {
    WindowRig rig;
    MainWindow& w = rig.window();
    const std::string path = rig.install.file("first.dat");
    rig.files.answers = {path};
    rig.find("tbSave")->trigger();
    ASSERT_EQ(rig.files.calls.size(), 1u);
    EXPECT_TRUE(rig.files.calls[0].save);
    EXPECT_EQ(rig.files.calls[0].preset, "new.dat");
    EXPECT_EQ(rig.files.calls[0].filter, "Data File (*.dat)|*.dat");
    EXPECT_TRUE(rig.prompter.asked.empty());
    EXPECT_EQ(std::filesystem::file_size(path), 1694u);
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("[File Name:first.dat]")));
    EXPECT_FALSE(rig.app->workspace->untitled);
}

// Saves the document as `name` and opens it again through the menu.
void openSavedFile(WindowRig& rig, const std::string& name) {
    const std::string path = rig.install.file(name);
    rig.files.answers = {path, path};
    rig.find("mnuSaveAs")->trigger();
    rig.find("mnuOpen")->trigger();
    ASSERT_EQ(rig.files.calls.size(), 2u);
    ASSERT_EQ(rig.app->workspace->fileName, path);
    rig.files.calls.clear();
    rig.prompter.asked.clear();
}

TEST(MainWindowDocument, OpenThenCancelAtTheSaveQuestionKeepsTheChange) {
    WindowRig rig;
    rig.window();
    openSavedFile(rig, "a.dat");
    Workspace& ws = *rig.app->workspace;
    changeAChannel(ws);
    const ChannelRecord changed = ws.current.channels.slot(0, 1, 1);

    rig.prompter.answers = {PromptAnswer::Cancel};
    rig.find("tbOpen")->trigger();
    ASSERT_EQ(rig.prompter.asked.size(), 1u);
    EXPECT_EQ(rig.prompter.asked[0].text, "File has been modify,save it now?");
    EXPECT_EQ(rig.prompter.asked[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(rig.prompter.asked[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(rig.files.calls.empty());
    EXPECT_TRUE(documentChanged(ws));
    EXPECT_EQ(ws.current.channels.slot(0, 1, 1), changed);
}

TEST(MainWindowDocument, OpenNewSaveNamesTheOpenedFileInTheOverwriteQuestion) {
    WindowRig rig;
    rig.window();
    openSavedFile(rig, "a.dat");
    rig.find("tbNew")->trigger();
    rig.prompter.answers = {PromptAnswer::Cancel};
    rig.find("mnuSave")->trigger();
    ASSERT_EQ(rig.prompter.asked.size(), 1u);
    EXPECT_EQ(rig.prompter.asked[0].text, "\"a.dat\"file will be Overwrite,Continue?");
    EXPECT_EQ(rig.prompter.asked[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(rig.prompter.asked[0].icon, MessageIcon::Question);
    EXPECT_TRUE(rig.files.calls.empty());
}

TEST(MainWindowDocument, AnIncompatibleDataFileHandsOverOnYesOnly) {
    for (const PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No}) {
        WindowRig rig;
        rig.window();
        const std::string path = rig.install.file("old.dat");
        rig.files.answers = {path};
        rig.find("mnuSaveAs")->trigger();
        std::vector<std::uint8_t> bytes = readBytes(path);
        bytes[3] = '1';  // V201
        writeBytes(path, bytes);
        changeAChannel(*rig.app->workspace);
        const ChannelRecord changed = rig.app->workspace->current.channels.slot(0, 1, 1);

        rig.files.answers = {path};
        rig.prompter.answers = {PromptAnswer::No, answer};  // keep the change, then the version question
        rig.find("mnuOpen")->trigger();
        ASSERT_EQ(rig.prompter.asked.size(), 2u);
        EXPECT_EQ(rig.prompter.asked[1].buttons, MessageButtons::YesNo);
        EXPECT_EQ(rig.prompter.asked[1].text.rfind(messageText(MessageKey::MsgIncompatibleVersion, E), 0), 0u);
        if (answer == PromptAnswer::Yes) {
            EXPECT_EQ(rig.launcher.started,
                      std::vector<std::string>{(rig.install.root() / "V201" / "ZU_418" / "mv52").string()});
            EXPECT_EQ(rig.programEnds, 1);
        } else {
            EXPECT_TRUE(rig.launcher.started.empty());
            EXPECT_EQ(rig.programEnds, 0);
        }
        EXPECT_EQ(rig.app->workspace->current.channels.slot(0, 1, 1), changed);
    }
}

TEST(MainWindowClose, WithoutChangesClosesAtOnceSavingPlacementAndRestoringTheDecimalSymbol) {
    WindowRig rig(0x0409, {}, ",");
    MainWindow& w = rig.window();
    ASSERT_EQ(rig.locale.symbol, ".");
    w.move(40, 30);
    w.resize(800, 600);
    rig.find("mnuExit")->trigger();
    EXPECT_TRUE(rig.prompter.asked.empty());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(rig.locale.symbol, ",");
    EXPECT_EQ(rig.store.read("Settings", "MainWidth", "?"), "12000");
    EXPECT_EQ(rig.store.read("Settings", "MainHeight", "?"), "9000");
    EXPECT_EQ(rig.store.read("Settings", "MainLeft", "?"), std::to_string(w.pos().x() * 15));
}

TEST(MainWindowClose, WithChangesAndCancelKeepsRunning) {
    // The menu's Exit and the window's close box ask the same question.
    for (const bool closeBox : {false, true}) {
        WindowRig rig(0x0409, {}, ",");
        MainWindow& w = rig.window();
        changeAChannel(*rig.app->workspace);
        rig.prompter.answers = {PromptAnswer::Cancel};
        if (closeBox)
            w.close();
        else
            rig.find("mnuExit")->trigger();
        ASSERT_EQ(rig.prompter.asked.size(), 1u) << closeBox;
        EXPECT_EQ(rig.prompter.asked[0].text, "File has been modify,save it now?");
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(rig.locale.symbol, ".");
        EXPECT_TRUE(rig.store.values.empty());
        EXPECT_TRUE(documentChanged(*rig.app->workspace));
    }
}

TEST(MainWindowClose, WithChangesYesSavesAndNoDiscards) {
    struct Case {
        PromptAnswer answer;
        bool titled;
        bool savedToFile;
        bool dialogAtExit;  // an untitled document is saved through Save As
    };
    for (const Case c : {Case{PromptAnswer::Yes, true, true, false}, Case{PromptAnswer::No, true, false, false},
                         Case{PromptAnswer::Yes, false, true, true}}) {
        WindowRig rig;
        MainWindow& w = rig.window();
        const std::string path = rig.install.file("b.dat");
        if (c.titled) {
            rig.files.answers = {path};
            rig.find("mnuSaveAs")->trigger();
        }
        const auto before = c.titled ? readBytes(path) : std::vector<std::uint8_t>{};
        rig.app->workspace->current.options().beep ^= 1;
        rig.files.calls.clear();
        rig.files.answers = {path};
        rig.prompter.asked.clear();
        rig.prompter.answers = {c.answer};
        rig.find("mnuExit")->trigger();
        SCOPED_TRACE(static_cast<int>(c.answer) * 10 + c.titled);
        EXPECT_EQ(rig.prompter.texts(), std::vector<std::string>{"File has been modify,save it now?"});
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(std::filesystem::exists(path) && readBytes(path) != before, c.savedToFile);
        EXPECT_EQ(rig.files.calls.size(), c.dialogAtExit ? 1u : 0u);
    }
}

TEST(MainWindowPlacement, IsLoadedFromTheStoreInTwips) {
    WindowRig rig;
    rig.store.values["Settings/MainLeft"] = "1500";
    rig.store.values["Settings/MainTop"] = "3000";
    rig.store.values["Settings/MainWidth"] = "9000";
    rig.store.values["Settings/MainHeight"] = "7500";
    MainWindow& w = rig.window();
    EXPECT_EQ(w.size(), QSize(600, 500));
    EXPECT_EQ(w.pos(), QPoint(100, 200));
}

TEST(MainWindowLink, APortThatCannotOpenShowsTheSystemsReasonAsDetail) {
    WindowRig rig;
    MainWindow& w = rig.window();
    rig.app->settings.comPort = 4242;
    rig.find("mnuReadFromRadio")->trigger();
    ASSERT_EQ(rig.prompter.asked.size(), 1u);
    EXPECT_EQ(rig.prompter.asked[0].text, "Cannot Open Communication Port.");
    EXPECT_EQ(rig.prompter.asked[0].icon, MessageIcon::Error);
    EXPECT_NE(rig.prompter.asked[0].detail.find("COM4242"), std::string::npos) << rig.prompter.asked[0].detail;
    EXPECT_FALSE(w.linkSession().running());
}

TEST(MainWindowLink, WriteCommitsPendingEditsAndStartsAfterTheWriteTimer) {
    WindowRig rig;
    MainWindow& w = rig.window();
    rig.clearFrame();
    int commits = 0;
    w.defineChildWindow(
        kChannelEditorWindow, [] { return new QWidget; }, [&](QWidget*) { ++commits; });
    rig.find("mnuChannelInformation")->trigger();
    rig.app->settings.comPort = 4242;
    rig.find("tbWriteRadio")->trigger();
    EXPECT_EQ(commits, 1);
    // Nothing is asked before the 20 ms timer runs the write.
    EXPECT_TRUE(rig.prompter.asked.empty());
    auto* timer = w.findChild<QTimer*>(QStringLiteral("TimerWrite"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 20);
    ASSERT_TRUE(waitUntil([&] { return !rig.prompter.asked.empty(); }));
    EXPECT_EQ(rig.prompter.asked[0].text, "Cannot Open Communication Port.");
}

}  // namespace
}  // namespace mv52::test
