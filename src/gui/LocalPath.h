#pragma once
// File names cross from Qt to the core one way: in the file system's own encoding, so that a
// name that is not valid UTF-8 still names the file the user picked.

#include <QFile>
#include <QString>
#include <string>

namespace radioprog::ui {

inline std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace radioprog::ui
