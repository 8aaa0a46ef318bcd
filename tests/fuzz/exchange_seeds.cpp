// Writes seed inputs for the exchange fuzz targets: a group's channel list, a file of the
// other programmer's own columns, and a few-KB configuration text cut from an export.

#include <filesystem>
#include <fstream>
#include <string>

#include "document/workspace.h"
#include "exchange/config_yaml.h"
#include "exchange/csv_channels.h"
#include "storage/default_document.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc != 2) return 2;
    const fs::path root = argv[1];
    fs::create_directories(root / "csv_import_fuzz");
    fs::create_directories(root / "config_import_fuzz");
    auto ws = mv52::Workspace::create();
    mv52::buildStartupDocument(*ws, "20261210", "/nonexistent");

    // The group byte first: CB A.
    std::ofstream(root / "csv_import_fuzz" / "export", std::ios::binary) << '\0' << mv52::exportChannelsCsv(ws->current, 0, 1);
    std::ofstream(root / "csv_import_fuzz" / "other", std::ios::binary)
        << '\3' << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,"
                   "Comment\r\n2,\"Net, evening\",28.400000,-,0.100000,Tone,100.0,88.5,023,NN,USB,5.00,,\r\n"
                   "5,Rpt,29.620000,,0.000000,TSQL,88.5,123.0,023,NN,FM,5.00,S,PA\r\n"
                   "6,,28.500000,,0.000000,Cross,88.5,88.5,754,NN,LSB,5.00,,\r\n";

    // The options, the first roger entry and group CB A of an export, with one stored run.
    const std::string full = mv52::exportConfigYaml(ws->current);
    const std::size_t dtmf = full.find("DTMF:");
    const std::size_t roger = full.find("Roger beep:");
    const std::size_t rogerEnd = full.find("  RB Tone 2:");
    const std::size_t groupA = full.find("  CB A:");
    const std::size_t groupB = full.find("  CB B:");
    if (dtmf == std::string::npos || roger == std::string::npos || rogerEnd == std::string::npos ||
        groupA == std::string::npos || groupB == std::string::npos)
        return 1;
    std::ofstream(root / "config_import_fuzz" / "cut", std::ios::binary)
        << full.substr(0, dtmf) << full.substr(roger, rogerEnd - roger) << "Channels:\n"
        << full.substr(groupA, groupB - groupA) << "Stored:\n  Data file:\n    \"157\": \"3230323631323130\"\n";
    return 0;
}
