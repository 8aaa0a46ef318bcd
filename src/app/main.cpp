// mv52: the desktop program. Start-up runs before any window exists; then the main window
// takes over and the program runs from its events.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <filesystem>
#include <memory>
#include <string>

#include "app/clock.h"
#include "app/file_dialog.h"
#include "app/main_window.h"
#include "app/message_box_dialog.h"
#include "app/startup.h"
#include "lang/messages.h"
#include "platform/ini_profile_file.h"
#include "platform/posix_locale.h"
#include "platform/program_location.h"
#include "platform/qt_port_list.h"
#include "platform/qt_process_launcher.h"
#include "platform/qt_settings_store.h"

namespace {

// The running program's file name, for starting another installed version of it.
std::string programFileName(const char* argv0) {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || self.empty()) self = std::filesystem::path(argv0 != nullptr ? argv0 : "mv52");
    std::string name = self.filename().string();
    if (name.size() > 4 && name.substr(name.size() - 4) == ".exe") name.resize(name.size() - 4);
    return name.empty() ? std::string("mv52") : name;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("MV52"));
    QApplication::setApplicationName(QStringLiteral("MV52"));
    QApplication::setWindowIcon(mv52::programIcon());

    // The system's own buttons (message boxes, file dialogs) speak the system's language, as
    // they do on Windows; our texts follow the chosen language.
    QTranslator systemTexts;
    if (systemTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&systemTexts);

    int status = 0;
    mv52::trapFailures("Main", [&] {
        mv52::IniProfileFile profiles;
        mv52::PosixLocale locale;
        mv52::SystemClock clock;
        mv52::StartupServices startup{profiles, locale, clock, mv52::programFolder(argc > 0 ? argv[0] : nullptr)};
        std::unique_ptr<mv52::AppState> app = mv52::runStartup(startup);

        mv52::QtPrompter prompter({}, [&app] { return app->language(); });
        if (app->warnAboutVersionTable()) {
            const mv52::MessageStyle style = mv52::messageStyle(mv52::MessageKey::MsgVersionTableMissing);
            prompter.ask(mv52::messageText(mv52::MessageKey::MsgVersionTableMissing, app->language()), style.buttons,
                         style.icon);
        }

        mv52::QtFileChooser files;
        mv52::QtProcessLauncher launcher;
        mv52::QtSettingsStore placementStore;
        mv52::QtPortList ports(profiles, app->settingsPath);
        mv52::MainWindow window(mv52::MainWindowServices{*app, profiles, locale, placementStore, prompter, files,
                                                         launcher, ports, clock,
                                                         programFileName(argc > 0 ? argv[0] : nullptr), {}});
        window.show();
        status = QApplication::exec();
    });
    return status;
}
