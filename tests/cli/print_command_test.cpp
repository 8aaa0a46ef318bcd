// mv52ctl print end to end: the PDF it writes holds the header and every channel's frequency
// of the valid groups as text, with its fonts embedded, in both languages; and what it does
// with a file it cannot load or write, and with wrong usage.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "data/frequency.h"
#include "exchange/exchange_documents.h"
#include "storage/data_file.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

class PrintCommand : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string dat = dir.file("shop.dat");

    void SetUp() override {
        full = test::fullDocument();
        // A frequency of its own for every channel, so that a group left out is missed.
        Document& d = full->current;
        forEachGroup([&](int m, int g) {
            const double base = m == kWorkModeCb && g >= 13 && g <= 15 ? 21.0 : 28.0 + 0.5 * m;
            for (int p = 1; p <= d.count(m, g); ++p) {
                ChannelRecord& c = d.channels.slot(m, g, p);
                char text[16];
                std::snprintf(text, sizeof text, "%.5f", base + 0.025 * g + 0.0005 * c.ChannelNumber);
                c.RxFrequency.set(enteredToStored(text, 0.0));
            }
        });
        ASSERT_TRUE(saveDataFileCopy(*full, dat));
    }

    // Runs mv52ctl with its output in out.txt; the exit status.
    int ctl(const std::string& args) {
        const int raw = std::system((std::string(MV52_MV52CTL) + " " + args + " > " + dir.file("out.txt") + " 2>&1").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::string run(const std::string& command) {
        const std::string file = dir.file("tool.txt");
        if (std::system((command + " > " + file + " 2>&1").c_str()) != 0) ADD_FAILURE() << command;
        return slurp(file);
    }
    static std::string slurp(const std::string& path) {
        std::ifstream in(path);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The frequency of every channel of every valid group, as the grid shows it.
    std::set<std::string> validFrequencies() const {
        auto ws = Workspace::create();
        *ws = *full;
        std::set<std::string> out;
        forEachGroup([&](int m, int g) {
            if (groupCapacity(m, g) == 40 && ws->current.options().groupEnabled.at(m, g) == 0) return;
            test::showGroup(*ws, m, g);
            for (int p = 1; p <= ws->current.count(m, g); ++p) {
                const ChannelRecord& c = ws->current.channels.slot(m, g, p);
                if (c.ChannelNumber <= groupCapacity(m, g))
                    out.insert(storedToDisplay(c.RxFrequency.upToNul(), ws->bandLimits.lower).text);
            }
        });
        return out;
    }

    std::unique_ptr<Workspace> full;
};

TEST_F(PrintCommand, ThePdfHoldsTheHeaderAndEveryFrequencyWithItsFontsEmbedded) {
    struct Case {
        const char* lang;
        const char* page;   // page 1's header
        const char* words;  // a caption of the sheet in the language
        bool cjkFont;
    };
    const Case cases[] = {
        {"en", "Page 1 of ", "Optional Features", false},
        {"zh", "第 1 页，共 ", "可选功能", true},
    };
    const std::set<std::string> frequencies = validFrequencies();
    ASSERT_GT(frequencies.size(), 60u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        const std::string pdf = dir.file(std::string("sheet-") + c.lang + ".pdf");
        ASSERT_EQ(ctl(std::string("print ") + dat + " " + pdf + " --lang " + c.lang), 0) << slurp(dir.file("out.txt"));
        ASSERT_TRUE(fs::exists(pdf));
        const std::string text = run("pdftotext -layout " + pdf + " -");
        EXPECT_NE(text.find("MV52"), std::string::npos);
        EXPECT_NE(text.find("shop.dat"), std::string::npos);
        EXPECT_NE(text.find(c.page), std::string::npos) << text.substr(0, 400);
        EXPECT_NE(text.find(c.words), std::string::npos);
        // Searchable as typed: no ligature stands for "ff" or "fi".
        EXPECT_EQ(text.find("\xEF\xAC"), std::string::npos);
        for (const std::string& f : frequencies) EXPECT_NE(text.find(f), std::string::npos) << f;

        // Every font embedded: the "emb" column of each font line says yes.
        const std::string fonts = run("pdffonts " + pdf);
        std::istringstream lines(fonts);
        std::string line;
        int fontLines = 0;
        bool cjk = false;  // the Chinese font: only where Chinese text is
        while (std::getline(lines, line)) {
            if (line.rfind("name", 0) == 0 || line.rfind("----", 0) == 0 || line.empty()) continue;
            ++fontLines;
            EXPECT_NE(line.find("Identity-H       yes"), std::string::npos) << line;
            if (line.find("WenQuanYi") != std::string::npos) cjk = true;
        }
        EXPECT_GE(fontLines, 2) << fonts;
        EXPECT_EQ(cjk, c.cjkFont) << fonts;
    }
}

TEST_F(PrintCommand, GroupsNamedLeaveTheOthersOut) {
    const std::string pdf = dir.file("two.pdf");
    ASSERT_EQ(ctl("print " + dat + " " + pdf + " --groups CB:B,HAM:MEM"), 0) << slurp(dir.file("out.txt"));
    const std::string text = run("pdftotext " + pdf + " -");
    EXPECT_NE(text.find("Band -- B"), std::string::npos);
    EXPECT_NE(text.find("Band -- MEM"), std::string::npos);
    EXPECT_EQ(text.find("Band -- A"), std::string::npos);
    EXPECT_EQ(text.find("Band -- C"), std::string::npos);
}

TEST_F(PrintCommand, FailuresLeaveNothingBehindAndUsageIsChecked) {
    struct Case {
        std::string args;
        int status;
    };
    const std::string out = dir.file("out.pdf");
    const Case cases[] = {
        {"print " + dir.file("missing.dat") + " " + out, 1},
        {"print " + dat + " " + dir.file("no/such/folder/out.pdf"), 1},
        {"print " + dat, 2},
        {"print " + dat + " " + out + " extra", 2},
        {"print " + dat + " " + out + " --groups CB:Z", 2},
        {"print " + dat + " " + out + " --groups", 2},
        {"print " + dat + " " + out + " --colour", 2},
        {"print " + dat + " " + out + " --lang fr", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(ctl(c.args), c.status) << slurp(dir.file("out.txt"));
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_FALSE(fs::exists(dir.file("no")));
    // Only the pair and the command's own output are in the folder: no temporary file stays.
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.insert(e.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"shop.dat", "shop.fre", "out.txt"}));
}

}  // namespace
}  // namespace mv52
