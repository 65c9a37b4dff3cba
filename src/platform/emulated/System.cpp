#include "platform/emulated/System.h"

#include "framework/SystemServices.h"

#include <algorithm>

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
    return nIndex == SM_CXICON || nIndex == SM_CYICON ? emulated::ICON_SIZE : 0;
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
