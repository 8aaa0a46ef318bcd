#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "memory_file.h"
#include "radio_protocol.h"

namespace mv52::sim {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class RadioSimMemoryFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("mv52-radio-sim-memory-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, const Bytes& bytes) {
        const fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return p.string();
    }

    static Bytes pattern(std::size_t n) {
        Bytes b(n);
        for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>((i * 13 + 5) & 0xFF);
        return b;
    }

    fs::path dir_;
};

TEST_F(RadioSimMemoryFile, AcceptsTheTwoImageSizes) {
    for (std::size_t size : {kMemorySize, kMemorySize + 1}) {
        const Bytes content = pattern(size);
        Bytes memory;
        std::string error;
        ASSERT_TRUE(loadMemoryImage(write("image.bin", content), memory, error)) << size << ": " << error;
        EXPECT_EQ(memory, Bytes(content.begin(), content.begin() + kMemorySize)) << size;
    }
}

TEST_F(RadioSimMemoryFile, RejectsOtherSizesWithAReason) {
    for (std::size_t size : {std::size_t{0}, std::size_t{16}, kMemorySize - 1, kMemorySize + 2, std::size_t{32768}}) {
        Bytes memory{1, 2, 3};
        std::string error;
        const std::string path = write("image.bin", pattern(size));
        EXPECT_FALSE(loadMemoryImage(path, memory, error)) << size;
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_NE(error.find(std::to_string(size)), std::string::npos) << error;
        EXPECT_EQ(memory, (Bytes{1, 2, 3}));
    }
    Bytes memory;
    std::string error;
    EXPECT_FALSE(loadMemoryImage((dir_ / "missing.bin").string(), memory, error));
    EXPECT_NE(error.find("missing.bin"), std::string::npos) << error;
}

TEST_F(RadioSimMemoryFile, SaveReplacesTheFileWholeAndLeavesNoTemporary) {
    const std::string path = write("saved.bin", pattern(100));
    const Bytes memory = pattern(kMemorySize);
    std::string error;
    ASSERT_TRUE(saveMemoryImage(path, memory, error)) << error;
    Bytes back;
    ASSERT_TRUE(loadMemoryImage(path, back, error)) << error;
    EXPECT_EQ(back, memory);
    EXPECT_EQ(fs::file_size(path), kMemorySize);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}), 1);

    EXPECT_FALSE(saveMemoryImage((dir_ / "no-such-dir" / "saved.bin").string(), memory, error));
    EXPECT_FALSE(error.empty());
}

TEST_F(RadioSimMemoryFile, FactoryMemoryIsAFullEncodedImage) {
    const Bytes memory = factoryMemory();
    ASSERT_EQ(memory.size(), kMemorySize);
    // The encoder zeroes 0x4600-0x4900 before building its bitmaps and leaves unassigned
    // bytes at 0xFF; a memory that shows neither was not built over the pre-transfer fill.
    EXPECT_NE(std::count(memory.begin(), memory.end(), 0xFF), 0);
    EXPECT_EQ(memory[0x480A], 0x00);
    EXPECT_EQ(memory[0x4380], 0xFF);
    EXPECT_EQ(memory, factoryMemory());
}

}  // namespace
}  // namespace mv52::sim
