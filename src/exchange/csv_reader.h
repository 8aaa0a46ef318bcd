#pragma once
// Comma-separated text as spreadsheets and other radio programmers write it: fields split by
// commas, double quotes around a field that holds commas, quotes or line breaks (a quote
// inside written twice), lines ended by CR LF or LF. A reader of files from anywhere: every
// fault is reported with its line, and no input can make it run long or use much memory.

#include <string>
#include <string_view>
#include <vector>

#include "lang/language.h"

namespace mv52 {

struct CsvRecord {
    int line = 0;  // the line the record starts on, 1-based
    std::vector<std::string> fields;
};

struct CsvFault {
    int line = 0;
    std::string reason;
};

struct CsvText {
    std::vector<CsvRecord> records;  // blank lines left out
    std::vector<CsvFault> faults;    // a faulty record is reported and left out
};

inline constexpr std::size_t kCsvMaxBytes = 1u << 20;   // far above any channel list
inline constexpr std::size_t kCsvMaxFieldBytes = 256;
inline constexpr std::size_t kCsvMaxFields = 64;
inline constexpr std::size_t kCsvMaxRecords = 2000;

// Splits `text` into records. A text over the limits above is refused as a whole (one fault
// on line 1 or on the record that passes a limit).
// The reasons are in `language`.
CsvText readCsv(std::string_view text, LanguageIndex language = LanguageIndex::English);

// `english` or `chinese` as `language` asks.
inline std::string inLanguage(LanguageIndex language, std::string english, std::string chinese) {
    return language == LanguageIndex::Chinese ? std::move(chinese) : std::move(english);
}

// One field as written: quoted when it holds a comma, a quote, a line break or blanks at
// either end.
std::string csvField(std::string_view value);

}  // namespace mv52
