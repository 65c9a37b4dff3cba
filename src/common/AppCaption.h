// The caption of the program's own message boxes, shared by the main window and the dialogs.
#pragma once

#include <string>

inline const std::string g_strAppName = "Kaleidra";
