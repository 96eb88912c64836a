#pragma once
// File names cross between Qt and the core in the file system's own encoding, so that a name
// that is not valid UTF-8 still names the file the user picked.

#include <QFile>
#include <QString>
#include <string>

namespace radioprog::ui {

inline std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The other way, for a name the core found (a history entry) that a window passes on.
inline QString PathFromLocal(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace radioprog::ui
