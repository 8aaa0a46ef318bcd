#include "data/tone_codes.h"

#include <cstdio>

#include "data/numeric.h"

namespace mv52 {

const std::array<const char*, 3> kToneTypeNames = {"Off", "CTCSS", "DCS"};

const std::array<double, kCtcssCount> kCtcssTones = {
    67.0,  71.9,  74.4,  77.0,  79.7,  82.5,  85.4,  88.5,  91.5,  94.8,  97.4,  100.0, 103.5,
    107.2, 110.9, 114.8, 118.8, 123.0, 127.3, 131.8, 136.5, 141.3, 146.2, 151.4, 156.7, 162.2,
    167.9, 173.8, 179.9, 186.2, 192.8, 203.5, 210.7, 218.1, 225.7, 233.6, 241.8, 250.3};

const std::array<int, kDcsCount> kDcsCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

std::string ctcssListText(int index) {
    if (index < 0 || index >= kCtcssCount) index = 0;
    char number[8];
    std::snprintf(number, sizeof number, "%03d", index + 1);
    // formatFixed, not printf: the decimal point must not follow the process locale.
    return std::string("C_") + number + "(" + formatFixed(kCtcssTones[static_cast<std::size_t>(index)], 1) + "Hz)";
}

std::string dcsListText(int index) {
    if (index < 0 || index >= kDcsCount) index = 0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "D_%03d(%03dN)", index + 1, kDcsCodes[static_cast<std::size_t>(index)]);
    return buf;
}

std::string toneTypeText(int toneType) {
    if (toneType < 0 || toneType > 2) toneType = 0;
    return kToneTypeNames[static_cast<std::size_t>(toneType)];
}

}  // namespace mv52
