// A fresh folder for one test, removed after it.
#pragma once

#include <QTemporaryDir>

#include <filesystem>

class TempFolder : public QTemporaryDir {
public:
    std::filesystem::path Path() const { return path().toStdString(); }
};
