// The one writer and the safe reader, against what a shared folder, a full disk or a named
// pipe does to them. A sudden end of the program is the Image List's test.
#include "files/FileReplacer.h"
#include "files/RegularFile.h"
#include "support/FaultInjection.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>

namespace {

using files::Links;
namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

enum class Before { Private, Linked, ReadOnly, Missing };

}  // namespace

// Each case: what is at "file" before, how links are taken, and what the write leaves: the
// path's contents, and those of "other", which a link at the path points to.
TEST(FileReplacer, ReplacesWholeKeepsWhatTheFileIsAndNeverWritesWhereItShouldNot) {
    const std::tuple<Before, Links, bool, std::string, std::string> cases[] = {
        {Before::Private, Links::WriteThrough, true, "new", "other"},
        {Before::Linked, Links::WriteThrough, true, "new", "new"},  // the user's linked list
        {Before::Linked, Links::Replace, true, "new", "other"},      // a link planted beside a picture
        {Before::ReadOnly, Links::WriteThrough, false, "old", "other"},
        {Before::ReadOnly, Links::Replace, false, "old", "other"},
        {Before::Missing, Links::Replace, true, "new", "other"},
    };
    for (const auto& [before, links, written, after, otherAfter] : cases) {
        TestFolder folder("replacer");
        const std::string file = folder / "file", other = folder / "other";
        WriteFile(other, "other");
        if (before == Before::Linked) {
            fs::create_symlink("other", file);
        } else if (before != Before::Missing) {
            WriteFile(file, "old");
            ::chmod(file.c_str(), before == Before::Private ? 0600 : 0444);
        }
        errno = 0;
        EXPECT_EQ(files::ReplaceFile(file, "new", links), written);
        EXPECT_TRUE(written || errno == EACCES);
        EXPECT_EQ(ReadFile(file), after);
        EXPECT_EQ(ReadFile(other), otherAfter);
        EXPECT_EQ(fs::is_symlink(file), before == Before::Linked && links == Links::WriteThrough);
        EXPECT_EQ(ModeOf(file), before == Before::Private ? 0600u : before == Before::ReadOnly ? 0444u : ModeOf(other));
        EXPECT_EQ(folder.Entries(), 2);  // nothing of the writer is left beside them
    }
}

TEST(FileReplacer, AFullDiskLeavesTheOldFileAsItWas) {
    TestFolder folder("full");
    const std::string file = folder / "file";
    WriteFile(file, "old contents");
    FullDiskAfter limit(1000);
    for (std::size_t size : {std::size_t{4} << 20, std::size_t{2000}}) {  // failing in a write, or at the flush
        EXPECT_FALSE(files::ReplaceFile(file, std::string(size, 'x'), Links::WriteThrough));
        EXPECT_EQ(errno, EFBIG);
        EXPECT_EQ(ReadFile(file), "old contents");
        EXPECT_EQ(folder.Entries(), 1);
    }
}

TEST(RegularFile, OnlyARegularFileOpensAndNothingBlocks) {
    TestFolder folder("kinds");
    const std::string pipe = folder / "pipe", file = folder / "file";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    WriteFile(file, "12345");
    const std::tuple<std::string, files::Access, int> cases[] = {
        {pipe, files::Access::Read, EINVAL},
        {pipe, files::Access::Append, EINVAL},
        {folder.Path().string(), files::Access::Read, EISDIR},
        {folder / "missing", files::Access::Read, ENOENT},
        {file, files::Access::Read, 0},
        {file, files::Access::Append, 0},
    };
    for (const auto& [path, access, error] : cases) {
        errno = 0;
        EXPECT_EQ(files::OpenRegular(path, access) == nullptr, error != 0) << path;
        EXPECT_EQ(errno, error) << path;
    }
    EXPECT_EQ(files::SizeOf(file), 5u);
    EXPECT_EQ(files::SizeOf(pipe), std::nullopt);
}
