// The Windows file system as the sound rows and the target search see it; built only for Windows.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "win32_file_system.h"

namespace orvane {
namespace {

class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    folder_ = std::string(temp) + "orvane_fs_test_" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
  }
  void TearDown() override {
    for (const char* name : {"a.wav", "hidden.wav", "system.wav", "page.htm"}) {
      std::string path = folder_ + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
    RemoveDirectoryA((folder_ + "\\sub").c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
  static std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  std::string folder_;
  Win32FileSystem fs_;
};

TEST_F(Win32FileSystemTest, AttributesTellOrdinaryHiddenSystemAndFolders) {
  ASSERT_TRUE(fs_.WriteTextFile(Path("a.wav"), "x"));
  ASSERT_TRUE(fs_.WriteTextFile(Path("hidden.wav"), "x"));
  ASSERT_TRUE(fs_.WriteTextFile(Path("system.wav"), "x"));
  ASSERT_TRUE(SetFileAttributesA(Path("hidden.wav").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesA(Path("system.wav").c_str(), FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(CreateDirectoryA(Path("sub").c_str(), nullptr));

  auto plain = fs_.GetAttributes(Path("a.wav"));
  ASSERT_TRUE(plain.has_value());
  EXPECT_TRUE(plain->Ordinary());
  EXPECT_FALSE(plain->Directory);
  auto hidden = fs_.GetAttributes(Path("hidden.wav"));
  ASSERT_TRUE(hidden.has_value());
  EXPECT_TRUE(hidden->Hidden);
  EXPECT_FALSE(hidden->Ordinary());
  auto system = fs_.GetAttributes(Path("system.wav"));
  ASSERT_TRUE(system.has_value());
  EXPECT_TRUE(system->System);
  EXPECT_FALSE(system->Ordinary());
  auto sub = fs_.GetAttributes(Path("sub"));
  ASSERT_TRUE(sub.has_value());
  EXPECT_TRUE(sub->Directory);
  EXPECT_FALSE(fs_.GetAttributes(Path("missing.wav")).has_value());
}

TEST_F(Win32FileSystemTest, ListFolderWithOrWithoutSeparatorSkipsDotEntries) {
  ASSERT_TRUE(fs_.WriteTextFile(Path("a.wav"), "x"));
  ASSERT_TRUE(CreateDirectoryA(Path("sub").c_str(), nullptr));
  for (const std::string& folder : {folder_, folder_ + "\\"}) {
    auto entries = fs_.ListFolder(folder);
    ASSERT_EQ(entries.size(), 2u) << folder;
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.Name < b.Name; });
    EXPECT_EQ(entries[0].Name, "a.wav");
    EXPECT_FALSE(entries[0].Attributes.Directory);
    EXPECT_EQ(entries[1].Name, "sub");
    EXPECT_TRUE(entries[1].Attributes.Directory);
  }
  EXPECT_TRUE(fs_.ListFolder(Path("missing")).empty());
}

TEST_F(Win32FileSystemTest, WriteReplacesAndDeleteRemovesOnce) {
  ASSERT_TRUE(fs_.WriteTextFile(Path("page.htm"), "a longer first content"));
  ASSERT_TRUE(fs_.WriteTextFile(Path("page.htm"), "<html></html>"));
  EXPECT_EQ(ReadAll(Path("page.htm")), "<html></html>");
  EXPECT_TRUE(fs_.DeleteFile(Path("page.htm")));
  EXPECT_FALSE(fs_.GetAttributes(Path("page.htm")).has_value());
  EXPECT_FALSE(fs_.DeleteFile(Path("page.htm")));
  EXPECT_FALSE(fs_.WriteTextFile(Path("missing\\page.htm"), "x"));
}

}  // namespace
}  // namespace orvane
#endif  // _WIN32
