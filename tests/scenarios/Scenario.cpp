#include "Scenario.h"

#include "app/RotatorApp.h"

#include <cstdlib>

void Scenario::RunMainWindow(const std::function<void(CMainDlg&)>& body) {
    world.OnNextModal([&](CDialog& dialog) {
        if (body) {
            body(static_cast<CMainDlg&>(dialog));
        }
    });
    CRotatorApp app;
    world.RunProcess([&app] { app.InitInstance(); });
}

void Scenario::RunDialog(UINT command, const std::function<void(CMainDlg&, CDialog&)>& script) {
    RunMainWindow([&](CMainDlg& main) {
        world.OnNextModal([&](CDialog& dialog) { script(main, dialog); });
        world.SendCommand(main, command);
    });
}

std::string Scenario::ListPath() const {
    return world.WindowsDirectory() + "/Kaleidra.LST";
}

void Scenario::WriteList(std::string_view contents) const {
    WriteFile(ListPath(), contents);
}

std::string Scenario::ReadList() const {
    return ReadFile(ListPath());
}

void Scenario::StoreSettings(std::initializer_list<std::pair<const char*, const char*>> values) {
    for (auto [name, text] : values) {
        world.registry.Set(std::string("Software\\Shareware\\Kaleidra\\3.0\\") + name, text);
    }
}

std::optional<std::string> Scenario::Setting(const std::string& name) const {
    return world.registry.Get("Software\\Shareware\\Kaleidra\\3.0\\" + name);
}

std::string Scenario::MagickPicture(const std::string& name) const {
    std::string path = (world.Root() / name).string();
    std::string command = "convert -size 6x4 gradient:yellow-navy '" + path + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return path;
}

std::vector<Scenario::Box> Scenario::Boxes() const {
    std::vector<Box> boxes;
    for (const MessageBoxRecord& box : world.messageBoxes) {
        boxes.emplace_back(box.text, box.caption, box.type);
    }
    return boxes;
}

std::vector<std::string> Scenario::MessageTexts() const {
    std::vector<std::string> texts;
    for (const MessageBoxRecord& box : world.messageBoxes) {
        texts.push_back(box.text);
    }
    return texts;
}

std::vector<std::string> Scenario::WallpaperPaths() const {
    std::vector<std::string> paths;
    for (const WallpaperCall& call : world.wallpaperCalls) {
        paths.push_back(call.path);
    }
    return paths;
}
