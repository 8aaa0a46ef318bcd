// Writes PROGRAM_FOLDER/Init/<band code>_LB2424_New.dat and <band code>_LB2424.dat (with
// their channel files) from the built-in default document, for both band codes.

#include <cstdio>
#include <string>

#include "storage/data_file.h"
#include "storage/default_document.h"
#include "data/frequency.h"
#include "document/workspace.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mv52-initgen PROGRAM_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    for (const char* bandText : {mv52::kBandTextCb, mv52::kBandTextOther}) {
        auto ws = mv52::Workspace::create();
        ws->setBandText(bandText);
        mv52::applyDefaultDocument(*ws, mv52::todayDateStamp());
        for (auto kind : {mv52::InitialKind::New, mv52::InitialKind::Initial}) {
            const std::string path = mv52::initialDataFilePath(folder, bandText, kind);
            if (!mv52::saveDataFile(*ws, path)) {
                std::fprintf(stderr, "mv52-initgen: cannot write %s\n", path.c_str());
                return 1;
            }
        }
    }
    return 0;
}
