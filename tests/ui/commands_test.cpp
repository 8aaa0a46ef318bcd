// The main window's command table on screen, the program's command line, the keyboard focus
// of a window that opens, and dialogs wide enough for their titles.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "app/command_table.h"
#include "storage/data_file.h"
#include "lang/messages.h"
#include "ui/about_dialog.h"
#include "ui/dialog_width.h"
#include "ui/language_dialog.h"
#include "ui/port_dialog.h"
#include "ui/ui_support.h"

namespace mv52::test {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QTreeWidgetItem* treeNode(QTreeWidget* tree, const QString& key) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key) return *it;
    return nullptr;
}

// A stand-in window for each editor, so that opening one shows which command ran.
void defineEditors(WindowRig& rig) {
    for (const char* name : {kChannelEditorWindow, kOptionFeaturesWindow, kRogerBeepWindow, kDtmfWindow})
        rig.defineTestWindow(name);
}

const std::map<Command, const char*> kWindowOf = {{Command::ChannelInformation, kChannelEditorWindow},
                                                  {Command::OptionFeatures, kOptionFeaturesWindow},
                                                  {Command::RogerBeep, kRogerBeepWindow},
                                                  {Command::Dtmf, kDtmfWindow}};

TEST(MainWindowCommands, EveryRowIsOnScreenWhereTheTableOffersIt) {
    WindowRig rig;
    MainWindow& w = rig.window();
    auto* tree = rig.find<QTreeWidget>("TreeView1");
    const QList<QAction*> buttons = rig.find<QToolBar>("tbToolBar")->actions();
    for (const CommandRow& row : commandRows()) {
        SCOPED_TRACE(std::string(row.objectName));
        switch (row.place) {
            case CommandPlace::Menu: {
                QAction* a = rig.find(std::string(row.key).c_str());
                ASSERT_NE(a, nullptr);
                EXPECT_EQ(a->isVisible(), row.offered);
                // Undo and redo wait for a step; a fresh document has none. The clipboard items
                // follow the active window (tested with the channel grid).
                const bool history = row.command == Command::Undo || row.command == Command::Redo;
                const bool clipboard = row.command >= Command::Cut && row.command <= Command::SelectAll;
                if (!clipboard) {
                    EXPECT_EQ(a->isEnabled(), row.offered && !history);
                }
                EXPECT_EQ(a->shortcuts(), row.shortcut.empty() ? QList<QKeySequence>()
                                                                : QKeySequence::listFromString(qs(row.shortcut)));
                auto* menu = w.findChild<QMenu*>(qs(row.menu));
                ASSERT_NE(menu, nullptr);
                EXPECT_TRUE(menu->actions().contains(a));
                break;
            }
            case CommandPlace::Toolbar: {
                QAction* a = rig.find(std::string(row.objectName).c_str());
                ASSERT_NE(a, nullptr);
                EXPECT_TRUE(buttons.contains(a));
                EXPECT_EQ(a->isVisible(), row.offered);
                if (!row.key.empty()) {
                    EXPECT_EQ(a->data().toString(), qs(row.key));
                }
                break;
            }
            case CommandPlace::Tree:
                EXPECT_NE(treeNode(tree, qs(row.key)), nullptr);
                break;
        }
    }
}

TEST(MainWindowCommands, EachPlaceOpensTheWindowItsRowNames) {
    WindowRig rig;
    MainWindow& w = rig.window();
    defineEditors(rig);
    auto* tree = rig.find<QTreeWidget>("TreeView1");
    int checked = 0;
    for (const CommandRow& row : commandRows()) {
        const auto window = kWindowOf.find(row.command);
        if (window == kWindowOf.end() || !row.offered) continue;
        SCOPED_TRACE(std::string(row.objectName));
        w.closeAllChildWindows();
        ASSERT_TRUE(waitUntil([&] { return w.mdiArea()->subWindowList().isEmpty(); }));
        if (row.place == CommandPlace::Tree) {
            QTreeWidgetItem* node = treeNode(tree, qs(row.key));
            ASSERT_NE(node, nullptr);
            emit tree->itemClicked(node, 0);
        } else {
            rig.find(std::string(row.objectName).c_str())->trigger();
        }
        ASSERT_NE(w.mdiArea()->activeSubWindow(), nullptr);
        EXPECT_EQ(w.mdiArea()->activeSubWindow()->objectName(), QString::fromLatin1(window->second));
        ++checked;
    }
    // The three editor items of the Edit menu and the four nodes of the tree.
    EXPECT_EQ(checked, 7);
}

TEST(MainWindowCommands, SaveHasCtrlSAndRunsSave) {
    WindowRig rig;
    MainWindow& w = rig.window();
    QAction* save = rig.find("mnuSave");
    EXPECT_EQ(save->shortcut(), QKeySequence(QKeySequence::Save));
    const std::string path = rig.install.file("keys.dat");
    rig.files.answers = {path};
    save->trigger();  // untitled: Save As
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("[File Name:keys.dat]")));
    // The status bar confirms it, for a while.
    EXPECT_EQ(w.statusBar()->currentMessage().toStdString(), "Saved " + path);
}

TEST(MainWindowFocus, AnOpeningWindowGivesTheKeyboardToItsMainControl) {
    WindowRig rig;
    MainWindow& w = rig.window();
    rig.clearFrame();
    w.activateWindow();
    QLineEdit* first = nullptr;
    w.defineChildWindow(kOptionFeaturesWindow, [&first] {
        auto* content = new QWidget;
        auto* layout = new QVBoxLayout(content);
        layout->addWidget(new QPushButton(QStringLiteral("no tab focus"), content));
        layout->itemAt(0)->widget()->setFocusPolicy(Qt::NoFocus);
        first = new QLineEdit(content);
        layout->addWidget(first);
        layout->addWidget(new QLineEdit(content));
        return content;
    });
    QLineEdit* proxy = nullptr;
    w.defineChildWindow(kChannelEditorWindow, [&proxy] {
        auto* content = new QWidget;
        auto* layout = new QVBoxLayout(content);
        layout->addWidget(new QLineEdit(content));
        proxy = new QLineEdit(content);
        layout->addWidget(proxy);
        content->setFocusProxy(proxy);
        return content;
    });

    rig.find("mnuOptionFeatures")->trigger();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(waitUntil([&] { return QApplication::focusWidget() == first; }));
    rig.find("mnuChannelInformation")->trigger();
    ASSERT_NE(proxy, nullptr);
    EXPECT_TRUE(waitUntil([&] { return QApplication::focusWidget() == proxy; }));
}

// A data file pair with the version text "V201" in place of "V200"; the program's own
// document is left as it is.
std::string v201File(WindowRig& rig) {
    const std::string path = rig.install.file("v201.dat");
    const auto other = Workspace::create();
    other->current = rig.app->workspace->current;
    EXPECT_TRUE(saveDataFile(*other, path));
    std::vector<std::uint8_t> bytes = readBytes(path);
    bytes[3] = '1';
    writeBytes(path, bytes);
    return path;
}

TEST(ProgramCommandLine, AFileGivenAtStartIsOpenedAndNamedInTheTitle) {
    WindowRig rig;
    const std::string path = rig.install.file("a.dat");
    const auto other = Workspace::create();
    other->current = rig.app->workspace->current;
    ASSERT_TRUE(saveDataFile(*other, path));
    MainWindow& w = rig.window();
    w.openStartupFile(path);
    EXPECT_TRUE(rig.prompter.asked.empty());
    EXPECT_EQ(w.windowTitle(), qs("MV52[" + rig.app->workspace->bandText + "][File Name:a.dat]"));
    EXPECT_FALSE(rig.app->workspace->untitled);
}

TEST(ProgramCommandLine, ARefusedFileShowsWhyAndKeepsTheNewDocument) {
    WindowRig rig;
    MainWindow& w = rig.window();
    const std::string path = v201File(rig);
    rig.prompter.asked.clear();
    rig.prompter.answers = {PromptAnswer::No};  // do not start the V2.01 program
    w.openStartupFile(path);
    ASSERT_EQ(rig.prompter.asked.size(), 1u);
    EXPECT_EQ(rig.prompter.asked[0].text.rfind(messageText(MessageKey::MsgIncompatibleVersion, LanguageIndex::English), 0),
              0u);
    EXPECT_EQ(w.windowTitle(), qs("MV52[" + rig.app->workspace->bandText + "][File Name:new.dat]"));
    EXPECT_TRUE(rig.app->workspace->untitled);
    EXPECT_TRUE(w.isVisible());
}

TEST(ProgramCommandLine, HelpAndUsageErrorsNeedNoWindow) {
    struct Case {
        QStringList arguments;
        int status;
        bool onStdout;
    };
    for (const Case& c : {Case{{QStringLiteral("--help")}, 0, true},
                          Case{{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--bogus")}, 2,
                               false},
                          Case{{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("a.dat"),
                                QStringLiteral("b.dat")},
                               2, false}}) {
        QProcess mv52;
        mv52.start(QStringLiteral(MV52_DESKTOP_PROGRAM), c.arguments);
        ASSERT_TRUE(mv52.waitForFinished(20000)) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(mv52.exitCode(), c.status);
        const QByteArray out = c.onStdout ? mv52.readAllStandardOutput() : mv52.readAllStandardError();
        EXPECT_TRUE(out.contains("Usage: mv52 [FILE.dat]")) << out.toStdString();
    }
}

TEST(DialogWidths, EveryFixedDialogShowsItsWholeTitle) {
    for (const LanguageIndex language : {LanguageIndex::English, LanguageIndex::Chinese}) {
        SCOPED_TRACE(static_cast<int>(language));
        WindowRig rig(0x0409, std::string("[language]\r\nIsFirstRun=0\r\nCurrentLanguage=") +
                                  (language == LanguageIndex::English ? "1" : "2") + "\r\n");
        PortDialog port(*rig.app, rig.profiles, rig.ports);
        LanguageDialog choice(language, LanguageIndex::English);
        AboutDialog about(language);
        for (QWidget* dialog : std::initializer_list<QWidget*>{&port, &choice, &about}) {
            dialog->show();
            EXPECT_GE(dialog->width(), widthForTitle(*dialog)) << dialog->objectName().toStdString();
            dialog->hide();
        }
    }
}

}  // namespace
}  // namespace mv52::test
