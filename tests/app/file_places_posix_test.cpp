// Folder permission bits, which Windows does not have.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/file_places.h"
#include "support/temp_dir.h"

namespace mv52 {
namespace {

namespace fs = std::filesystem;

TEST(FolderWritable, AReadOnlyFolderIsNotWritable) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not bind root";
    test::TempDir dir;
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(folderWritable(dir.path().string()));
}

}  // namespace
}  // namespace mv52
