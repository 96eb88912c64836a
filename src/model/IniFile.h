#pragma once
// SimpleIni as this project uses it: narrow strings only, so no Unicode converter library is
// needed (file texts are kept as the bytes they are).

#define SI_NO_CONVERSION
#include <SimpleIni.h>
