// Writes seed inputs for the fuzz targets: the start-up document as a data file input and as
// an encoded radio image, link sessions that run to their end, and the installed settings and
// version files.

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "storage/codec.h"
#include "storage/data_file.h"
#include "storage/default_document.h"
#include "document/workspace.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc != 2) return 2;
    const fs::path root = argv[1];
    fs::create_directories(root / "data_file_fuzz");
    fs::create_directories(root / "image_decode_fuzz");
    fs::create_directories(root / "link_session_fuzz");
    fs::create_directories(root / "settings_file_fuzz");

    auto ws = mv52::Workspace::create();
    mv52::buildStartupDocument(*ws, "20261210", "/nonexistent");
    ws->current.appendChannel(0, 16, 99, "28.5");
    const fs::path pair = root / "pair.dat";
    if (!mv52::saveDataFile(*ws, pair.string())) return 1;

    auto slurp = [](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const std::vector<char> dat = slurp(pair);
    const std::vector<char> fre = slurp(root / "pair.fre");
    {
        std::ofstream out(root / "data_file_fuzz" / "startup", std::ios::binary);
        const auto split = static_cast<unsigned>(dat.size());
        out.put(static_cast<char>(split & 0xFF)).put(static_cast<char>(split >> 8));
        out.write(dat.data(), static_cast<std::streamsize>(dat.size()));
        out.write(fre.data(), static_cast<std::streamsize>(fre.size()));
    }
    ws->image.preTransferFill();
    mv52::encodeDocument(*ws);
    std::ofstream img(root / "image_decode_fuzz" / "startup", std::ios::binary);
    img.write(reinterpret_cast<const char*>(ws->image.bytes().data()), mv52::RadioImage::kSize);

    // Link sessions: the first byte chooses read, write or write with read-back; event 1 with
    // 255 lets the radio answer 2,048 times.
    auto session = [&](const char* name, std::initializer_list<unsigned char> bytes) {
        std::ofstream out(root / "link_session_fuzz" / name, std::ios::binary);
        for (unsigned char b : bytes) out.put(static_cast<char>(b));
    };
    session("read", {0, 1, 255});
    session("write", {1, 1, 255});
    session("write-verify", {2, 1, 255, 1, 255});
    session("wrong-model", {0x10, 1, 8});
    session("timeouts", {0, 2, 2, 2, 1, 1, 8, 2, 1});

    // The installed settings and version files, as the settings reader meets them.
    const std::string settings = "[language]\r\nIsFirstRun=1\r\ncomPort=1\r\nHandshaking=0\r\nStopBit=0\r\nCurrentLanguage=1\r\n";
    const std::string versions = "[Version]\r\nCurrentVersion=V200\r\nSoftVersionCount=1\r\nFirmVersionCount=1\r\n"
                                 "[Soft]\r\nVersion0=V200\r\n[Firm]\r\nFirm0=V200V200\r\n";
    std::ofstream ini(root / "settings_file_fuzz" / "installed", std::ios::binary);
    ini.put(1).put(static_cast<char>(settings.size() & 0xFF)).put(static_cast<char>(settings.size() >> 8));
    ini << settings << versions;
    return 0;
}
