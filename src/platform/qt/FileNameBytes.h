// Qt names files by QString, and a name that is not UTF-8 does not survive the trip:
// its bytes become U+FFFD. Where such a file exists, its own bytes are found again.
#pragma once

#include <QString>

#include <string>

// The path as the file system spells it: the entry of each folder on the way that Qt
// shows under the name given; QFile::encodeName of it where none is found.
std::string FileNameBytes(const QString& path);
