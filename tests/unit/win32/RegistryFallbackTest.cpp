// Settings under HKEY_LOCAL_MACHINE where it can be written, under HKEY_CURRENT_USER
// where it can't; a per-user value, once there, is the one read and written. The move to
// the user's place when the machine refuses, and a value missing in both places, are seen
// end to end under Wine.
#include "platform/win32/RegistryFallback.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>

namespace {

constexpr const char* KEY = "Software\\Shareware\\Kaleidra\\3.0\\mins";

TEST(RegistryFallback, APerUserValueStaysThePlaceEvenWhenTheMachineTakesWritesAgain) {
    std::map<std::pair<HKEY, std::string>, std::string> values{{{HKEY_CURRENT_USER, KEY}, "1.00"},
                                                                {{HKEY_LOCAL_MACHINE, KEY}, "30.00"}};
    // A registry whose machine-wide part takes writes.
    RegistryCalls calls{
        [&](HKEY root, const char* key, const char* data, DWORD) {
            values[{root, key}] = data;
            return ERROR_SUCCESS;
        },
        [&](HKEY root, const char* key, char* value, LONG* cbValue) {
            auto found = values.find({root, key});
            if (found == values.end() || *cbValue <= static_cast<LONG>(found->second.size())) {
                return static_cast<LONG>(found == values.end() ? ERROR_FILE_NOT_FOUND : ERROR_MORE_DATA);
            }
            std::strcpy(value, found->second.c_str());
            return ERROR_SUCCESS;
        },
    };
    char text[20] = "unchanged";
    LONG size = sizeof text;
    EXPECT_EQ(QueryValueWithFallback(calls, HKEY_LOCAL_MACHINE, KEY, text, &size), ERROR_SUCCESS);
    EXPECT_STREQ(text, "1.00");
    EXPECT_EQ(SetValueWithFallback(calls, HKEY_LOCAL_MACHINE, KEY, "5.00", 5), ERROR_SUCCESS);
    EXPECT_EQ((values[{HKEY_CURRENT_USER, KEY}]), "5.00");
    EXPECT_EQ((values[{HKEY_LOCAL_MACHINE, KEY}]), "30.00");
}

}  // namespace
