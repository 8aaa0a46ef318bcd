#include "exchange/csv_reader.h"

namespace mv52 {
namespace {

class Reader {
public:
    Reader(std::string_view text, LanguageIndex language) : text_(text), language_(language) {}

    CsvText read() {
        CsvText out;
        if (text_.size() > kCsvMaxBytes) {
            out.faults.push_back({1, say("the file is larger than " + std::to_string(kCsvMaxBytes / 1024) +
                                             " KB; a channel list is far smaller",
                                         "文件大于 " + std::to_string(kCsvMaxBytes / 1024) + " KB；信道列表远小于此")});
            return out;
        }
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;  // a spreadsheet's byte order mark
        while (pos_ < text_.size()) {
            CsvRecord record;
            record.line = line_;
            std::string reason = readRecord(record.fields);
            if (!reason.empty()) {
                out.faults.push_back({record.line, std::move(reason)});
                skipRestOfLine();
            } else if (!(record.fields.size() == 1 && record.fields[0].empty())) {
                if (out.records.size() == kCsvMaxRecords) {
                    out.faults.push_back({record.line, say("more than " + std::to_string(kCsvMaxRecords) + " rows",
                                                           "超过 " + std::to_string(kCsvMaxRecords) + " 行")});
                    return out;
                }
                out.records.push_back(std::move(record));
            }
        }
        return out;
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }

    // Consumes a line end at pos_ (CR LF, LF or a lone CR); true when there was one.
    bool takeLineEnd() {
        if (atEnd()) return false;
        if (peek() == '\n') {
            ++pos_;
        } else if (peek() == '\r') {
            ++pos_;
            if (!atEnd() && peek() == '\n') ++pos_;
        } else {
            return false;
        }
        ++line_;
        return true;
    }

    void skipRestOfLine() {
        while (!atEnd() && peek() != '\n' && peek() != '\r') ++pos_;
        takeLineEnd();
    }

    // One record up to and including its line end; a reason when it is malformed.
    std::string readRecord(std::vector<std::string>& fields) {
        for (;;) {
            if (fields.size() == kCsvMaxFields)
                return say("more than " + std::to_string(kCsvMaxFields) + " columns",
                           "超过 " + std::to_string(kCsvMaxFields) + " 列");
            std::string field;
            std::string reason = !atEnd() && peek() == '"' ? readQuoted(field) : readPlain(field);
            if (!reason.empty()) return reason;
            fields.push_back(std::move(field));
            if (atEnd() || takeLineEnd()) return {};
            ++pos_;  // the comma
        }
    }

    std::string readPlain(std::string& field) {
        while (!atEnd() && peek() != ',' && peek() != '\n' && peek() != '\r') {
            if (peek() == '"') return say("a quote inside a field that does not start with one", "字段中间出现引号，而字段不以引号开头");
            if (field.size() == kCsvMaxFieldBytes) return tooLong();
            field += text_[pos_++];
        }
        return {};
    }

    std::string readQuoted(std::string& field) {
        const int startLine = line_;
        ++pos_;
        for (;;) {
            if (atEnd()) {
                line_ = startLine;
                return say("a quoted field is not closed", "带引号的字段没有结束引号");
            }
            const char c = text_[pos_++];
            if (c == '"') {
                if (!atEnd() && peek() == '"') {
                    ++pos_;
                } else {
                    if (!atEnd() && peek() != ',' && peek() != '\n' && peek() != '\r')
                        return say("text after the closing quote of a field", "字段的结束引号后还有文字");
                    return {};
                }
            } else if (c == '\n' || (c == '\r' && (atEnd() || peek() != '\n'))) {
                ++line_;
            }
            if (field.size() == kCsvMaxFieldBytes) return tooLong();
            field += c;
        }
    }

    std::string tooLong() const {
        return say("a field longer than " + std::to_string(kCsvMaxFieldBytes) + " characters",
                   "字段长于 " + std::to_string(kCsvMaxFieldBytes) + " 个字符");
    }
    std::string say(std::string english, std::string chinese) const {
        return inLanguage(language_, std::move(english), std::move(chinese));
    }

    std::string_view text_;
    LanguageIndex language_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

CsvText readCsv(std::string_view text, LanguageIndex language) { return Reader(text, language).read(); }

std::string csvField(std::string_view value) {
    const bool quote = value.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!value.empty() && (value.front() == ' ' || value.back() == ' '));
    if (!quote) return std::string(value);
    std::string out = "\"";
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace mv52
