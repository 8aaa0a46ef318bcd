// mv52: the desktop program. Start-up runs before any window exists; then the main window
// takes over and the program runs from its events.

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>
#include <string>

#include "app/program_arguments.h"
#include "app/startup.h"
#include "lang/messages.h"
#include "platform/backup_folder.h"
#include "platform/ini_profile_file.h"
#include "platform/posix_locale.h"
#include "platform/program_location.h"
#include "platform/qt_port_list.h"
#include "platform/qt_process_launcher.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_tone_output.h"
#include "platform/user_folders.h"
#include "system/clock.h"
#include "ui/file_dialog.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/program_icon.h"

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

std::vector<std::string_view> argumentsOf(int argc, char** argv) {
    std::vector<std::string_view> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    // Help needs no display.
    if (mv52::parseProgramArguments(argumentsOf(argc, argv)).kind == mv52::ProgramArguments::Kind::Help) {
        std::fwrite(mv52::kProgramUsage.data(), 1, mv52::kProgramUsage.size(), stdout);
        return 0;
    }
    // Qt takes its own options out of argc/argv here; what stays is ours.
    QApplication application(argc, argv);
    const mv52::ProgramArguments arguments = mv52::parseProgramArguments(argumentsOf(argc, argv));
    if (arguments.kind != mv52::ProgramArguments::Kind::Run) {
        std::fwrite(mv52::kProgramUsage.data(), 1, mv52::kProgramUsage.size(), stderr);
        return 2;
    }
    QApplication::setOrganizationName(QStringLiteral("MV52"));
    QApplication::setApplicationName(QStringLiteral("MV52"));
    QApplication::setWindowIcon(mv52::programIcon());

    int status = 0;
    mv52::trapFailures("Main", [&] {
        mv52::IniProfileFile profiles;
        mv52::PosixLocale locale;
        mv52::SystemClock clock;
        const mv52::UserFolders user = mv52::userFolders();
        mv52::StartupServices startup{profiles, locale, clock, mv52::programFolder(argc > 0 ? argv[0] : nullptr), &user};
        std::unique_ptr<mv52::AppState> app = mv52::runStartup(startup);

        mv52::QtPrompter prompter({}, [&app] { return app->language(); });
        if (app->warnAboutVersionTable()) {
            const mv52::MessageStyle style = mv52::messageStyle(mv52::MessageKey::MsgVersionTableMissing);
            prompter.ask(mv52::messageText(mv52::MessageKey::MsgVersionTableMissing, app->language()), style.buttons,
                         style.icon);
        }

        mv52::QtFileChooser files({}, &profiles, app->settingsPath);
        mv52::QtProcessLauncher launcher;
        mv52::QtSettingsStore placementStore;
        mv52::QtPortList ports(profiles, app->settingsPath);
        mv52::MainWindow window(mv52::MainWindowServices{*app, profiles, locale, placementStore, prompter, files,
                                                         launcher, ports, clock,
                                                         programFileName(argc > 0 ? argv[0] : nullptr), {},
                                                         mv52::readBackupFolder(), mv52::makeToneOutput});
        window.show();
        if (arguments.dataFile) window.openStartupFile(*arguments.dataFile);
        // For the start-up benchmark (bench/startup_bench.py): once the event loop has shown
        // the window, print the time (nanoseconds since the epoch) and quit.
        if (std::getenv("MV52_STARTUP_PROBE") != nullptr)
            QTimer::singleShot(0, &window, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("shown %lld\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QApplication::quit();
            });
        status = QApplication::exec();
    });
    return status;
}
