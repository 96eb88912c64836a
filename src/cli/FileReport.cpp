#include "cli/FileReport.h"

#include <iostream>

namespace radioprog::cli {

bool Report(const FileResult& result, CliContext& context) {
    if (!result) {
        std::cerr << result.message << "\n";
        context.exitCode = result.notThisKind ? kExitDataError : kExitFileError;
    } else if (!result.notice.empty()) {
        std::cerr << result.notice << "\n";
    }
    return result.ok;
}

}  // namespace radioprog::cli
