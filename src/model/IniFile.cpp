#include "model/IniFile.h"

namespace radioprog {

FileRead LoadIniFile(CSimpleIniA& ini, const std::string& path, std::string* why) {
    RegularFileContents file = ReadRegularFile(path, kMaxIniFileBytes, LongerFile::Refuse);
    if (file.status == FileRead::Read &&
        ini.LoadData(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()) < 0) {
        file.status = FileRead::Unreadable;
        file.why = "it is not an INI file";
    }
    if (why != nullptr) {
        *why = file.why;
    }
    return file.status;
}

}  // namespace radioprog
