#pragma once
// SimpleIni as this project uses it: narrow strings only, so no Unicode converter library is
// needed (file texts are kept as the bytes they are). The packaged header keeps its template
// bodies behind SI_IMPLEMENTATION; we instantiate them ourselves rather than link the
// packaged library, which drags in ICU.

#ifndef SI_NO_CONVERSION
#define SI_NO_CONVERSION
#endif
#ifndef SI_IMPLEMENTATION
#define SI_IMPLEMENTATION
#endif
#include <SimpleIni.h>

#include <string>

#include "model/RegularFile.h"

namespace radioprog {

// A configuration is a few kilobytes; anything past this is not one.
inline constexpr size_t kMaxIniFileBytes = size_t{1024} * 1024;

// Loads an INI file that is a regular file of at most kMaxIniFileBytes and reads as one: no
// NUL byte, and every line a section, a key, a comment or blank. Anything else (a project
// named by mistake, a notes file, a channel list) is Unreadable, so that it is never
// rewritten as a configuration. why says what kept it out when it is Missing or Unreadable.
FileRead LoadIniFile(CSimpleIniA& ini, const std::string& path, std::string* why = nullptr);

}  // namespace radioprog
