#pragma once
// The fields behind a read-back that differs from what was written, in the words of the
// channel list, so that a failed verify names the channel and field rather than bytes only.

#include <vector>

#include "compare/ProjectComparison.h"
#include "session/WriteVerification.h"

namespace radioprog {

// Written on the left, read back on the right; nothing when no data area was read back.
std::vector<FieldDifference> VerifyDifferences(
    const VerifyReport& report, THaldenFuncs::TLangType words = THaldenFuncs::TLangType::English);

}  // namespace radioprog
