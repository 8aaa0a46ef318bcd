#pragma once
// Small conversions shared by the codecs and the editors.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mv52 {

struct Document;
struct OptionRecord;

// "A".."O", "MEM", "VFO" by work mode; a number outside the table gives "A".
std::string groupLetter(int workMode, int group);
// The group number of a shown name; 0 for a name not in the table.
int groupFromLetter(int workMode, std::string_view letter);

// 0-9 "0"-"9", 10-13 "A"-"D", 14 "*", 15 "#" (any other code as its hexadecimal digits).
std::string dtmfCodeToChar(int code);
// Code of the first character: "#" 15, "*" 14, a hexadecimal digit its value, else 16.
std::uint8_t dtmfCharToCode(std::string_view text);

// The part after the last path separator ("\" or "/").
std::string fileNameOfPath(std::string_view path);
// The part before the last separator; unchanged when there is none or it is the first character.
std::string parentFolderOfPath(std::string_view path);

// "FM", "AM", "USB", "LSB" (each when enabled), "PA" (enabled and not excluded), "CW" (enabled).
std::vector<std::string> modeList(const OptionRecord& options, bool excludePa);
// The given mode code when it is 0-4 and enabled, else the first enabled code of 0-4 (0 if none).
int validMode(const OptionRecord& options, int mode);

// Index of the item equal to `text`, else 0; -1 for an empty list.
int listIndexByText(const std::vector<std::string>& items, std::string_view text);
// `index` when 0 <= index < count, else 0; -1 for an empty list.
int listIndexByIndex(const std::vector<std::string>& items, int index);

// Channel numbers of the group's used positions, ascending: kind 0 the regular channels
// (1-40) as numbers, kind 1 the memory channels (41 and above) as "M1".."M6".
std::vector<std::string> sortedChannelList(const Document& doc, int workMode, int group, int kind);

}  // namespace mv52
