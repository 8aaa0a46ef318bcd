#pragma once
// Small conversions shared by the codecs and the editors.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mv52 {

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

// Index of the item equal to `text`, else 0; -1 for an empty list.
int listIndexByText(const std::vector<std::string>& items, std::string_view text);
// `index` when 0 <= index < count, else 0; -1 for an empty list.
int listIndexByIndex(const std::vector<std::string>& items, int index);

}  // namespace mv52
