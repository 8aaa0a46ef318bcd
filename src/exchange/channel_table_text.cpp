#include "exchange/channel_table_text.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "channels/channel_table_model.h"
#include "data/groups.h"
#include "data/numeric.h"
#include "exchange/csv_channels.h"
#include "exchange/csv_reader.h"

namespace mv52 {
namespace {

using C = TableColumn;

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Records of tab-separated text (a spreadsheet's copy) or of comma-separated text.
std::vector<std::vector<std::string>> records(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    const bool tabs = text.substr(0, end).find('\t') != std::string_view::npos;
    std::vector<std::vector<std::string>> out;
    if (!tabs) {
        for (CsvRecord& r : readCsv(text).records) out.push_back(std::move(r.fields));
        return out;
    }
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        std::vector<std::string> fields;
        for (std::size_t at = 0;;) {
            const std::size_t tab = line.find('\t', at);
            fields.emplace_back(line.substr(at, tab == std::string_view::npos ? std::string_view::npos : tab - at));
            if (tab == std::string_view::npos) break;
            at = tab + 1;
        }
        out.push_back(std::move(fields));
        if (out.size() > kCsvMaxRecords) break;  // the import refuses the rest by its own limit
    }
    return out;
}

std::string joined(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& f : fields) line += (line.empty() ? "" : ",") + csvField(f);
    return line + "\r\n";
}

bool isOff(std::string_view tone) { return tone.empty() || sameIgnoringCase(tone, "off"); }
bool isDcs(std::string_view tone) { return !tone.empty() && (tone.front() == 'D' || tone.front() == 'd'); }
// "D023N" as the list's DtcsCode "023"; anything else as it is, for the reader to name.
std::string dcsCode(std::string_view tone) {
    std::string_view code = tone.substr(1);
    if (!code.empty() && (code.back() == 'N' || code.back() == 'n')) code.remove_suffix(1);
    return std::string(code);
}

// The list's tone columns for the table's two tone items.
void toneColumns(std::string_view tx, std::string_view rx, std::map<std::string, std::string>& out) {
    if (isOff(tx) && isOff(rx)) return;
    if (!isOff(tx) && !isDcs(tx) && isOff(rx)) {
        out["Tone"] = "Tone";
        out["rToneFreq"] = tx;
    } else if (!isOff(tx) && !isDcs(tx) && tx == rx) {
        out["Tone"] = "TSQL";
        out["cToneFreq"] = tx;
    } else if (isDcs(tx) && tx == rx) {
        out["Tone"] = "DTCS";
        out["DtcsCode"] = dcsCode(tx);
        out["RxDtcsCode"] = dcsCode(rx);
    } else {
        out["Tone"] = "Cross";
        const auto side = [](std::string_view t) { return isOff(t) ? "" : isDcs(t) ? "DTCS" : "Tone"; };
        out["CrossMode"] = std::string(side(tx)) + "->" + side(rx);
        if (!isOff(tx)) (isDcs(tx) ? out["DtcsCode"] : out["rToneFreq"]) = isDcs(tx) ? dcsCode(tx) : std::string(tx);
        if (!isOff(rx)) (isDcs(rx) ? out["RxDtcsCode"] : out["cToneFreq"]) = isDcs(rx) ? dcsCode(rx) : std::string(rx);
    }
}

}  // namespace

std::optional<std::string> tableTextToCsv(std::string_view text, int workMode, int group, int firstRow) {
    const std::vector<std::vector<std::string>> rows = records(text);
    if (rows.empty()) return std::nullopt;
    const std::vector<std::string>& header = rows.front();
    const bool listColumns = std::any_of(header.begin(), header.end(), [](const std::string& h) { return sameIgnoringCase(h, "Location"); });
    const std::size_t end = text.find_first_of("\r\n");
    const bool tabs = text.substr(0, end).find('\t') != std::string_view::npos;
    // The channel list itself goes to its reader as it is, with every line where it was.
    if (listColumns && !tabs) return std::string(text);
    if (listColumns) {
        std::string csv;
        for (const std::vector<std::string>& r : rows) csv += joined(r);
        return csv;
    }
    std::vector<std::optional<TableColumn>> columns;
    for (const std::string& h : header) columns.push_back(tableColumnByLabel(h));
    if (std::find(columns.begin(), columns.end(), std::optional<TableColumn>(C::Frequency)) == columns.end())
        return std::nullopt;
    const auto has = [&](TableColumn c) { return std::find(columns.begin(), columns.end(), std::optional<TableColumn>(c)) != columns.end(); };

    // The list's columns this text fills: the location and frequency always, the rest as present.
    std::vector<std::string> out = {"Location", "Frequency"};
    if (has(C::Mode)) out.insert(out.end(), {"Mode", "Comment"});
    if (has(C::TxTone) || has(C::RxTone))
        out.insert(out.end(), {"Tone", "rToneFreq", "cToneFreq", "DtcsCode", "RxDtcsCode", "CrossMode"});
    if (has(C::Rep)) out.push_back("Duplex");
    if (has(C::Scan)) out.push_back("Skip");
    for (const C c : {C::Busy, C::NbAnl, C::Echo, C::HiCut, C::Add10K, C::Public, C::Roger, C::Bot, C::Eot, C::Call})
        if (has(c)) out.push_back(tableColumnLabel(c, LanguageIndex::English));
    std::string csv = joined(out);

    for (std::size_t i = 1; i < rows.size(); ++i) {
        std::map<C, std::string> cell;
        for (std::size_t k = 0; k < columns.size() && k < rows[i].size(); ++k)
            if (columns[k]) cell[*columns[k]] = rows[i][k];
        std::map<std::string, std::string> values;
        std::string location = cell.count(C::Name) ? cell[C::Name] : std::to_string(firstRow + static_cast<int>(i) - 1);
        if (isMemGroup(workMode, group) && !location.empty() && (location.front() == 'M' || location.front() == 'm'))
            location.erase(0, 1);
        values["Location"] = location;
        values["Frequency"] = cell[C::Frequency];
        if (has(C::Mode)) {
            // The list writes PA as FM with the comment PA.
            const bool pa = sameIgnoringCase(cell[C::Mode], "PA");
            values["Mode"] = pa ? "FM" : cell[C::Mode];
            values["Comment"] = pa ? "PA" : "";
        }
        toneColumns(cell[C::TxTone], cell[C::RxTone], values);
        if (has(C::Rep)) values["Duplex"] = sameIgnoringCase(cell[C::Rep], "off") ? "" : cell[C::Rep];
        if (has(C::Scan)) values["Skip"] = sameIgnoringCase(cell[C::Scan], "del") ? "S" : "";
        for (const C c : {C::Busy, C::NbAnl, C::Echo, C::HiCut, C::Add10K, C::Public, C::Roger, C::Bot, C::Eot, C::Call})
            if (has(c)) values[tableColumnLabel(c, LanguageIndex::English)] = cell[c];
        std::vector<std::string> fields;
        for (const std::string& column : out) fields.push_back(values[column]);
        csv += joined(fields);
    }
    return csv;
}

ImportResult pasteTableText(Document& doc, int workMode, int group, int firstRow, std::string_view text,
                            LanguageIndex language) {
    if (text.size() > kCsvMaxBytes) {
        ImportResult result;
        result.refusals.push_back({1, inLanguage(language, "the text is too long", "文本太长")});
        return result;
    }
    const std::size_t end = text.find_first_of("\r\n");
    if (text.substr(0, end).find('\t') == std::string_view::npos) {
        // Comma-separated: the reader's own faults (an open quote, a line too long) are said,
        // not passed over.
        CsvText read = readCsv(text, language);
        if (!read.faults.empty()) {
            ImportResult result;
            for (const CsvFault& f : read.faults) result.refusals.push_back({f.line, f.reason});
            return result;
        }
    }
    const std::optional<std::string> csv = tableTextToCsv(text, workMode, group, firstRow);
    if (!csv) {
        ImportResult result;
        result.refusals.push_back({1, inLanguage(language,
                                                 "the first line names no Frequency column (the table's headers, or "
                                                 "the channel list's Location and Frequency)",
                                                 "第一行没有频率列（表格的列名，或信道列表的 Location 和 Frequency）")});
        return result;
    }
    return importChannelsCsv(doc, workMode, group, *csv, language);
}

}  // namespace mv52
