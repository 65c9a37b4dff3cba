#include "platform/qt/FileNameBytes.h"

#include <QFile>
#include <QFileInfo>

#include <dirent.h>

namespace {

std::string EntryShownAs(const std::string& folder, const QString& name) {
    std::string found;
    if (DIR* entries = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(entries)) {
            if (QFile::decodeName(entry->d_name) == name) {
                found = entry->d_name;
                break;
            }
        }
        ::closedir(entries);
    }
    return found;
}

}  // namespace

std::string FileNameBytes(const QString& path) {
    QFileInfo info(path);
    if (!path.contains(QChar::ReplacementCharacter) || info.fileName().isEmpty()) {
        return QFile::encodeName(path).toStdString();
    }
    std::string folder = FileNameBytes(info.path());
    std::string name = EntryShownAs(folder, info.fileName());
    if (name.empty()) {
        return QFile::encodeName(path).toStdString();
    }
    return folder.ends_with('/') ? folder + name : folder + "/" + name;
}
