#include "cli/link_command.h"

#ifdef _WIN32
#include <io.h>
#include "data/windows_api.h"

#include <cstdio>
#else
#include <unistd.h>
#endif

#include <csignal>

#include <QEventLoop>
#include <QTimer>
#include <charconv>
#include <ostream>

#include "system/clock.h"
#include "system/daily_log.h"
#include "app/settings.h"
#include "cli/console_prompter.h"
#include "cli/progress_bar.h"
#include "lang/bilingual.h"
#include "lang/language_tables.h"
#include "lang/link_texts.h"
#include "link/link_session.h"
#include "platform/ini_profile_file.h"
#include "platform/port_names.h"
#include "platform/qt_serial_link.h"
#include "platform/qt_timer.h"
#include "platform/system_port_inspector.h"

namespace mv52::cli {
namespace {

// A device given by path that has no COM number goes by this one for the session.
constexpr std::uint16_t kUnnumberedPort = 0;

class NoHooks final : public LinkSessionHooks {};

volatile std::sig_atomic_t interrupted = 0;

bool standardErrorIsTerminal() {
#ifdef _WIN32
    return ::_isatty(::_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) == 1;
#endif
}

#ifdef _WIN32
// The console's Ctrl+C and Ctrl+Break; the second one is left to the system, which ends the
// program at once.
BOOL WINAPI onConsoleInterrupt(DWORD event) {
    if ((event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) || interrupted != 0) return FALSE;
    interrupted = 1;
    return TRUE;
}

class InterruptGuard {
public:
    InterruptGuard() {
        interrupted = 0;
        ::SetConsoleCtrlHandler(onConsoleInterrupt, TRUE);
    }
    ~InterruptGuard() { ::SetConsoleCtrlHandler(onConsoleInterrupt, FALSE); }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;
    bool fired() const { return interrupted != 0; }
};
#else
extern "C" void onInterrupt(int) { interrupted = 1; }

// Ctrl+C (and a polite kill) stops the transfer the way the progress window's Cancel does;
// a second Ctrl+C, with the old handlers back in place, ends the program at once.
class InterruptGuard {
public:
    InterruptGuard() {
        interrupted = 0;
        struct sigaction action {};
        action.sa_handler = onInterrupt;
        sigemptyset(&action.sa_mask);
        action.sa_flags = static_cast<int>(SA_RESETHAND);
        sigaction(SIGINT, &action, &oldInt_);
        sigaction(SIGTERM, &action, &oldTerm_);
    }
    ~InterruptGuard() {
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
    }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;
    bool fired() const { return interrupted != 0; }

private:
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
};
#endif

}  // namespace

std::optional<LinkOptions> parseLinkOptions(const Args& args, Context& ctx, CommOperation operation) {
    LinkOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--port" || a == "--retry") && i + 1 >= args.size()) return std::nullopt;
        if (a == "--port") {
            o.port = args[++i];
        } else if (a == "--retry") {
            const std::string& v = args[++i];
            const auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), o.retries);
            if (ec != std::errc{} || ptr != v.data() + v.size() || o.retries < 0) {
                ctx.err << "mv52ctl: --retry takes a number of 0 or more\n";
                return std::nullopt;
            }
        } else if (a == "--verify" && operation == CommOperation::Write) {
            o.verify = true;
        } else if (a == "--allow-missing-channels" && operation == CommOperation::Write) {
            o.allowMissingChannels = true;
        } else if (a == "--no-backup" && operation == CommOperation::Read) {
            o.backup = false;
        } else if (a.size() > 1 && a[0] == '-') {
            return std::nullopt;
        } else if (o.file.empty()) {
            o.file = a;
        } else {
            return std::nullopt;
        }
    }
    if (o.file.empty()) return std::nullopt;
    return o;
}

bool runLinkSession(Workspace& ws, CommOperation operation, const LinkOptions& options, Context& ctx) {
    IniProfileFile profiles;
    const std::string settingsPath = ctx.settingsFile();
    std::uint16_t comPort = ctx.comPort;
    std::optional<std::string> explicitDevice;
    if (!options.port.empty()) {
        if (const auto n = parseComName(options.port)) {
            comPort = *n;
        } else {
            explicitDevice = options.port;
            comPort = comPortForDevice(options.port, profiles, settingsPath).value_or(kUnnumberedPort);
        }
    }
    QtSerialLink link([&](std::uint16_t n) -> std::optional<std::string> {
        if (explicitDevice) return explicitDevice;
        return devicePathForComPort(n, profiles, settingsPath);
    });
    QtOneShotTimer waitTimer;
    ConsolePrompter prompter(ctx.out, ctx.err, ctx.language, options.retries);
    ProgressBar progress(ctx.err, standardErrorIsTerminal(), ctx.language);
    SystemClock clock;
    DailyLog log(ctx.logFolderPath(), clock);
    PendingMessages pending;
    NoHooks hooks;
    SystemPortInspector inspector;
    const LanguageIndex language = ctx.language;
    LinkSession session(ws, link, waitTimer, prompter, progress, log, pending, ctx.versions,
                        [language] { return language; }, comPort, hooks);
    session.setPortInspector(&inspector);
    const InterruptGuard interrupt;

    const LinkStartResult started =
        operation == CommOperation::Read ? session.startRead()
                                         : session.startWrite(options.verify ? WriteVerify::On : WriteVerify::Off);
    // The message, its cause and what to try have been printed.
    if (started != LinkStartResult::Started) return false;

    // The session runs from the port's and the timer's events until it ends itself.
    QEventLoop loop;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (interrupt.fired()) session.stop();
        if (!session.running()) loop.quit();
    });
    watch.start(10);
    if (session.running()) loop.exec();
    if (session.stoppedByUser()) {
        if (operation == CommOperation::Read)
            ctx.err << text(LinkText::ReadStopped, language) << "\n";
        else
            ctx.err << substitute(text(LinkText::WriteStopped, language),
                                  {std::to_string(session.blocksWritten()), std::to_string(RadioImage::kBlockCount)})
                    << "\n";
    }
    return session.lastSucceeded();
}

}  // namespace mv52::cli
