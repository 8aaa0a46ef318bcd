#pragma once
// Lists of the channels a group holds, as the editors offer them.

#include <string>
#include <vector>

namespace mv52 {

struct Document;

// Channel numbers of the group's used positions, ascending: kind 0 the regular channels
// (1-40) as numbers, kind 1 the memory channels (41 and above) as "M1".."M6".
std::vector<std::string> sortedChannelList(const Document& doc, int workMode, int group, int kind);

// The grid's name of row `row`: "7", or "M7" in the MEM group.
std::string gridRowName(int workMode, int group, int row);

}  // namespace mv52
