// The Image List file's rules, in a folder of the test's own. Lines written on either
// platform read the same, and a line is read in pieces of at most 259 characters.
#include "core/ImageList.h"
#include "support/FaultInjection.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>
#include <sys/wait.h>

namespace {

using namespace core;
namespace fs = std::filesystem;

// The files as they are, except for one named call that fails with EACCES next time.
class FakeFileSystem : public FileSystem {
public:
    explicit FakeFileSystem(std::string oldList) : m_oldList(std::move(oldList)) {}

    std::uint32_t LastError() const override { return static_cast<std::uint32_t>(errno); }
    bool Exists(const std::string& path) const override { return fs::is_regular_file(path); }
    bool CopyOver(const std::string& from, const std::string& to) override {
        return Allowed("copy") && fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    }
    bool Remove(const std::string& path) override { return Allowed("remove") && fs::remove(path); }
    std::string NativePath(std::string_view) const override { return m_oldList; }
    // As an earlier Windows build wrote "é" in code page 1252.
    std::string ListLineText(std::string line) const override { return line == "caf\xE9" ? "caf\xC3\xA9" : line; }

    std::string failing;

private:
    bool Allowed(const std::string& call) {
        if (call != failing) {
            return true;
        }
        failing.clear();
        errno = EACCES;
        return false;
    }

    std::string m_oldList;
};

class ImageListFile : public ::testing::Test {
protected:
    ImageListFile() { list.Locate(m_folder.Path().string()); }

    std::vector<Message> Migrate() {
        std::vector<Message> shown;
        list.MigrateOldList([&](const Message& message) { shown.push_back(message); });
        return shown;
    }

    TestFolder m_folder{"core"};
    std::string m_oldList = m_folder / "old.LST";
    FakeFileSystem system{m_oldList};
    ImageList list{system};
};

// A list that cannot be opened gives nothing and the system's reason.
TEST_F(ImageListFile, EntriesAreReadByLineNumber) {
    EXPECT_EQ(list.Path(), m_folder / "Kaleidra.LST");
    EXPECT_EQ(list.Count().value, 0);
    EXPECT_EQ(list.Count().failure, Message::System(ENOENT));
    EXPECT_EQ(list.Entry(1, 1).value, std::nullopt);
    EXPECT_EQ(list.Entry(1, 1).failure, Message::System(ENOENT));
    list.CreateIfMissing();
    EXPECT_EQ(list.Count().failure, std::nullopt);
    EXPECT_EQ(ReadFile(list.Path()), "");
    const std::string x258(258, 'x');
    const std::tuple<std::string, int, int, std::optional<std::string>> cases[] = {
        {"a\nb\nc\n", 3, 0, "c"} /* 0 stands for the last entry */, {"a\nb\nc\n", 3, -4, "c"},
        {x258 + "yz\nlast", 3, 1, x258 + "y"}, {x258 + "yz\nlast", 3, 2, "z"}, {x258 + "yz\nlast", 3, 3, "last"},
        {x258 + "\r\nnext", 2, 1, x258},  // a CR LF at the piece boundary stays with its line
        {x258 + "y\r\n", 2, 2, ""},
        {"a\r\nb\rc\n\r", 3, 2, "b\rc"}, {"a\r\nb\rc\n\r", 3, 3, "\r"},  // a lone CR is text
        {"C:\\a.bmp\r\n\r\n", 2, 2, ""} /* an empty line is an entry */, {"", 0, 1, std::nullopt},
    };
    for (const auto& [contents, lines, i, entry] : cases) {
        WriteFile(list.Path(), contents);
        EXPECT_EQ(list.Count().value, lines) << contents;
        EXPECT_EQ(list.Entry(i, lines).value, entry) << contents << " " << i;
    }
    WriteFile(list.Path(), "a\nb\n");  // shortened by hand since the count
    EXPECT_EQ(list.Entry(3, 3).value, "b");
}

TEST_F(ImageListFile, AppendAddsALineOrSaysWhyNot) {
    const std::string longest(258, 'p');
    const std::tuple<std::string, std::string, MessageId, std::string> cases[] = {
        {"a\nb", "c", MessageId::ImageAdded, "a\nb\nc\n"},  // a last line without a break is ended first
        {"a\n", "", MessageId::NoImageLoaded, "a\n"},
        {"", "/two\rlines", MessageId::PathHasLineBreak, ""},
        {"", longest, MessageId::ImageAdded, longest + "\n"},
    };
    for (const auto& [before, path, said, after] : cases) {
        WriteFile(list.Path(), before);
        EXPECT_EQ(list.Append(path), Message{said}) << path;
        EXPECT_EQ(ReadFile(list.Path()), after) << path;
    }
    EXPECT_EQ(list.Entry(1, 1).value, longest);
    fs::remove(list.Path());
    fs::create_directory(list.Path());
    EXPECT_EQ(list.Append("/p/a.bmp"), Message::System(EISDIR));
}

// A deletion works on the file as it is and keeps every other line whole (blank ones and
// those too long to read as one entry included).
TEST_F(ImageListFile, ARemovalTakesOneLineFromTheFileAsItIsNow) {
    const std::string x300(300, 'x');
    WriteFile(list.Path(), "b\n\n" + x300 + "\r\nb\nc");
    EXPECT_EQ(list.Remove("b", 1), std::nullopt);
    EXPECT_EQ(ReadFile(list.Path()), "b\n\n" + x300 + "\nc\n");
    fs::remove(list.Path());  // a linked list stays linked; a read-only one is the dialog's scenario
    WriteFile(m_folder / "target", "a\nb\n");
    fs::create_symlink("target", list.Path());
    EXPECT_EQ(list.Remove("a", 0), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(list.Path()));
    EXPECT_EQ(ReadFile(m_folder / "target"), "b\n");
}

// A full disk in the middle of an append leaves no fragment for the next one to complete.
TEST_F(ImageListFile, AFailedAppendLeavesTheListAsItWas) {
    WriteFile(list.Path(), "a");
    {
        FullDiskAfter limit(4);
        EXPECT_EQ(list.Append("/pictures/sun.bmp"), Message::System(EFBIG));
    }
    EXPECT_EQ(ReadFile(list.Path()), "a");
    EXPECT_EQ(list.Append("/b.bmp"), Message{MessageId::ImageAdded});
    EXPECT_EQ(ReadFile(list.Path()), "a\n/b.bmp\n");
}

// A named pipe in the list's place is reported, never waited on.
TEST_F(ImageListFile, APipeForAListIsRefusedAtOnce) {
    ASSERT_EQ(::mkfifo(list.Path().c_str(), 0600), 0);
    list.CreateIfMissing();
    EXPECT_EQ(list.Count().failure, Message::System(EINVAL));
    EXPECT_EQ(list.Append("/b.bmp"), Message::System(EINVAL));
    EXPECT_EQ(list.Remove("b", 0), Message::System(EINVAL));
}

TEST_F(ImageListFile, TheOldListIsCopiedOrMergedAndThenDeleted) {
    const std::tuple<std::optional<std::string>, std::string, std::string> cases[] = {
        {std::nullopt, "C:\\one.bmp\r\ntwo\r\n", "C:\\one.bmp\r\ntwo\r\n"},  // a plain copy of the bytes
        {"", "one\n", "one\n"},
        {"new\nshared", "old\r\nshared\r\n\r\nolder\r\n", "new\nshared\nold\nolder\n"},
    };
    for (const auto& [current, old, after] : cases) {
        fs::remove(list.Path());
        if (current) {
            WriteFile(list.Path(), *current);
        }
        WriteFile(m_oldList, old);
        EXPECT_EQ(Migrate(), (std::vector<Message>{{MessageId::OldListFound}, {MessageId::ListConverted}}));
        EXPECT_EQ(ReadFile(list.Path()), after);
        EXPECT_FALSE(fs::exists(m_oldList));
    }
    EXPECT_TRUE(Migrate().empty());
}

// An old list that stays for want of deleting it is the scenarios' (its box), and converting
// it again adds nothing twice as any merge does.
TEST_F(ImageListFile, AFailedConversionKeepsTheOldList) {
    WriteFile(m_oldList, "one\n");
    system.failing = "copy";
    EXPECT_EQ(Migrate(), (std::vector<Message>{{MessageId::OldListFound}, Message::System(EACCES)}));
    EXPECT_TRUE(fs::exists(m_oldList));
}

// A line an earlier build wrote in another encoding is read and kept as text.
TEST_F(ImageListFile, LinesOfAnEarlierEncodingReadAsText) {
    WriteFile(list.Path(), "caf\xE9\nb\n");
    EXPECT_EQ(list.Entry(1, 2).value, "caf\xC3\xA9");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"caf\xC3\xA9", "b"}));
    EXPECT_EQ(list.Remove("b", 0), std::nullopt);
    EXPECT_EQ(ReadFile(list.Path()), "caf\xC3\xA9\n");
}

// Appends and deletions killed at random moments, over and over: every line stays whole.
TEST_F(ImageListFile, AKillDuringAnyWriteLeavesEveryLineWhole) {
    const std::string entry = "/pictures/" + std::string(200, 'p') + ".bmp";
    WriteFile(list.Path(), entry + "\n");
    for (int round = 0; round < 30; ++round) {
        pid_t writer = ::fork();
        if (writer == 0) {
            for (;;) {
                list.Append(entry);
                list.Remove(entry, 0);
            }
        }
        ::usleep(static_cast<useconds_t>(round * 500));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        for (const std::string& line : list.Lines()) {
            ASSERT_EQ(line, entry) << "round " << round;
        }
    }
}

}  // namespace
