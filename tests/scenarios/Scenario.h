// A scenario: the program run in a fresh headless world, driven and inspected from a test.
#pragma once

#include "app/MainDlg.h"
#include "platform/headless/HeadlessWorld.h"
#include "support/FaultInjection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

class Scenario : public ::testing::Test {
protected:
    // Runs the program; body runs as the main window's message loop, after the start-up
    // sequence. The run ends when the body returns or the program exits.
    void RunMainWindow(const std::function<void(CMainDlg&)>& body = {});
    // Runs the program and gives the main window a command that opens a dialog; script
    // runs as the dialog's modal loop.
    void RunDialog(UINT command, const std::function<void(CMainDlg&, CDialog&)>& script);

    std::string ListPath() const;
    void WriteList(std::string_view contents) const;
    std::string ReadList() const;

    // Values under Software\Shareware\Kaleidra\3.0\.
    void StoreSettings(std::initializer_list<std::pair<const char*, const char*>> values);
    std::optional<std::string> Setting(const std::string& name) const;

    // A 6 x 4 picture in the world's folder, written by ImageMagick in the format its name's
    // extension gives.
    std::string MagickPicture(const std::string& name) const;

    // Each message box shown: text, caption and flags.
    using Box = std::tuple<std::string, std::string, UINT>;
    std::vector<Box> Boxes() const;
    std::vector<std::string> MessageTexts() const;
    std::vector<std::string> WallpaperPaths() const;

    HeadlessWorld world;
};
