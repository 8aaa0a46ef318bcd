#pragma once
// An installation in a temporary folder with a new data file pair, radio.dat, and mv52ctl run
// in-process against it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/cli.h"
#include "support/temp_dir.h"

namespace mv52::test {

class SavedPairTest : public ::testing::Test {
protected:
    TempDir dir;
    std::ostringstream out, err;
    cli::Context ctx{dir.file("ZU_418"), out, err, LanguageIndex::English, {}};
    std::string dat;

    void SetUp() override {
        std::filesystem::create_directories(dir.file("ZU_418"));
        std::ofstream(dir.file("Version.ini")) << "[Version]\nSoftVersionCount=1\nFirmVersionCount=1\n[Firm]\nFirm0=V200V200\n";
        cli::loadInstallation(ctx);
        dat = dir.file("radio.dat");
        ASSERT_EQ(run({"new", dat}), 0) << err.str();
    }
    int run(std::initializer_list<std::string> args) {
        out.str("");
        err.str("");
        return cli::runCommandLine(cli::Args(args), ctx);
    }
};

}  // namespace mv52::test
