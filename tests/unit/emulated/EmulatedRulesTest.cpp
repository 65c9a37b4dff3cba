// The Windows rules the Linux hosts imitate, over plain stand-ins for a host's state.
#include "platform/emulated/Controls.h"
#include "platform/emulated/Registry.h"
#include "platform/emulated/Shell.h"
#include "platform/emulated/System.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <map>
#include <vector>

namespace {

class VectorListBox : public emulated::ListBoxState {
public:
    std::vector<std::string> items{"/a.bmp", "/b.gif", "/c.jpg"};
    int selection = LB_ERR;
    int Count() const override { return static_cast<int>(items.size()); }
    std::string Text(int index) const override { return items[static_cast<std::size_t>(index)]; }
    void Append(const char* text) override { items.emplace_back(text); }
    void Remove(int index) override { items.erase(items.begin() + index); }
    int Selection() const override { return selection; }
    void Select(int index) override { selection = index; }
};

LRESULT Send(VectorListBox& list, UINT message, WPARAM wParam, LPARAM lParam = 0) {
    return emulated::ListBoxMessage(list, message, wParam, lParam).value();
}

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

TEST(EmulatedListBox, TheSelectionGoesWithItsEntryAndEveryIndexIsChecked) {
    struct Step {
        UINT message;
        WPARAM index;
        LRESULT result;
        int selection;
    };
    VectorListBox list;
    for (Step step : {Step{LB_SETCURSEL, 2, 2, 2}, {LB_DELETESTRING, 0, 2, 1}, {LB_GETCURSEL, 0, 1, 1},
                      {LB_DELETESTRING, 1, 1, LB_ERR}, {LB_DELETESTRING, 5, LB_ERR, LB_ERR}, {LB_SETCURSEL, 0, 0, 0},
                      {LB_SETCURSEL, WPARAM(-1), LB_ERR, LB_ERR}, {LB_GETTEXTLEN, 0, 6, LB_ERR},
                      {LB_GETTEXTLEN, 1, LB_ERR, LB_ERR}, {LB_GETCOUNT, 0, 1, LB_ERR}}) {
        EXPECT_EQ(Send(list, step.message, step.index), step.result) << step.message << " " << step.index;
        EXPECT_EQ(list.selection, step.selection) << step.message << " " << step.index;
    }
    char text[8] = "xxxxxxx";
    EXPECT_EQ(Send(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text)), 6);
    EXPECT_STREQ(text, "/b.gif");
    EXPECT_EQ(Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("/d.bmp")), 1);
    EXPECT_FALSE(emulated::ListBoxMessage(list, WM_PAINT, 0, 0));
}

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
