// A shell execution that fails with only its small result code still gives the user the
// system's reason.
#include "platform/win32/ShellError.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellError, AMissingFileIsFileNotFound) {
    EXPECT_EQ(ErrorOfShellResult(2), ERROR_FILE_NOT_FOUND);
}

TEST(ShellError, AFileWithoutAProgramForItIsNoAssociation) {
    constexpr DWORD ERROR_NO_ASSOCIATION_CODE = 1155;
    EXPECT_EQ(ErrorOfShellResult(31), ERROR_NO_ASSOCIATION_CODE);
    EXPECT_EQ(ErrorOfShellResult(27), ERROR_NO_ASSOCIATION_CODE);
}

TEST(ShellError, ASharingViolationIsTheSystemsOwnCode) {
    EXPECT_EQ(ErrorOfShellResult(26), 32u);
}

TEST(ShellError, AResultAbove32IsNoError) {
    EXPECT_EQ(ErrorOfShellResult(33), 0u);
    EXPECT_EQ(ErrorOfShellResult(42), 0u);
}

TEST(ShellError, AnUnknownSmallResultIsStillAnError) {
    EXPECT_NE(ErrorOfShellResult(17), 0u);
}

}  // namespace
