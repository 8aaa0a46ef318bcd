// The small windows: the language dialog, message boxes, the file-dialog filter and the
// about windows.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <filesystem>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "ui/about_dialog.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "app/settings.h"
#include "ui/language_dialog.h"
#include "ui/ui_support.h"
#include "platform/ini_profile_file.h"
#include "support/temp_dir.h"
#include "version/package_version.h"

namespace mv52::test {
namespace {

constexpr auto E = LanguageIndex::English;
constexpr auto C = LanguageIndex::Chinese;

QStringList items(QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
    return out;
}

TEST(LanguageDialog, OffersTheLanguagesOfTheSystemInTheCurrentLanguage) {
    struct Case {
        LanguageIndex current;
        LanguageIndex system;
        QStringList names;
        QString shown;
        const char* caption;
        const char* label;
        const char* ok;
        const char* cancel;
    };
    const Case cases[] = {
        {E, E, {"English"}, "English", "Language Setup", "Language Mode", "&OK", "&Cancel"},
        {E, C, {"English", "Chinese"}, "English", "Language Setup", "Language Mode", "&OK", "&Cancel"},
        {C, C, {"英语", "中文"}, "中文", "语言设置", "语言模式", "确定(&O)", "取消(&C)"},
        // Chinese chosen earlier on a system that is not Chinese: nothing is preselected.
        {C, E, {"英语"}, "", "语言设置", "语言模式", "确定(&O)", "取消(&C)"},
    };
    for (const Case& c : cases) {
        LanguageDialog dialog(c.current, c.system);
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("Combo1"));
        SCOPED_TRACE(c.caption + std::to_string(static_cast<int>(c.system)));
        EXPECT_EQ(items(combo), c.names);
        EXPECT_EQ(combo->currentText(), c.shown);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QString::fromUtf8(c.label));
        EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QString::fromUtf8(c.ok));
        EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("Command2"))->text(), QString::fromUtf8(c.cancel));
    }
}

TEST(LanguageDialog, EnterInTheListMovesTheFocusOnWithoutClosing) {
    LanguageDialog dialog(E, C);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return dialog.isActiveWindow(); }, 3000));
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("Combo1"));
    combo->setFocus();
    ASSERT_TRUE(waitUntil([&] { return combo->hasFocus(); }, 3000));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        combo->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(combo, &press);
        EXPECT_EQ(QApplication::focusWidget(), dialog.findChild<QPushButton*>(QStringLiteral("Command1")));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.result().has_value());
    }
}

TEST(LanguageDialog, OkStoresTheChoiceAndCancelChangesNothing) {
    struct Case {
        const char* pick;  // nullptr: keep the preselected entry
        bool ok;
        LanguageIndex language;
        bool changed;
        const char* stored;
    };
    const Case cases[] = {
        {"Chinese", true, C, true, "2"},
        {nullptr, true, E, false, "1"},  // unchanged, but still written
        {"Chinese", false, E, false, "untouched"},
    };
    for (const Case& c : cases) {
        WindowRig rig(0x0804);
        const std::string path = rig.app->settingsPath;
        rig.profiles.write(path, "language", "CurrentLanguage", "untouched");
        QWidget owner;
        whenModal([&](QWidget* dialog) {
            ASSERT_EQ(dialog->objectName(), QStringLiteral("FrmSetLanguage"));
            auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("Combo1"));
            if (c.pick) combo->setCurrentIndex(combo->findText(QString::fromUtf8(c.pick)));
            dialog->findChild<QPushButton*>(c.ok ? QStringLiteral("Command1") : QStringLiteral("Command2"))->click();
        });
        const bool changed = runLanguageDialog(&owner, *rig.app, rig.profiles);
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(rig.app->language(), c.language);
        EXPECT_EQ(rig.profiles.read(path, "language", "CurrentLanguage", ""), c.stored);
    }
}

TEST(MessageBoxes, CarryTheCaptionButtonsIconAndDetailAsked) {
    struct Case {
        MessageButtons buttons;
        MessageIcon icon;
        QMessageBox::StandardButtons shown;
        QMessageBox::Icon shownIcon;
        QMessageBox::StandardButton press;
        PromptAnswer answer;
    };
    using B = QMessageBox;
    const Case cases[] = {
        {MessageButtons::Ok, MessageIcon::None, B::Ok, B::NoIcon, B::Ok, PromptAnswer::Ok},
        {MessageButtons::OkCancel, MessageIcon::Warning, B::Ok | B::Cancel, B::Warning, B::Cancel,
         PromptAnswer::Cancel},
        {MessageButtons::OkCancel, MessageIcon::Question, B::Ok | B::Cancel, B::Question, B::Ok, PromptAnswer::Ok},
        {MessageButtons::YesNo, MessageIcon::None, B::Yes | B::No, B::NoIcon, B::No, PromptAnswer::No},
        {MessageButtons::YesNoCancel, MessageIcon::Warning, B::Yes | B::No | B::Cancel, B::Warning, B::Yes,
         PromptAnswer::Yes},
        {MessageButtons::RetryCancel, MessageIcon::Error, B::Retry | B::Cancel, B::Critical, B::Retry,
         PromptAnswer::Retry},
    };
    for (const Case& c : cases) {
        QtPrompter prompter;
        QString title, text, detail;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QAbstractButton* defaultButton = nullptr;
        QAbstractButton* firstButton = nullptr;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            detail = box->informativeText();
            buttons = box->standardButtons();
            icon = box->icon();
            defaultButton = box->defaultButton();
            firstButton = box->buttons().isEmpty() ? nullptr : box->button(
                c.buttons == MessageButtons::RetryCancel ? B::Retry
                : (c.buttons == MessageButtons::YesNo || c.buttons == MessageButtons::YesNoCancel) ? B::Yes
                                                                                                     : B::Ok);
            box->button(c.press)->click();
        });
        const PromptAnswer answer =
            prompter.askWithDetail("Read data from radio.\r\nDo you wish continue?", "the reason", c.buttons, c.icon);
        SCOPED_TRACE(static_cast<int>(c.buttons));
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(title, QStringLiteral("MV52"));
        EXPECT_EQ(text, QStringLiteral("Read data from radio.\nDo you wish continue?"));
        EXPECT_EQ(detail, QStringLiteral("the reason"));
        EXPECT_EQ(buttons, c.shown);
        EXPECT_EQ(icon, c.shownIcon);
        EXPECT_EQ(defaultButton, firstButton);
    }
}

TEST(MessageBoxes, ButtonsSpeakTheProgramsLanguage) {
    LanguageIndex language = LanguageIndex::Chinese;
    QtPrompter prompter({}, [&] { return language; });
    QStringList captions;
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        captions.clear();
        for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            captions << box->button(b)->text();
        box->button(QMessageBox::Cancel)->click();
    });
    prompter.ask("File has been modify,save it now?", MessageButtons::YesNoCancel, MessageIcon::Warning);
    EXPECT_EQ(captions, (QStringList{QString::fromUtf8("是(&Y)"), QString::fromUtf8("否(&N)"),
                                     QString::fromUtf8("取消(&C)")}));
    language = LanguageIndex::English;
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        captions = {box->button(QMessageBox::Retry)->text(), box->button(QMessageBox::Cancel)->text()};
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(prompter.ask("Check Connection. Retry or Cancel?", MessageButtons::RetryCancel, MessageIcon::None),
              PromptAnswer::Cancel);
    EXPECT_EQ(captions, (QStringList{"&Retry", "&Cancel"}));
}

TEST(MessageBoxes, AFailingHandlerShowsItsNameAndNothingEscapes) {
    ScriptedDetailPrompter prompter;
    bool after = false;
    trapFailures(prompter, "frmMain_mnuOpen_Click", [] { throw std::runtime_error("disk"); });
    trapFailures(prompter, "frmMain_mnuSave_Click", [&] { after = true; });
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"frmMain_mnuOpen_Click"});
    EXPECT_EQ(prompter.asked[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(after);
}

TEST(FileDialogs, TheDataFileFilterInQtsForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"Data File (*.dat)|*.dat", "Data File (*.dat)"},
        {"数据文件 (*.dat)|*.dat", "数据文件 (*.dat)"},
        {"Text|*.txt", "Text (*.txt)"},
        {"Data File (*.dat)|*.dat|All|*.*", "Data File (*.dat);;All (*.*)"},
        {"Pictures|*.jpg;*.png", "Pictures (*.jpg *.png)"},
    };
    for (const auto& [filter, expected] : cases) EXPECT_EQ(qtFileFilter(filter), QString::fromUtf8(expected)) << filter;
}

TEST(AboutWindows, EnglishAndChineseWindowsNameTheProgramAndVersion) {
    struct Case {
        LanguageIndex language;
        const char* name;
        const char* caption;
        const char* close;
    };
    for (const Case& c : {Case{E, "FrmAbout2", "About MV52", "&Close"}, Case{C, "frmAbout", "关于 MV52", "关闭(&C)"}}) {
        AboutDialog about(c.language);
        EXPECT_EQ(about.objectName(), QString::fromLatin1(c.name));
        EXPECT_EQ(about.windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("MV52"));
        EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("V2.00"));
        auto* close = about.findChild<QPushButton*>(QStringLiteral("CommandClose"));
        EXPECT_EQ(close->text(), QString::fromUtf8(c.close));
        whenModal([close](QWidget*) { close->click(); });
        EXPECT_EQ(about.exec(), QDialog::Accepted);
    }
}

// The window also names the release and the files this run writes, so a user asked for the
// daily log knows where it is.
TEST(AboutWindows, TheHelpMenuOpensTheOneOfTheCurrentLanguage) {
    for (const auto& [stored, name] : {std::pair{"1", "FrmAbout2"}, std::pair{"2", "frmAbout"}}) {
        WindowRig rig(0x0409, std::string("[language]\r\nIsFirstRun=0\r\nCurrentLanguage=") + stored + "\r\n");
        rig.window();
        QString shown;
        whenModal([&](QWidget* modal) {
            const QString files = modal->findChild<QLabel*>(QStringLiteral("LabelFiles"))->text();
            EXPECT_TRUE(files.contains(QString::fromStdString(rig.app->settingsPath))) << files.toStdString();
            EXPECT_TRUE(files.contains(QString::fromStdString(rig.app->logFolder))) << files.toStdString();
            EXPECT_TRUE(modal->findChild<QLabel*>(QStringLiteral("LabelRelease"))
                            ->text()
                            .endsWith(QString::fromUtf8(kPackageVersion.data(), static_cast<qsizetype>(kPackageVersion.size()))));
            shown = modal->objectName();
            modal->findChild<QPushButton*>(QStringLiteral("CommandClose"))->click();
        });
        rig.find("mnuAbout")->trigger();
        EXPECT_EQ(shown, QString::fromLatin1(name));
    }
}

}  // namespace
}  // namespace mv52::test

namespace mv52::test {
namespace {

// Runs one file dialog of `chooser`: notes the folder it opened in, then picks `pick`.
std::optional<std::string> pickIn(QtFileChooser& chooser, bool save, const std::string& filter, const QString& pick,
                                  QString& openedIn) {
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        openedIn = dialog->directory().absolutePath();
        dialog->selectFile(pick);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    return save ? chooser.chooseSave(filter, "") : chooser.chooseOpen(filter);
}

// Each kind of dialog opens where that kind was last used, also for a new chooser over the
// same settings file (a restart).
TEST(FileDialogs, EachKindRemembersItsLastFolderInTheSettingsFile) {
    TempDir temp;
    std::filesystem::create_directories(temp.path() / "plans");
    writeBytes(temp.file("plans/club.dat"), {1});
    const std::string settings = temp.file("mysetup.ini");
    const std::string data = "Data File (*.dat)|*.dat";
    const std::string csv = "CSV (*.csv)|*.csv";
    IniProfileFile profiles;
    QString openedIn;
    {
        QtFileChooser chooser({}, &profiles, settings);
        const auto chosen = pickIn(chooser, true, data, QString::fromStdString(temp.file("plans/club.dat")), openedIn);
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(*chosen, temp.file("plans/club.dat"));
    }
    QtFileChooser afterRestart({}, &profiles, settings);
    pickIn(afterRestart, false, data, QString::fromStdString(temp.file("plans/club.dat")), openedIn);
    EXPECT_EQ(openedIn.toStdString(), temp.file("plans"));
    // Exports have a folder of their own, not yet used.
    pickIn(afterRestart, true, csv, QString::fromStdString(temp.file("x.csv")), openedIn);
    EXPECT_NE(openedIn.toStdString(), temp.file("plans"));
    pickIn(afterRestart, true, csv, QString::fromStdString(temp.file("y.csv")), openedIn);
    EXPECT_EQ(openedIn.toStdString(), temp.path().string());
    EXPECT_EQ(profiles.read(settings, "folders", "DataFiles", ""), temp.file("plans"));
}

}  // namespace
}  // namespace mv52::test
