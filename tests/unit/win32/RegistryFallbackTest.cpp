// Settings under HKEY_LOCAL_MACHINE where it can be written, under HKEY_CURRENT_USER
// where it can't; a per-user value, once there, is the one read and written.
#include "platform/win32/RegistryFallback.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>

namespace {

constexpr const char* KEY = "Software\\Shareware\\Kaleidra\\3.0\\mins";

class RegistryFallback : public ::testing::Test {
protected:
    std::map<std::pair<HKEY, std::string>, std::string> values;
    bool machineRefusesWrites = false;

    RegistryCalls calls{
        [this](HKEY root, const char* key, const char* data, DWORD) {
            if (root == HKEY_LOCAL_MACHINE && machineRefusesWrites) {
                return static_cast<LONG>(ERROR_ACCESS_DENIED);
            }
            values[{root, key}] = data;
            return ERROR_SUCCESS;
        },
        [this](HKEY root, const char* key, char* value, LONG* cbValue) {
            auto found = values.find({root, key});
            if (found == values.end()) {
                return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
            }
            const LONG needed = static_cast<LONG>(found->second.size() + 1);
            if (value == nullptr || *cbValue < needed) {
                *cbValue = needed;
                return value == nullptr ? ERROR_SUCCESS : static_cast<LONG>(ERROR_MORE_DATA);
            }
            std::memcpy(value, found->second.c_str(), needed);
            return ERROR_SUCCESS;
        },
    };

    LONG Write(const char* text) {
        return SetValueWithFallback(calls, HKEY_LOCAL_MACHINE, KEY, text, static_cast<DWORD>(std::strlen(text) + 1));
    }
    std::string Read() {
        char text[20] = "unchanged";
        LONG size = sizeof text;
        LONG result = QueryValueWithFallback(calls, HKEY_LOCAL_MACHINE, KEY, text, &size);
        return result == ERROR_SUCCESS ? text : "missing";
    }
    std::string Stored(HKEY root) {
        auto found = values.find({root, KEY});
        return found != values.end() ? found->second : "none";
    }
};

// The machine-wide place as named and the move to the user's when it refuses are seen end to
// end under Wine (the first start and the read-only machine); these are what follows.
TEST_F(RegistryFallback, APerUserValueStaysThePlaceEvenWhenTheMachineTakesWritesAgain) {
    values[{HKEY_CURRENT_USER, KEY}] = "1.00";
    values[{HKEY_LOCAL_MACHINE, KEY}] = "30.00";
    EXPECT_EQ(Read(), "1.00");
    EXPECT_EQ(Write("5.00"), ERROR_SUCCESS);
    EXPECT_EQ(Stored(HKEY_CURRENT_USER), "5.00");
    EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE), "30.00");
}

TEST_F(RegistryFallback, OtherRootsAndMissingValuesPassThrough) {
    EXPECT_EQ(Read(), "missing");
    machineRefusesWrites = true;
    EXPECT_EQ(SetValueWithFallback(calls, HKEY_CURRENT_USER, KEY, "x", 2), ERROR_SUCCESS);
    EXPECT_EQ(Stored(HKEY_CURRENT_USER), "x");
}

}  // namespace
