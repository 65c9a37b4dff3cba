// The Qt tests run on the offscreen platform: no display needed, same pixels everywhere.
// Each run has a runtime folder of its own, so runs side by side don't meet there.
#include "support/FaultInjection.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TestFolder runtime("qt-runtime");
    std::filesystem::permissions(runtime.Path(), std::filesystem::perms::owner_all);  // as a session's own
    ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
