#include "platform/qt/DesktopOpen.h"

#include <QProcess>

#include <cerrno>
#include <filesystem>

namespace {

constexpr const char* OPENER = "xdg-open";

}  // namespace

// The opener reports failures of its own only once it ends, which may be when the user
// closes the document: what can be told at once is whether it started.
bool OpenWithDesktop(const std::string& document, const std::string& directory) {
    std::error_code error;
    if (!std::filesystem::exists(document, error)) {
        errno = ENOENT;
        return false;
    }
    QString folder = QString::fromLocal8Bit(directory.c_str());
    if (!QProcess::startDetached(OPENER, {QString::fromLocal8Bit(document.c_str())}, folder)) {
        errno = ENOENT;
        return false;
    }
    return true;
}
