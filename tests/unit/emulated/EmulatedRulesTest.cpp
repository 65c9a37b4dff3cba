// The Windows rules the Linux hosts imitate, over plain stand-ins for a host's state. The
// list box's rules that the program relies on are checked by the Image List dialog's scenarios.
#include "platform/emulated/Registry.h"
#include "platform/emulated/Shell.h"
#include "platform/emulated/System.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <tuple>

namespace {

class MapStore : public emulated::RegistryStore {
public:
    std::map<std::string, std::string> texts;
    std::optional<std::string> Read(const std::string& keyPath) const override {
        auto found = texts.find(keyPath);
        return found != texts.end() ? std::optional(found->second) : std::nullopt;
    }
    bool Write(const std::string& keyPath, std::string_view text) override {
        texts[keyPath] = text;
        return true;
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

// The program keeps its settings under one root, as texts, and always passes a buffer.
TEST(EmulatedRegistry, ATextIsReadOnlyWhenTheCallersBufferHoldsItWithItsZero) {
    MapStore store;
    const char* key = "Software\\k";
    ASSERT_EQ(emulated::RegSetValue(store, HKEY_LOCAL_MACHINE, key, REG_SZ, "3.0"), ERROR_SUCCESS);
    for (auto [capacity, result, text] : {std::tuple<LONG, LONG, const char*>{3, ERROR_MORE_DATA, "unset"},
                                          {8, ERROR_SUCCESS, "3.0"}}) {
        char buffer[8] = "unset";
        LONG size = capacity;
        EXPECT_EQ(emulated::RegQueryValue(store, HKEY_LOCAL_MACHINE, key, buffer, &size), result);
        EXPECT_EQ(size, 4);
        EXPECT_STREQ(buffer, text);
    }
}

// The program asks for the started viewer, to release it, and reads only whether it opened.
TEST(EmulatedShell, AStartedProcessIsHandedBackOnlyWhenTheOpeningSucceeds) {
    for (int error : {0, ENOENT}) {
        ScriptedShell shell;
        shell.error = error;
        SHELLEXECUTEINFOA info{};
        info.fMask = SEE_MASK_NOCLOSEPROCESS;
        info.lpFile = "f";
        EXPECT_EQ(emulated::ShellExecuteEx(shell, &info), error == 0 ? TRUE : FALSE);
        EXPECT_EQ(info.hProcess, error == 0 ? reinterpret_cast<HANDLE>(7) : nullptr);
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
