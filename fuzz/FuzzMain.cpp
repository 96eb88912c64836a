// The libFuzzer entry of one target, chosen when the program is built.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return radioprog::fuzz::RADIOPROG_FUZZ_ENTRY(data, size);
}
