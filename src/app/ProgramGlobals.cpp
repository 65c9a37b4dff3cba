#include "app/ProgramGlobals.h"

const std::string g_strListName = "Kaleidra.LST";
std::string g_strListPath;
const std::string g_strAppName = "Kaleidra";
int g_nEntryCount = 0;
