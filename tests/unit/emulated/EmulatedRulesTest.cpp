// The Windows rules the Linux hosts imitate, over plain stand-ins for a host's state. The
// list box's rules that the program relies on are checked by the Image List dialog's scenarios.
#include "platform/emulated/Registry.h"
#include "platform/emulated/Shell.h"
#include "platform/emulated/System.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <map>

namespace {

class MapStore : public emulated::RegistryStore {
public:
    std::map<std::string, std::string> texts;
    bool refuse = false;
    std::optional<std::string> Read(const std::string& keyPath) const override {
        auto found = texts.find(keyPath);
        return found != texts.end() ? std::optional(found->second) : std::nullopt;
    }
    bool Write(const std::string& keyPath, std::string_view text) override {
        if (!refuse) {
            texts[keyPath] = text;
        }
        return !refuse;
    }
};

class ScriptedShell : public emulated::Shell {
public:
    int error = 0;  // none: the opening succeeds
    bool Open(const emulated::ShellRequest&) override {
        errno = error;
        return error == 0;
    }
    HANDLE StartedProcess() override { return reinterpret_cast<HANDLE>(7); }
};

}  // namespace

TEST(EmulatedRegistry, TextsOnlyAndTheCallersBufferSizeRules) {
    MapStore store;
    const char* key = "Software\\k";
    EXPECT_EQ(emulated::RegSetValue(store, HKEY_LOCAL_MACHINE, key, 3, "x"), 87);  // ERROR_INVALID_PARAMETER
    ASSERT_EQ(emulated::RegSetValue(store, HKEY_LOCAL_MACHINE, key, REG_SZ, "3.0"), ERROR_SUCCESS);
    EXPECT_EQ(store.texts.count("HKEY_LOCAL_MACHINE\\Software\\k"), 1u);
    struct Query {
        HKEY root;
        bool buffer;
        LONG size;
        LONG result;
        LONG sizeAfter;
        const char* text;
    };
    constexpr LONG MORE_DATA = static_cast<LONG>(ERROR_MORE_DATA);
    constexpr LONG NOT_FOUND = static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    for (Query query : {Query{HKEY_LOCAL_MACHINE, false, 0, MORE_DATA, 4, "unset"},
                        {HKEY_LOCAL_MACHINE, true, 3, MORE_DATA, 4, "unset"},
                        {HKEY_LOCAL_MACHINE, true, 8, ERROR_SUCCESS, 4, "3.0"},
                        {HKEY_CURRENT_USER, true, 8, NOT_FOUND, 8, "unset"}}) {
        char text[8] = "unset";
        LONG size = query.size;
        EXPECT_EQ(emulated::RegQueryValue(store, query.root, key, query.buffer ? text : nullptr, &size), query.result);
        EXPECT_EQ(size, query.sizeAfter);
        EXPECT_STREQ(text, query.text);
    }
    store.refuse = true;
    EXPECT_EQ(emulated::RegSetValue(store, HKEY_CURRENT_USER, key, REG_SZ, "x"), static_cast<LONG>(ERROR_ACCESS_DENIED));
}

TEST(EmulatedShell, DoneIsAbove32AndAFailureIsItsSmallCode) {
    struct Case {
        int error;
        std::uintptr_t code;
    };
    for (Case c : {Case{0, 42}, {ENOENT, 2}, {EACCES, 31}}) {
        ScriptedShell shell;
        shell.error = c.error;
        HINSTANCE result = emulated::ShellExecute(shell, nullptr, "open", "f", nullptr, nullptr, SW_SHOWNORMAL);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(result), c.code);
        SHELLEXECUTEINFOA info{};
        info.fMask = SEE_MASK_NOCLOSEPROCESS;
        info.lpFile = "f";
        EXPECT_EQ(emulated::ShellExecuteEx(shell, &info), c.error == 0 ? TRUE : FALSE);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(info.hInstApp), c.code);
        EXPECT_EQ(info.hProcess, c.error == 0 ? reinterpret_cast<HANDLE>(7) : nullptr);
    }
}

TEST(EmulatedSystem, TimerPeriodsAreClampedAndDatesAreMonthDayYear) {
    EXPECT_EQ(emulated::TimerPeriod(0), USER_TIMER_MINIMUM);
    EXPECT_EQ(emulated::TimerPeriod(1800000), 1800000u);
    EXPECT_EQ(emulated::TimerPeriod(0xFFFFFFFFu), USER_TIMER_MAXIMUM);
    std::tm day{};
    day.tm_year = 2024 - 1900;
    day.tm_mon = 2;
    day.tm_mday = 5;
    EXPECT_EQ(emulated::StrDate(day), "03/05/24");
}
