#include "cli/link_command.h"

#include <unistd.h>

#include <QEventLoop>
#include <QTimer>
#include <charconv>
#include <ostream>

#include "system/clock.h"
#include "system/daily_log.h"
#include "app/settings.h"
#include "cli/console_prompter.h"
#include "cli/progress_bar.h"
#include "lang/language_tables.h"
#include "link/link_session.h"
#include "platform/ini_profile_file.h"
#include "platform/port_names.h"
#include "platform/qt_serial_link.h"
#include "platform/qt_timer.h"

namespace mv52::cli {
namespace {

// A device given by path that has no COM number goes by this one for the session.
constexpr std::uint16_t kUnnumberedPort = 0;

class NoHooks final : public LinkSessionHooks {};

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
    const std::string settingsPath = settingsFilePath(ctx.programFolder);
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
    ProgressBar progress(ctx.err, ::isatty(STDERR_FILENO) == 1, ctx.language);
    SystemClock clock;
    DailyLog log(ctx.programFolder, clock);
    PendingMessages pending;
    NoHooks hooks;
    const LanguageIndex language = ctx.language;
    LinkSession session(ws, link, waitTimer, prompter, progress, log, pending, ctx.versions,
                        [language] { return language; }, comPort, hooks);

    const LinkStartResult started =
        operation == CommOperation::Read ? session.startRead()
                                         : session.startWrite(options.verify ? WriteVerify::On : WriteVerify::Off);
    if (started == LinkStartResult::PortFailed) {
        ctx.err << session.openFailureReason() << "\n";
        return false;
    }
    if (started != LinkStartResult::Started) return false;

    // The session runs from the port's and the timer's events until it ends itself.
    QEventLoop loop;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!session.running()) loop.quit();
    });
    watch.start(10);
    if (session.running()) loop.exec();
    return session.lastSucceeded();
}

}  // namespace mv52::cli
