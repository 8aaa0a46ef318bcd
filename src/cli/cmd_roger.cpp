#include <iomanip>
#include <ostream>
#include <sstream>

#include "cli/cli.h"
#include "cli/common.h"
#include "data/durable_files.h"
#include "data/numeric.h"
#include "lang/messages.h"
#include "lang/roger_beep_texts.h"
#include "tones/roger_schedule.h"
#include "tones/tone_samples.h"

namespace mv52::cli {
namespace {

void printSchedule(std::ostream& os, int n, const std::vector<RogerStep>& steps) {
    const int passes = steps.empty() ? 0 : steps.back().pass;
    os << "# " << rogerTabCaption(n, LanguageIndex::English) << ": " << passes << (passes == 1 ? " pass, " : " passes, ")
       << scheduleMilliseconds(steps) << " ms; Hz 0 is silence, tone 0 the silence after a pass\n"
       << "pass tone    Hz    ms\n";
    for (const RogerStep& s : steps)
        os << std::setw(4) << s.pass << std::setw(5) << s.tone << std::setw(6) << s.frequencyHz << std::setw(6)
           << s.milliseconds << "\n";
}

}  // namespace

int runRoger(const Args& args, Context& ctx) {
    std::vector<std::string> plain;
    std::string wav;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--wav") {
            if (args[i].size() > 1 && args[i][0] == '-') return kExitUsage;
            plain.push_back(args[i]);
            continue;
        }
        if (i + 1 >= args.size() || !wav.empty()) return kExitUsage;
        wav = args[++i];
    }
    if (plain.size() != 2 || !isDigits(plain[1])) return kExitUsage;
    const int n = numberFromText(plain[1], 0);
    if (n < 1 || n > kRogerEntryCount) {
        ctx.err << "mv52ctl: the roger-beep entries are 1 to " << kRogerEntryCount << "\n";
        return kExitUsage;
    }
    auto ws = Workspace::create();
    if (!loadPairOrReport(*ws, plain[0], ctx)) return kExitFailed;
    const RogerBeepEntry& entry = ws->current.header.rogerBeep[static_cast<std::size_t>(n - 1)];
    const RogerSilence silence = rogerSilence(entry);
    if (silence != RogerSilence::None) {
        ctx.err << rogerNotPlayingText(n, silence == RogerSilence::RecycleOff, ctx.language) << "\n";
        return kExitFailed;
    }
    const std::vector<RogerStep> steps = rogerSchedule(entry);
    if (wav.empty()) {
        printSchedule(ctx.out, n, steps);
        return kExitOk;
    }
    const std::vector<std::uint8_t> bytes = wavFileBytes(renderSteps(steps));
    const FileContent file{wav, bytes};
    FileFailure failure;
    if (!replaceFile(file, {}, &failure)) {
        reportFileFailure(failure, ctx);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace mv52::cli
