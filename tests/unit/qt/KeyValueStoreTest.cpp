#include "platform/qt/KeyValueStore.h"
#include "support/FaultInjection.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class KeyValueStoreTest : public ::testing::Test {
protected:
    TestFolder folder{"settings"};
    KeyValueStore store{folder.Path() / "kaleidra" / "settings.reg"};
};

}  // namespace

// A person's comments and lines the store does not understand are skipped when read, and
// kept as they are when a value is written.
TEST_F(KeyValueStoreTest, CommentsAndStrayLinesInAnEditedFileAreSkippedAndKept) {
    const std::string edited = "; note\n[a]\r\n@=\"1\"\r\n\nnoise\n[b]\n[c]\n@=\"3\"\n@=\"orphan\"";
    EXPECT_EQ(KeyValueStore::Parse(edited), (KeyValueStore::Entries{{"a", "1"}, {"c", "3"}}));
    EXPECT_EQ(KeyValueStore::WithValue(edited, "A", "2"),
              "; note\n[a]\r\n@=\"2\"\r\n\nnoise\n[b]\n[c]\n@=\"3\"\n@=\"orphan\"");
    EXPECT_EQ(KeyValueStore::WithValue(edited, "d", "4"), edited + "\n\n[d]\n@=\"4\"\n");
}

// A settings file that can't be read (here a named pipe, which must not hang the program
// either) is left alone: writing over it would lose every other setting.
TEST_F(KeyValueStoreTest, AFileThatCantBeReadIsNeverReplaced) {
    std::filesystem::create_directories(store.File().parent_path());
    ASSERT_EQ(::mkfifo(store.File().c_str(), 0600), 0);
    EXPECT_EQ(store.Get("k"), std::nullopt);
    errno = 0;
    EXPECT_FALSE(store.Set("k", "new"));
    EXPECT_EQ(errno, EINVAL);
    EXPECT_TRUE(std::filesystem::is_fifo(store.File()));
}

// Texts with quotes, backslashes and line breaks survive under a key of any case.
TEST_F(KeyValueStoreTest, AWriteReplacesTheFileWholeOrSaysWhyAndLeavesNoTemporaryFile) {
    const std::string text = "say \"hi\"\\\r\nnext line\\n";
    ASSERT_TRUE(store.Set("k", text));
    EXPECT_EQ(store.Get("K"), text);  // read back from the file, the same key whatever its case
    struct stat before {};
    ASSERT_EQ(::stat(store.File().c_str(), &before), 0);
    ASSERT_TRUE(store.Set("k", "new"));
    struct stat after {};
    ASSERT_EQ(::stat(store.File().c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino);  // renamed into place, not rewritten in place
    // A folder in the file's place: the new file is written, then can't be renamed there.
    KeyValueStore blocked(store.File().parent_path() / "blocked");
    std::filesystem::create_directories(blocked.File());
    errno = 0;
    EXPECT_FALSE(blocked.Set("k", "other"));
    EXPECT_EQ(errno, EISDIR);
    EXPECT_EQ(store.Get("k"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(store.File().parent_path()), {}), 2);
}
