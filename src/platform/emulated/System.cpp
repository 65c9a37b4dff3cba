#include "platform/emulated/System.h"

#include "framework/SystemServices.h"

#include <algorithm>
#include <map>
#include <string>

namespace {

unsigned g_randState = 1;

}  // namespace

namespace emulated {

UINT TimerPeriod(UINT elapse) {
    return std::clamp(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
}

std::string StrDate(const std::tm& local) {
    char text[16];
    std::strftime(text, sizeof text, "%m/%d/%y", &local);
    return text;
}

}  // namespace emulated

namespace fw {

int GetSystemMetrics(int nIndex) {
    if (nIndex == SM_CXSMICON) {
        return emulated::SMALL_ICON_SIZE;
    }
    return nIndex == SM_CXICON || nIndex == SM_CYICON ? emulated::ICON_SIZE : 0;
}

// The desktop scales one icon to every size it shows.
HICON LoadIconA(UINT nIDResource, int) {
    return LoadIconA(nIDResource);
}

// Registered messages take the range Windows gives them, in the order they are asked for.
UINT RegisterWindowMessageA(const char* name) {
    static std::map<std::string, UINT> messages;
    constexpr UINT FIRST_REGISTERED_MESSAGE = 0xC000;
    return messages.try_emplace(name, FIRST_REGISTERED_MESSAGE + static_cast<UINT>(messages.size())).first->second;
}

std::string DragQueryFileA(HDROP hDrop, UINT index) {
    return index < hDrop->files.size() ? hDrop->files[index] : std::string();
}

// File names here are bytes, whatever their encoding: a list line is taken as it stands.
std::string FromEarlierCodePage(std::string text) {
    return text;
}

void DragFinish(HDROP hDrop) {
    hDrop->finished = true;
}

// The Windows C runtime's generator, so a seed draws what it draws on Windows.
void srand(unsigned seed) {
    g_randState = seed;
}

int rand() {
    g_randState = g_randState * 214013u + 2531011u;
    return static_cast<int>((g_randState >> 16) & 0x7FFF);
}

}  // namespace fw
