#include "host/SysUtils.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/Exception.h"

namespace wb {
namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A fresh directory per test, so that left-over files show.
class ReplaceFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        FDirectory = ::testing::TempDir() + "wbforms_replace_" + std::to_string(getpid()) + "_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::string command = "rm -rf '" + FDirectory + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
        ASSERT_EQ(mkdir(FDirectory.c_str(), 0755), 0);
    }
    void TearDown() override {
        std::string command = "rm -rf '" + FDirectory + "'";
        std::system(command.c_str());
    }

    std::string Path(const std::string& name) const { return FDirectory + "/" + name; }

    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        DIR* dir = opendir(FDirectory.c_str());
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        closedir(dir);
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string FDirectory;
};

TEST_F(ReplaceFileTest, CreatesAndReplacesWithNothingLeftBeside) {
    const std::string file = Path("form.dfm");
    ReplaceFile(file, "first");
    EXPECT_EQ(Slurp(file), "first");
    ReplaceFile(file, std::string("second\0with a zero byte", 23));
    EXPECT_EQ(Slurp(file), std::string("second\0with a zero byte", 23));
    ReplaceFile(file, "");
    EXPECT_EQ(Slurp(file), "");
    EXPECT_EQ(Entries(), std::vector<std::string>{"form.dfm"});
}

TEST_F(ReplaceFileTest, KeepsPermissionsAndFollowsLinks) {
    const std::string file = Path("form.dfm");
    ReplaceFile(file, "old");
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    ReplaceFile(file, "new");
    struct stat status{};
    ASSERT_EQ(stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    const std::string link = Path("link.dfm");
    ASSERT_EQ(symlink("form.dfm", link.c_str()), 0);
    ReplaceFile(link, "through the link");
    EXPECT_EQ(Slurp(file), "through the link");
    struct stat linkStatus{};
    ASSERT_EQ(lstat(link.c_str(), &linkStatus), 0);
    EXPECT_TRUE(S_ISLNK(linkStatus.st_mode)) << "the link was replaced by a file";
}

TEST_F(ReplaceFileTest, AFailureLeavesTheOldFileAndNamesIt) {
    const std::string missing = Path("no-such-directory/form.dfm");
    try {
        ReplaceFile(missing, "text");
        ADD_FAILURE() << "written";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(),
                  missing + ": cannot create a file in its directory: No such file or directory");
    }

    // A directory cannot be replaced by a file: the rename fails after the new file was written.
    const std::string directory = Path("taken");
    ASSERT_EQ(mkdir(directory.c_str(), 0755), 0);
    ReplaceFile(directory + "/inside", "kept");
    try {
        ReplaceFile(directory, "text");
        ADD_FAILURE() << "written";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), directory + ": cannot replace: Is a directory");
    }
    EXPECT_EQ(Slurp(directory + "/inside"), "kept");
    EXPECT_EQ(Entries(), std::vector<std::string>{"taken"});
}

}  // namespace
}  // namespace wb
