// A scenario: the program run in a fresh headless world, driven and inspected from a test.
#pragma once

#include "app/MainDlg.h"
#include "platform/headless/HeadlessWorld.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class Scenario : public ::testing::Test {
protected:
    Scenario();

    // Starts the main window; body runs as its message loop, after the start-up sequence.
    void RunMainWindow(const std::function<void(CMainDlg&)>& body = {});

    std::string ListPath() const;
    void WriteList(std::string_view contents) const;
    std::string ReadList() const;
    static void WriteFile(const std::string& path, std::string_view contents);
    static std::string ReadFile(const std::string& path);

    // Values under Software\Shareware\Kaleidra\3.0\.
    void StoreSettings(std::initializer_list<std::pair<const char*, const char*>> values);
    std::optional<std::string> Setting(const std::string& name) const;

    std::vector<std::string> MessageTexts() const;
    std::vector<std::string> WallpaperPaths() const;

    HeadlessWorld world;
};
