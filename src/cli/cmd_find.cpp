#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <charconv>
#include <ostream>

#include "app/port_settings.h"
#include "app/settings.h"
#include "cli/cli.h"
#include "lang/bilingual.h"
#include "lang/link_texts.h"
#include "link/link_trouble.h"
#include "link/radio_probe.h"
#include "platform/ini_profile_file.h"
#include "platform/port_names.h"
#include "platform/qt_port_list.h"
#include "platform/qt_serial_link.h"
#include "platform/qt_timer.h"
#include "system/clock.h"
#include "system/daily_log.h"
#include "document/workspace.h"

namespace mv52::cli {
namespace {

constexpr int kPlugPollMs = 250;
constexpr int kDefaultPlugSeconds = 60;

std::string named(const PortEntry& e) { return portWithDevice("COM" + std::to_string(e.comPort), e.devicePath); }

// Watches the port list until a port appears that was not there before (a port unplugged
// and plugged in again counts): the cable. Not a byte is sent.
int findByPlugging(Context& ctx, QtPortList& list, int seconds) {
    ctx.err << text(LinkText::PlugInstruction, ctx.language) << "\n";
    PlugWatch watch(list.ports());
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < static_cast<qint64>(seconds) * 1000) {
        QThread::msleep(kPlugPollMs);
        if (const auto appeared = watch.update(list.ports())) {
            ctx.out << substitute(text(LinkText::PlugAppeared, ctx.language), {named(*appeared)}) << "\n";
            return kExitOk;
        }
    }
    ctx.err << text(LinkText::PlugNothing, ctx.language) << "\n";
    return kExitFailed;
}

}  // namespace

int runFind(const Args& args, Context& ctx) {
    bool all = false;
    bool plug = false;
    int seconds = kDefaultPlugSeconds;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--all") {
            all = true;
        } else if (args[i] == "--plug") {
            plug = true;
        } else if (args[i] == "--timeout" && i + 1 < args.size()) {
            const std::string& v = args[++i];
            const auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), seconds);
            if (ec != std::errc{} || ptr != v.data() + v.size() || seconds < 1) return kExitUsage;
        } else {
            return kExitUsage;
        }
    }
    IniProfileFile profiles;
    const std::string settingsPath = ctx.settingsFile();
    QtPortList list(profiles, settingsPath);
    if (plug) return findByPlugging(ctx, list, seconds);

    QtSerialLink link([&](std::uint16_t n) { return devicePathForComPort(n, profiles, settingsPath); });
    QtOneShotTimer timer;
    SystemClock clock;
    DailyLog log(ctx.logFolderPath(), clock);
    RadioProbe probe(link, timer, log, kModelType);
    const std::vector<std::uint16_t> ports = probeCandidates(list.ports(), all);

    std::vector<ProbeResult> results;
    bool finished = false;
    QEventLoop loop;
    probePorts(
        probe, ports, {},
        [&](const std::vector<ProbeResult>& tried) {
            results = tried;
            finished = true;
            loop.quit();
        });
    if (!finished) loop.exec();

    if (!results.empty() && results.back().outcome == ProbeOutcome::Radio) {
        // What the other ports did goes to standard error; the radio's port alone to the output.
        for (const ProbeResult& r : results) ctx.err << probeLine(r, ctx.language) << "\n";
        const ProbeResult& r = results.back();
        ctx.out << substitute(text(LinkText::ProbeFound, ctx.language),
                              {portWithDevice("COM" + std::to_string(r.comPort), r.device)})
                << "\n";
        return kExitOk;
    }
    ctx.err << text(LinkText::ProbeNoneAnswered, ctx.language) << "\n";
    for (const ProbeResult& r : results) ctx.err << "  " << probeLine(r, ctx.language) << "\n";
    if (results.empty()) ctx.err << "  " << text(LinkText::ProbeNoCandidates, ctx.language) << "\n";
    return kExitFailed;
}

}  // namespace mv52::cli
