// The program's string table: the texts its windows and message boxes show.
#pragma once

#include "framework/WinTypes.h"

#include <string>

inline constexpr UINT IDS_CONFIRMATION = 1;
inline constexpr UINT IDS_EXIT_QUESTION = 2;
inline constexpr UINT IDS_NO_IMAGE_LOADED = 3;
inline constexpr UINT IDS_OLD_LIST_FOUND = 4;
inline constexpr UINT IDS_LIST_CONVERTED = 5;
inline constexpr UINT IDS_OLD_LIST_NOT_DELETED = 6;
inline constexpr UINT IDS_IMAGE_ADDED = 7;
inline constexpr UINT IDS_SELECT_ENTRY_FIRST = 8;
inline constexpr UINT IDS_CONFIRM_REMOVE = 9;
inline constexpr UINT IDS_TITLE = 11;
inline constexpr UINT IDS_ABOUT_NOTICE = 16;

// The text of an entry; an empty string for an id the table does not hold.
std::string LoadStringA(UINT id);
