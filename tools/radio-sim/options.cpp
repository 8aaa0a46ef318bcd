#include "options.h"

#include <charconv>
#include <limits>
#include <optional>

namespace mv52::sim {
namespace {

// Decimal, or hexadecimal with a 0x prefix (addresses are often written either way).
std::optional<unsigned> parseNumber(std::string_view text, unsigned max) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty()) return std::nullopt;
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc{} || end != text.data() + text.size() || value > max) return std::nullopt;
    return value;
}

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) return false;
    return true;
}

// ADDR or ADDR:N into `counts`; the same address given twice adds up.
bool addAddressFault(std::string_view text, std::map<std::uint16_t, unsigned>& counts) {
    unsigned times = 1;
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        const auto n = parseNumber(text.substr(colon + 1), std::numeric_limits<unsigned>::max() / 2);
        if (!n) return false;
        times = *n;
        text = text.substr(0, colon);
    }
    const auto address = parseNumber(text, kLastBlockAddress);
    if (!address) return false;
    counts[static_cast<std::uint16_t>(*address)] += times;
    return true;
}

}  // namespace

std::string usageText() {
    return "usage: mv52-radio-sim [OPTION]...\n"
           "Simulates an MV52 radio on a pseudo-terminal. The first line of output is the\n"
           "device path; open it as the radio's serial port.\n"
           "\n"
           "  --link PATH              make PATH a symbolic link to the device (removed at exit)\n"
           "  --image FILE             start from this memory image (23744 or 23745 bytes)\n"
           "                           instead of a factory-fresh memory\n"
           "  --save FILE              write the memory to FILE after every completed write\n"
           "  --model TEXT             model text of the identification reply (default LB2424P)\n"
           "  --firmware TEXT          firmware version text (default V200)\n"
           "  --baud RATE              send replies at the timing of this line rate\n"
           "  --delay MS               wait MS milliseconds before every reply\n"
           "  --ignore-handshakes N    do not answer the first N handshake requests\n"
           "  --ignore-idents N        do not answer the first N identification requests\n"
           "  --bad-checksum ADDR[:N]  corrupt the checksum of the data reply for ADDR, N times\n"
           "  --silent-at ADDR[:N]     do not answer a read or data frame at ADDR, N times\n"
           "  --drop-writes ADDR       acknowledge data frames for ADDR but keep the old bytes\n"
           "                           there, every time (a block that no longer takes writes)\n"
           "  --no-end-ack             do not acknowledge the end request\n"
           "  --verbose                log every frame to standard error\n"
           "  --turnaround             at exit, report on standard error how long the program\n"
           "                           took from the last byte of each reply handed to the line\n"
           "                           to the first byte of its next request\n"
           "  --help                   show this help\n"
           "\n"
           "Numbers are decimal or 0x-prefixed hexadecimal; N defaults to 1. Options may be\n"
           "repeated and combined. SIGINT or SIGTERM ends the radio.\n";
}

ParsedOptions parseOptions(std::span<const std::string_view> args) {
    ParsedOptions result;
    Options& o = result.options;
    const auto fail = [&](std::string message) {
        result.action = ParsedOptions::Action::Error;
        result.error = std::move(message);
        return result;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        std::optional<std::string_view> inlineValue;
        if (const std::size_t eq = name.find('='); name.starts_with("--") && eq != std::string_view::npos) {
            inlineValue = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        std::string_view value;
        const auto takeValue = [&]() {
            if (inlineValue) {
                value = *inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) return false;
            value = args[++i];
            return true;
        };
        const auto number = [&](unsigned& out, unsigned min, unsigned max) {
            if (!takeValue()) return false;
            const auto n = parseNumber(value, max);
            if (!n || *n < min) return false;
            out = *n;
            return true;
        };
        const std::string bad = "invalid or missing value for " + std::string(name);

        if (name == "--help") {
            if (inlineValue) return fail("--help takes no value");
            result.action = ParsedOptions::Action::Help;
            return result;
        } else if (name == "--verbose") {
            if (inlineValue) return fail("--verbose takes no value");
            o.verbose = true;
        } else if (name == "--turnaround") {
            if (inlineValue) return fail("--turnaround takes no value");
            o.turnaround = true;
        } else if (name == "--no-end-ack") {
            if (inlineValue) return fail("--no-end-ack takes no value");
            o.faults.noEndAck = true;
        } else if (name == "--link" || name == "--image" || name == "--save") {
            if (!takeValue() || value.empty()) return fail(bad);
            std::string& target = name == "--link" ? o.linkPath : name == "--image" ? o.imagePath : o.savePath;
            target = std::string(value);
        } else if (name == "--model") {
            if (!takeValue() || value.size() > kModelLength || !isAscii(value))
                return fail(bad + " (at most 7 ASCII characters)");
            o.identity.model = std::string(value);
        } else if (name == "--firmware") {
            if (!takeValue() || value.size() > kFirmwareLength || !isAscii(value))
                return fail(bad + " (at most 4 ASCII characters)");
            o.identity.firmware = std::string(value);
        } else if (name == "--baud") {
            if (!number(o.baud, 1, 4'000'000)) return fail(bad);
        } else if (name == "--delay") {
            if (!number(o.delayMs, 0, 3'600'000)) return fail(bad);
        } else if (name == "--ignore-handshakes") {
            if (!number(o.faults.ignoreHandshakes, 0, std::numeric_limits<unsigned>::max() / 2)) return fail(bad);
        } else if (name == "--ignore-idents") {
            if (!number(o.faults.ignoreIdents, 0, std::numeric_limits<unsigned>::max() / 2)) return fail(bad);
        } else if (name == "--bad-checksum") {
            if (!takeValue() || !addAddressFault(value, o.faults.badChecksum)) return fail(bad + " (ADDR[:N], ADDR 0 to 23728)");
        } else if (name == "--silent-at") {
            if (!takeValue() || !addAddressFault(value, o.faults.silentAt)) return fail(bad + " (ADDR[:N], ADDR 0 to 23728)");
        } else if (name == "--drop-writes") {
            // A block address: a multiple of 16 up to the last block.
            const auto address = takeValue() ? parseNumber(value, kLastBlockAddress) : std::nullopt;
            if (!address || *address % kBlockLength != 0) return fail(bad + " (ADDR, a multiple of 16 from 0 to 23728)");
            o.faults.dropWrites.insert(static_cast<std::uint16_t>(*address));
        } else {
            return fail("unknown option " + std::string(args[i]));
        }
    }
    return result;
}

}  // namespace mv52::sim
