// The host implementation's files and profile functions on real files in a temporary folder.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/os/Files.h"
#include "platform/os/Profile.h"

namespace {

class PosixFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/p8-posix-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder_ = pattern;
    ini_ = folder_ + "/NV.inf";
  }
  void TearDown() override {
    for (const std::string& name : Entries()) ::unlink((folder_ + "/" + name).c_str());
    ::rmdir(folder_.c_str());
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder_.c_str());
    while (dirent* entry = dir ? ::readdir(dir) : nullptr) {
      std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    if (dir) ::closedir(dir);
    return names;
  }
  std::string Text(const std::string& path) const {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(os::ReadWholeFile(path.c_str(), bytes));
    return std::string(bytes.begin(), bytes.end());
  }
  void Put(const std::string& path, const std::string& text) {
    ASSERT_TRUE(os::WriteWholeFile(path.c_str(), std::vector<uint8_t>(text.begin(), text.end())));
  }
  std::string folder_;
  std::string ini_;
};

TEST_F(PosixFilesTest, ProfileWritesChangeOneLineOfARealFile) {
  ASSERT_TRUE(os::WritePrivateProfileStringA("COMMON", "ModelType", "1", ini_.c_str()));
  ASSERT_TRUE(os::WritePrivateProfileStringA("COMMUNICATION", "PORT", "9100", ini_.c_str()));
  ASSERT_TRUE(os::WritePrivateProfileStringA("common", "MODELTYPE", "4", ini_.c_str()));
  EXPECT_EQ(Text(ini_), "[COMMON]\r\nModelType=4\r\n[COMMUNICATION]\r\nPORT=9100\r\n");
  EXPECT_EQ(os::GetPrivateProfileIntA("COMMUNICATION", "port", 0, ini_.c_str()), 9100u);
  char buffer[255];
  os::GetPrivateProfileStringA("COMMON", "ModelName", "none", buffer, sizeof buffer, ini_.c_str());
  EXPECT_STREQ(buffer, "none");
  EXPECT_EQ(Entries(), std::vector<std::string>{"NV.inf"});  // no temporary file left behind
}

TEST_F(PosixFilesTest, ReadOnlyFilesAreNeitherRewrittenNorReplaced) {
  Put(ini_, "[COMMON]\r\nModelType=1\r\n");
  EXPECT_EQ(os::GetFileAttributesA(ini_.c_str()), os::kFileAttributeNormal);
  EXPECT_EQ(os::GetFileAttributesA(folder_.c_str()) & os::kFileAttributeDirectory,
            os::kFileAttributeDirectory);
  EXPECT_EQ(os::GetFileAttributesA((folder_ + "/missing").c_str()), os::kInvalidFileAttributes);

  ASSERT_EQ(::chmod(ini_.c_str(), 0444), 0);
  EXPECT_EQ(os::GetFileAttributesA(ini_.c_str()) & os::kFileAttributeReadOnly,
            os::kFileAttributeReadOnly);
  EXPECT_FALSE(os::WritePrivateProfileStringA("COMMON", "ModelType", "4", ini_.c_str()));
  EXPECT_FALSE(os::WriteWholeFile(ini_.c_str(), {'x'}));
  EXPECT_EQ(Text(ini_), "[COMMON]\r\nModelType=1\r\n");
}

TEST_F(PosixFilesTest, WholeFileWritesReplaceTheContentAndKeepThePermissions) {
  std::string path = folder_ + "/a.sts";
  Put(path, "old content");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  Put(path, "new");
  EXPECT_EQ(Text(path), "new");
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_FALSE(os::WriteWholeFile((folder_ + "/no-such-folder/a.sts").c_str(), {'x'}));
  std::vector<uint8_t> bytes{'z'};
  EXPECT_FALSE(os::ReadWholeFile((folder_ + "/missing").c_str(), bytes));
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(Entries(), std::vector<std::string>{"a.sts"});
}

}  // namespace
