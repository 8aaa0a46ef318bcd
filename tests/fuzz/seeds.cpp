// Writes seed inputs for the fuzz targets: the start-up document as a data file input and as
// an encoded radio image.

#include <filesystem>
#include <fstream>
#include <iterator>
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
    return 0;
}
