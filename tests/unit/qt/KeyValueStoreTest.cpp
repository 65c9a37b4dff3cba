#include "framework/SystemServices.h"
#include "platform/qt/KeyValueStore.h"
#include "unit/qt/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

constexpr const char* VER = "Software\\Shareware\\Kaleidra\\3.0\\ver";

class KeyValueStoreTest : public ::testing::Test {
protected:
    TempFolder folder;
    KeyValueStore store{folder.Path() / "kaleidra" / "settings.reg"};
};

}  // namespace

TEST_F(KeyValueStoreTest, ReadsBackWhatItWroteInAFolderItCreated) {
    EXPECT_FALSE(store.Get("a\\b"));
    ASSERT_TRUE(store.Set("a\\b", "one"));
    ASSERT_TRUE(store.Set("a\\c", "two"));
    ASSERT_TRUE(store.Set("A\\B", "three"));  // the same key, whatever its case
    EXPECT_EQ(store.Get("a\\b"), "three");
    EXPECT_EQ(store.Get("A\\c"), "two");
}

TEST_F(KeyValueStoreTest, TextsWithQuotesBackslashesAndLineBreaksSurvive) {
    const std::string text = "say \"hi\"\\\r\nnext line\\n";
    ASSERT_TRUE(store.Set("k", text));
    EXPECT_EQ(store.Get("k"), text);
    EXPECT_EQ(KeyValueStore::Parse(KeyValueStore::Format({{"k", text}})),
              (KeyValueStore::Entries{{"k", text}}));
}

TEST_F(KeyValueStoreTest, CommentsAndStrayLinesInAnEditedFileAreSkipped) {
    EXPECT_EQ(KeyValueStore::Parse("; note\n[a]\r\n@=\"1\"\r\n\nnoise\n[b]\n[c]\n@=\"3\"\n@=\"orphan\"\n"),
              (KeyValueStore::Entries{{"a", "1"}, {"c", "3"}}));
}

TEST_F(KeyValueStoreTest, AWriteReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(store.Set("k", "old"));
    struct stat before {};
    ASSERT_EQ(::stat(store.File().c_str(), &before), 0);
    ASSERT_TRUE(store.Set("k", "new"));
    struct stat after {};
    ASSERT_EQ(::stat(store.File().c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino);  // renamed into place, not rewritten in place
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(store.File().parent_path()), {}), 1);
}

TEST_F(KeyValueStoreTest, AFailedWriteSaysWhyAndTheOldFileStays) {
    ASSERT_TRUE(store.Set("k", "old"));
    // A folder in the file's place: the new file is written, then can't be renamed there.
    KeyValueStore blocked(store.File().parent_path() / "blocked");
    std::filesystem::create_directories(blocked.File());
    errno = 0;
    EXPECT_FALSE(blocked.Set("k", "new"));
    EXPECT_EQ(errno, EISDIR);
    EXPECT_EQ(store.Get("k"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(store.File().parent_path()), {}), 2);
}

TEST(Registry, KeepsTheRegistrysSizeRulesInTheUsersConfigFolder) {
    TempFolder config;
    ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    EXPECT_EQ(fw::RegSetValueA(HKEY_LOCAL_MACHINE, VER, 3, "x", 2), 87);  // only texts
    ASSERT_EQ(fw::RegSetValueA(HKEY_LOCAL_MACHINE, VER, REG_SZ, "3.0", 4), ERROR_SUCCESS);
    char text[8] = "unset";
    LONG size = 3;  // one byte short of "3.0" and its zero
    EXPECT_EQ(fw::RegQueryValueA(HKEY_LOCAL_MACHINE, VER, text, &size), static_cast<LONG>(ERROR_MORE_DATA));
    EXPECT_EQ(size, 4);
    EXPECT_STREQ(text, "unset");
    EXPECT_EQ(fw::RegQueryValueA(HKEY_LOCAL_MACHINE, VER, text, &size), ERROR_SUCCESS);
    EXPECT_STREQ(text, "3.0");
    EXPECT_EQ(fw::RegQueryValueA(HKEY_CURRENT_USER, VER, text, &size), static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(std::filesystem::exists(config.Path() / "kaleidra" / "settings.reg"));
    ::unsetenv("XDG_CONFIG_HOME");
}
