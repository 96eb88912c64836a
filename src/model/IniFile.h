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
