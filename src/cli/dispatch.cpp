#include <algorithm>
#include <ostream>

#include "cli/cli.h"
#include "app/settings.h"
#include "data/numeric.h"
#include "platform/ini_profile_file.h"
#include "platform/posix_locale.h"

namespace mv52::cli {
namespace {

struct Command {
    const char* name;
    int (*run)(const Args&, Context&);
    const char* usage;
    const char* help;
};

constexpr Command kCommands[] = {
    {"new", runNew, "mv52ctl new OUT.dat",
     "Builds the document the desktop program starts with and saves it as a data file pair\n"
     "(OUT.dat and its channel file, OUT.fre)."},
    {"show", runShow, "mv52ctl show FILE.dat",
     "Loads a data file pair with every check the desktop program makes and prints it: the\n"
     "header, the channels of each group, the options, the roger-beep table and the DTMF\n"
     "settings and memories."},
    {"get", runGet, "mv52ctl get FILE.dat [LABEL ...]",
     "Prints LABEL=ITEM for the controls of the optional-features window and of the DTMF\n"
     "window (all of them without LABEL), with the English label and the item as the window\n"
     "shows them, for example TOT=90s, Color=Blue, Max=20.0, SWR Protect=on,\n"
     "DTMF Send Time[ms]=10, D Code Assignment=5s, Memory 3=12A*."},
    {"set", runSet, "mv52ctl set FILE.dat LABEL=ITEM [LABEL=ITEM ...]",
     "Makes each choice in the optional-features or DTMF window, in order, with every rule the\n"
     "window runs (a text box's value as typed and then left; FM Enable=off corrects the\n"
     "channel modes; HF Public=ON sets the channels' public flags; \"Memory 3=\" empties memory\n"
     "3 and clears every reference to it in groups 1-10 and the public channel), then saves the\n"
     "pair as Save does. An unknown label or an item the control does not offer changes\n"
     "nothing (exit 2)."},
    {"set-channels", runSetChannels,
     "mv52ctl set-channels FILE.dat --mode CB|HAM --group G --channels 1-10,12 LABEL=ITEM [...]",
     "Sets a column of the channel table on the listed channels of one group, through the same\n"
     "controls and rules as the table and the channel window, then saves the pair as Save does.\n"
     "LABEL is a column header of the table (Frequency, Mode, Tx tone, Rx tone, Scan, BUSY, REP,\n"
     "Public, Roger, BOT, EOT, Call, HI-CUT, NB/ANL, ECHO, +10KHz); ITEM as the table shows it\n"
     "(Mode=AM, \"Tx tone=88.5\", \"Rx tone=D023N\", \"Tx tone=Off\", Scan=Del). Rows without a\n"
     "channel are passed over except by Frequency, which adds the channel. --channels takes rows\n"
     "and ranges (M1-M5 in the MEM group). All or nothing: an unknown label or item changes\n"
     "nothing (exit 2, the valid ones listed); a channel that refuses the value (a Public\n"
     "channel's own setting, a frequency outside the band) is named and nothing is written (exit 1)."},
    {"fill", runFill, "mv52ctl fill FILE.dat --mode CB|HAM --group G --channels 1-40 --start MHZ --step KHZ",
     "Fills the listed rows of one group, in order, with START, START + STEP, ... as if each\n"
     "frequency were typed into its row (a new channel in an empty row), then saves the pair as\n"
     "Save does. A frequency outside the group's band refuses the whole fill: the rows are named\n"
     "and nothing is written (exit 1)."},
    {"roger", runRoger, "mv52ctl roger FILE.dat N [--wav OUT.wav]",
     "Prints roger-beep entry N (1-8) of a data file pair as Play sounds it: every step with its\n"
     "pass, tone, frequency (0 is silence) and length in milliseconds. With --wav, writes that\n"
     "sound instead to OUT.wav (16-bit mono PCM, 44,100 Hz). An entry that sounds nothing\n"
     "(Recycle Times Off, or no tone with a length) is an error (exit 1) and writes no file."},
    {"export-csv", runExportCsv, "mv52ctl export-csv FILE.dat --mode CB|HAM --group A|...|MEM|VFO OUT.csv",
     "Writes the channels of one group as the comma-separated list other radio programmers read\n"
     "(Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode,\n"
     "DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment), then this radio's\n"
     "own channel settings as columns named as the channel window labels them (BUSY, NB/ANL,\n"
     "ECHO, HI-CUT, +10KHz, Public, Roger, BOT, EOT, Call). PA is written as FM with the\n"
     "Comment PA. Location is the channel number (MEM: M1 is 1). OUT.csv - is standard output."},
    {"import-csv", runImportCsv, "mv52ctl import-csv FILE.dat --mode CB|HAM --group A|...|MEM|VFO IN.csv",
     "Reads such a list (columns in any order, with or without the newer and our own columns,\n"
     "CR LF or LF) into one group of the pair and saves it: each row replaces the channel of\n"
     "its location, as if typed into the channel window, other channels stay. When any row is\n"
     "refused (a frequency outside the group's band, a location the group has no row for, a\n"
     "tone or code the radio does not have, an item a control does not offer, a malformed\n"
     "line) nothing is written and every refusal is printed with its line (exit 1)."},
    {"export", runExport, "mv52ctl export FILE.dat OUT.yaml",
     "Writes the whole configuration as YAML: every option, DTMF setting and memory, roger-beep\n"
     "entry and channel of every group by its window's label and the item the window shows,\n"
     "then under Stored the few stored bytes no window shows. Importing the file gives back\n"
     "the same data file pair byte for byte. OUT.yaml - is standard output."},
    {"import", runImport, "mv52ctl import IN.yaml OUT.dat",
     "Builds the configuration of a YAML file from the built-in defaults, every value chosen as\n"
     "in the windows with their rules, and saves it as a data file pair. A file with any fault\n"
     "(an unknown label, an item a control does not offer, a wrong type, a value out of band)\n"
     "writes nothing; every fault is printed with its line (exit 1)."},
    {"diff", runDiff, "mv52ctl diff [--all] A B",
     "Compares two configurations, each a data file pair (.dat) or a YAML file (.yaml), as the\n"
     "radio would hold them (each as a write followed by a read would leave it: frequencies as\n"
     "numbers, nothing the radio does not keep), and prints one line per difference by label,\n"
     "for example\n"
     "  CB A CH 7 Mode: FM -> AM\n"
     "  TOT: 90s -> Off\n"
     "--all adds what only the data file holds (the memory channels M1-M6 of the 40-channel\n"
     "groups, the group and rows the channel window shows, the date), each line marked\n"
     "\"(data file only)\".\n"
     "Exit status as diff(1): 0 equal, 1 different, 2 trouble."},
    {"encode", runEncode, "mv52ctl encode FILE.dat IMAGE",
     "Loads a data file pair and writes the radio image it would send to a radio: all\n"
     "23,745 bytes."},
    {"decode", runDecode, "mv52ctl decode IMAGE OUT.dat",
     "Decodes a radio image (23,744 or 23,745 bytes) into the start-up document as a completed\n"
     "read does, and saves it as a data file pair."},
    {"read", runRead, "mv52ctl read [--port PORT] [--retry N] [--no-backup] OUT.dat",
     "Reads the radio's whole memory and saves it as a data file pair (only when the read\n"
     "completed). PORT is a device path or COMn (default: comPort of the settings file).\n"
     "A connection prompt is answered Retry up to N times (default 0), then Cancel; a version\n"
     "question is answered No.\n"
     "A completed read also leaves a backup pair named by date and time in the per-user\n"
     "backup folder (~/.local/share/MV52/backups on Linux), named on standard error;\n"
     "--no-backup skips it."},
    {"write", runWrite, "mv52ctl write [--port PORT] [--retry N] [--verify] [--allow-missing-channels] FILE.dat",
     "Loads a data file pair with every check and writes it to the radio. --port and --retry\n"
     "as for read. A pair whose channel file is missing or shorter than its channel counts is\n"
     "refused (the radio would lose those channels) unless --allow-missing-channels is given.\n"
     "--verify: once the write has completed, read the whole radio back and compare every\n"
     "byte with what was written; the status is 1 when any block differs or the radio cannot\n"
     "be read back."},
    {"ports", runPorts, "mv52ctl ports",
     "Lists every serial port: its COM name (\"(configured)\" after comPort of the settings\n"
     "file), its device and what the system says about it (description, manufacturer, USB\n"
     "vendor:product, serial number). Bluetooth serial ports and debug consoles come last."},
    {"find", runFind, "mv52ctl find [--all] | find --plug [--timeout S]",
     "Finds the port of the radio. Each USB serial adapter (every port with --all) is opened\n"
     "at the link's settings and sent the handshake and the identification request as a read\n"
     "starts them, then the end request; nothing is read or written in the radio's memory.\n"
     "Prints the port whose reply carries the MV52 identification (exit 0), or what each port\n"
     "did (exit 1). --plug sends nothing: unplug the cable and plug it in again within S\n"
     "seconds (default 60); the port that appears is printed."},
    {"support", runSupport, "mv52ctl support OUT.zip [--data FILE.dat]",
     "Saves what a support request needs as one zip archive: the last seven daily logs, the\n"
     "settings file (language/mysetup.ini), Version.ini, the port list as \"mv52ctl ports\"\n"
     "prints it, and the program, Qt and operating system versions (about.txt). With --data,\n"
     "also the data file pair FILE.dat and its .fre. Prints the names of the files it holds."},
    {"print", runPrint, "mv52ctl print FILE.dat OUT.pdf [--lang en|zh] [--groups CB:A,HAM:B,...]",
     "Writes the channel sheet of a data file pair as a PDF file, as File > Export PDF does: a\n"
     "header on each page (model, file, date printed, page n of m), the channels of each valid\n"
     "group with its group settings, the optional features on a page of their own, the DTMF\n"
     "memories that hold a code and the valid roger-beep entries, every label and item as the\n"
     "windows show them, in the language of --lang. Only what is set is printed. --groups\n"
     "prints only the groups named (CB:A to CB:O, CB:MEM, CB:VFO, HAM:A to HAM:L, HAM:MEM,\n"
     "HAM:VFO). A4, or Letter where the system's locale measures in inches. OUT.pdf - is\n"
     "standard output. Draws on Qt's offscreen platform unless QT_QPA_PLATFORM names another."},
};

const Command* findCommand(const std::string& name) {
    for (const Command& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

void printOverview(std::ostream& os) {
    os << "mv52ctl - the MV52 programming tool's command line\n\nUsage:\n";
    for (const Command& c : kCommands) os << "  " << c.usage << "\n";
    os << "\nOptions: --lang en|zh  the language of messages (default: that of the settings file)\n"
          "         --version     the version, and the settings file and log folder in use\n"
          "\nmv52ctl COMMAND --help describes a command.\n"
          "Exit status: 0 success, 1 the operation failed, 2 wrong usage.\n";
}

}  // namespace

bool wantsHelp(const Args& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

void loadInstallation(Context& ctx) {
    IniProfileFile profiles;
    ctx.versions = loadVersionTable(profiles, versionFilePath(ctx.programFolder));
    const std::string settings = ctx.settingsFile();
    ctx.language = storedLanguage(profiles, settings, PosixLocale().systemDefaultLocaleId());
    const std::int16_t port = numberFromText(profiles.read(settings, kSettingsSection, "comPort", "", 512), 1);
    ctx.comPort = port >= 1 ? static_cast<std::uint16_t>(port) : std::uint16_t{1};
}

int runCommandLine(const Args& allArgs, Context& ctx) {
    // --lang may stand anywhere; everything else belongs to the command.
    Args args;
    for (std::size_t i = 0; i < allArgs.size(); ++i) {
        if (allArgs[i] != "--lang") {
            args.push_back(allArgs[i]);
            continue;
        }
        const std::string value = i + 1 < allArgs.size() ? allArgs[++i] : "";
        if (value != "en" && value != "zh") {
            ctx.err << "mv52ctl: --lang takes en or zh\n";
            return kExitUsage;
        }
        ctx.language = value == "zh" ? LanguageIndex::Chinese : LanguageIndex::English;
    }
    if (args.empty()) {
        printOverview(ctx.err);
        return kExitUsage;
    }
    if (args[0] == "--version") return runVersion(Args(args.begin() + 1, args.end()), ctx);
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        const Command* c = args.size() > 1 ? findCommand(args[1]) : nullptr;
        if (c)
            ctx.out << "Usage: " << c->usage << "\n\n" << c->help << "\n";
        else
            printOverview(ctx.out);
        return kExitOk;
    }
    const Command* c = findCommand(args[0]);
    if (!c) {
        ctx.err << "mv52ctl: unknown command '" << args[0] << "'\n\n";
        printOverview(ctx.err);
        return kExitUsage;
    }
    const Args rest(args.begin() + 1, args.end());
    if (wantsHelp(rest)) {
        ctx.out << "Usage: " << c->usage << "\n\n" << c->help << "\n";
        return kExitOk;
    }
    // The link commands take options of their own; the others take none.
    const bool takesOptions = c->run == runRead || c->run == runWrite || c->run == runRoger ||
                              c->run == runExportCsv || c->run == runImportCsv || c->run == runFind ||
                              c->run == runSupport || c->run == runDiff || c->run == runPrint ||
                              c->run == runSetChannels || c->run == runFill;
    const bool stray = !takesOptions && std::any_of(rest.begin(), rest.end(), [](const std::string& a) {
        return a.size() > 1 && a[0] == '-';
    });
    const int status = stray ? kExitUsage : c->run(rest, ctx);
    // diff exits 2 for any trouble, as diff(1) does: a file it cannot read is no usage error.
    const bool diffTrouble = c->run == runDiff && !stray && rest.size() - static_cast<std::size_t>(std::count(rest.begin(), rest.end(), "--all")) == 2;
    if (status == kExitUsage && !diffTrouble) ctx.err << "Usage: " << c->usage << "\n";
    return status;
}

}  // namespace mv52::cli
