// Small rules of the Windows system that the Linux hosts keep as Windows keeps them. The
// services written once here (rand and srand, dropped files, icon metrics, registered messages) are defined in
// System.cpp for every host but win32.
#pragma once

#include "framework/WinTypes.h"

#include <ctime>
#include <string>
#include <vector>

// The files of one drop, until DragFinish releases it.
struct HDROP__ {
    std::vector<std::string> files;
    bool finished = false;
};

namespace emulated {

// The system's icon size, SM_CXICON by SM_CYICON.
inline constexpr int ICON_SIZE = 32;
inline constexpr int SMALL_ICON_SIZE = 16;

// A timer's period as SetTimer takes it: shorter than USER_TIMER_MINIMUM runs at that.
UINT TimerPeriod(UINT elapse);

// _strdate's text for a local date and time: MM/DD/YY.
std::string StrDate(const std::tm& local);

}  // namespace emulated
