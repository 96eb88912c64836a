// The session's reply handling: every job, any replies at any time, on the virtual clock.
#include "FuzzTargets.h"
#include "SessionHarness.h"

namespace radioprog::fuzz {

int FuzzSession(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    RunScriptedSession(data[0], {data + 1, size - 1});
    return 0;
}

}  // namespace radioprog::fuzz
