// `mv52_ui_tests --screenshot DIR`: the main window as a user first sees it and the editor
// windows, in English and in Chinese, for looking at the layout and the fonts.

#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QDir>
#include <QImage>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTabWidget>
#include <cstdio>
#include <string>

#include "app/child_windows.h"
#include "channels/channel_editing.h"
#include "tones/dtmf.h"
#include "ui/about_dialog.h"
#include "ui/autodial_grid.h"
#include "document/workspace.h"
#include "ui/language_dialog.h"
#include "ui/program_icon.h"
#include "ui/message_box.h"
#include "ui/port_dialog.h"
#include "ui/progress_window.h"
#include "app/startup.h"
#include "lang/messages.h"
#include "link/link_trouble.h"
#include "support/fake_ports.h"
#include "support/fakes.h"
#include "ui/ui_support.h"

namespace {

// MV52_SCREENSHOT_DARK=1: a dark palette, as a desktop's dark theme gives the program.
void useDarkPaletteWhenAsked() {
    if (qEnvironmentVariableIsEmpty("MV52_SCREENSHOT_DARK")) return;
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(50, 50, 54));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 64));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(38, 79, 120));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    QApplication::setPalette(dark);
}

}  // namespace

int writeScreenshots(const std::string& folder) {
    using namespace mv52::test;
    useDarkPaletteWhenAsked();
    const std::pair<const char*, const char*> languages[] = {{"en", "1"}, {"zh", "2"}};
    int failures = 0;
    for (const auto& [suffix, stored] : languages) {
        WindowRig rig(0x0804, std::string("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=") + stored +
                                  "\r\n");
        mv52::MainWindow& w = rig.window();
        w.resize(966, 700);
        // Let the layout and the background settle.
        waitUntil([] { return false; }, 300);
        const QString path = QDir(QString::fromStdString(folder)).filePath(QStringLiteral("mv52-main-%1.png").arg(suffix));
        if (!w.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
            ++failures;
        } else {
            std::printf("%s\n", path.toLocal8Bit().constData());
        }
    }
    // The small windows in Chinese, where long captions and CJK glyphs would show a problem.
    {
        ScriptedDetailPrompter prompter;
        mv52::ProgressWindow progress(prompter, [] { return mv52::LanguageIndex::Chinese; });
        QPixmap shot;
        progress.open(mv52::CommOperation::Read, [&] {
            progress.setProgress(37);
            waitUntil([] { return false; }, 100);
            shot = progress.grab();
            progress.close();
        });
        const QString path = QDir(QString::fromStdString(folder)).filePath(QStringLiteral("mv52-progress-zh.png"));
        if (!shot.save(path)) ++failures;
    }
    {
        mv52::LanguageDialog language(mv52::LanguageIndex::Chinese, mv52::LanguageIndex::Chinese);
        language.show();
        waitUntil([] { return false; }, 100);
        if (!language.grab().save(QDir(QString::fromStdString(folder)).filePath(QStringLiteral("mv52-language-zh.png"))))
            ++failures;
        mv52::AboutDialog about(mv52::LanguageIndex::Chinese,
                                {"/home/user/.config/MV52/mysetup.ini", "/home/user/.local/state/MV52/logs", true});
        about.show();
        waitUntil([] { return false; }, 100);
        if (!about.grab().save(QDir(QString::fromStdString(folder)).filePath(QStringLiteral("mv52-about-zh.png"))))
            ++failures;
    }
    // The optional-features window in both languages, inside the main window.
    for (const auto& [suffix, stored] : languages) {
        WindowRig rig(0x0804, std::string("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=") + stored +
                                  "\r\n");
        mv52::MainWindow& w = rig.window();
        w.resize(1280, 860);
        w.openChildWindow(mv52::kOptionFeaturesWindow);
        waitUntil([] { return false; }, 300);
        QWidget* options = w.findChild<QWidget*>(QStringLiteral("FrmOptFeatures"));
        const QString path =
            QDir(QString::fromStdString(folder)).filePath(QStringLiteral("mv52-options-%1.png").arg(suffix));
        if (options == nullptr || !options->grab().save(path)) ++failures;
        const QString frame =
            QDir(QString::fromStdString(folder)).filePath(QStringLiteral("mv52-options-main-%1.png").arg(suffix));
        if (!w.grab().save(frame)) ++failures;
    }
    // The channel window: a 40-channel group, the memory group and the VFO group.
    for (const auto& [suffix, stored] : languages) {
        WindowRig rig(0x0804, std::string("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=") + stored +
                                  "\r\n");
        mv52::MainWindow& w = rig.window();
        w.resize(1100, 760);
        for (const auto& [group, name] : {std::pair{1, "a"}, std::pair{16, "mem"}, std::pair{17, "vfo"}}) {
            auto* combo = w.findChild<QComboBox*>(QStringLiteral("Combo6"));
            if (combo == nullptr) {
                ++failures;
                break;
            }
            combo->setCurrentIndex(group - 1);
            emit combo->activated(group - 1);
            waitUntil([] { return false; }, 200);
            QWidget* channels = w.findChild<QWidget*>(QStringLiteral("frmCommChInfo"));
            const QString path = QDir(QString::fromStdString(folder))
                                     .filePath(QStringLiteral("mv52-channels-%1-%2.png").arg(name).arg(suffix));
            if (channels == nullptr || !channels->grab().save(path)) ++failures;
        }
        // Maximised: the grid takes the room, the boxes keep their size.
        if (auto* sub = w.findChild<QMdiSubWindow*>(QStringLiteral("frmCommChInfo"))) {
            sub->showMaximized();
            waitUntil([] { return false; }, 200);
            const QString path = QDir(QString::fromStdString(folder))
                                     .filePath(QStringLiteral("mv52-channels-maximised-%1.png").arg(suffix));
            if (!w.grab().save(path)) ++failures;
        }
    }
    // The channel table on group A with a few channels set, in both languages.
    for (const auto& [suffix, stored] : languages) {
        WindowRig rig(0x0804, std::string("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=") + stored +
                                  "\r\n");
        mv52::MainWindow& w = rig.window();
        w.resize(1400, 860);
        mv52::Workspace& ws = *rig.app->workspace;
        const char* frequencies[] = {"26.965", "26.975", "26.985", "27.005", "27.015", "27.025"};
        for (int row = 1; row <= 6; ++row) mv52::updateChannelFrequency(ws, row, frequencies[row - 1]);
        ws.current.channels.slot(0, 1, ws.current.findChannel(0, 1, 2)).TxToneType = 1;
        ws.current.channels.slot(0, 1, ws.current.findChannel(0, 1, 3)).RxToneType = 2;
        w.runCommand(mv52::Command::ChannelTable);
        waitUntil([] { return false; }, 300);
        QWidget* table = w.findChild<QWidget*>(QString::fromLatin1(mv52::kChannelTableWindow));
        const QString path =
            QDir(QString::fromStdString(folder)).filePath(QStringLiteral("mv52-channel-table-%1.png").arg(suffix));
        if (table == nullptr || !table->grab().save(path)) ++failures;
        if (!w.grab().save(QDir(QString::fromStdString(folder)).filePath(QStringLiteral("mv52-channel-table-main-%1.png").arg(suffix))))
            ++failures;
    }
    // The roger-beep window on entry 1, and each tab of the DTMF window (two memories filled,
    // the editor on the second), in both languages.
    for (const auto& [suffix, stored] : languages) {
        WindowRig rig(0x0804, std::string("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=") + stored +
                                  "\r\n");
        mv52::MainWindow& w = rig.window();
        w.resize(1280, 860);
        const QDir out(QString::fromStdString(folder));
        w.openChildWindow(mv52::kRogerBeepWindow);
        waitUntil([] { return false; }, 300);
        QWidget* roger = w.findChild<QWidget*>(QStringLiteral("FrmToneTips"));
        if (roger == nullptr || !roger->grab().save(out.filePath(QStringLiteral("mv52-roger-%1.png").arg(suffix))))
            ++failures;
        mv52::DtmfMemories& memories = rig.app->workspace->current.options().dtmfMemory;
        mv52::setDtmfMemory(memories[0], "12A*");
        mv52::setDtmfMemory(memories[1], "0123456789ABCD*#");
        w.openChildWindow(mv52::kDtmfWindow);
        auto* dtmf = w.findChild<QMdiSubWindow*>(QStringLiteral("FrmDTMF"));
        auto* tabs = dtmf ? dtmf->findChild<QTabWidget*>(QStringLiteral("SSTab1")) : nullptr;
        if (tabs == nullptr) {
            ++failures;
            continue;
        }
        const char* const tabNames[] = {"encode", "decode", "autodial"};
        for (int i = 0; i < 3; ++i) {
            tabs->setCurrentIndex(i);
            if (i == 2)
                if (auto* grid = dynamic_cast<mv52::AutodialGrid*>(dtmf->findChild<QWidget*>(QStringLiteral("MSFlexGrid1"))))
                    grid->startEditing(2);
            waitUntil([] { return false; }, 200);
            if (!dtmf->grab().save(out.filePath(QStringLiteral("mv52-dtmf-%1-%2.png").arg(suffix, tabNames[i]))))
                ++failures;
        }
    }
    // The port dialog with a USB adapter's details, the failure of a port that may not be
    // opened with its cause and hint, and the progress window naming its port, in both
    // languages.
    for (const auto& [suffix, language] :
         {std::pair{"en", mv52::LanguageIndex::English}, std::pair{"zh", mv52::LanguageIndex::Chinese}}) {
        const QDir out(QString::fromStdString(folder));
        mv52::AppState app;
        app.settingsPath = "/inst/language/mysetup.ini";
        app.settings.comPort = 34;
        app.settings.language.current = language;
        MemoryProfiles profiles;
        FakePortList ports;
        ports.current = {{1, "/dev/ttyS0", "16550A"},
                         {34, "/dev/ttyUSB1", "FT232R USB UART", "FTDI", 0x0403, 0x6001, "A50285BI"},
                         {99, "/dev/pts/4", ""}};
        mv52::PortDialog dialog(app, profiles, ports);
        dialog.show();
        waitUntil([] { return false; }, 200);
        if (!dialog.grab().save(out.filePath(QStringLiteral("mv52-ports-%1.png").arg(suffix)))) ++failures;
        dialog.reject();

        mv52::Trouble trouble{mv52::TroubleCode::PortPermission, "COM34", "/dev/ttyUSB1", "Permission denied", -1, {}};
        trouble.circumstances.deviceGroup = "dialout";
        trouble.circumstances.unixLike = true;
        trouble.circumstances.grabbers = {"ModemManager"};
        mv52::QtPrompter prompter({}, [language] { return language; });
        QPixmap box;
        whenModal([&](QWidget* modal) {
            waitUntil([] { return false; }, 100);
            box = modal->grab();
            if (auto* d = qobject_cast<QDialog*>(modal)) d->accept();
        });
        prompter.askWithDetail(mv52::messageText(mv52::MessageKey::MsgCannotOpenPort, language),
                               mv52::troubleExplanation(trouble, language), mv52::MessageButtons::Ok,
                               mv52::MessageIcon::Error);
        if (!box.save(out.filePath(QStringLiteral("mv52-port-failure-%1.png").arg(suffix)))) ++failures;

        ScriptedDetailPrompter quiet;
        mv52::ProgressWindow progress(quiet, [language] { return language; });
        progress.showPort("COM34 (/dev/ttyUSB1)");
        QPixmap shot;
        progress.open(mv52::CommOperation::Write, [&] {
            progress.setProgress(37);
            waitUntil([] { return false; }, 100);
            shot = progress.grab();
            progress.close();
        });
        if (!shot.save(out.filePath(QStringLiteral("mv52-progress-port-%1.png").arg(suffix)))) ++failures;
    }
    // The window icon as drawn, at the size a desktop shows it.
    const QString icon = QDir(QString::fromStdString(folder)).filePath(QStringLiteral("mv52-icon.png"));
    if (!mv52::programIcon().pixmap(128, 128).save(icon)) ++failures;
    return failures == 0 ? 0 : 1;
}
