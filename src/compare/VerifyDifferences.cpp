#include "compare/VerifyDifferences.h"

namespace radioprog {

std::vector<FieldDifference> VerifyDifferences(const VerifyReport& report,
                                               THaldenFuncs::TLangType words) {
    if (!report.sentProject || !report.readProject) {
        return {};
    }
    return CompareProjects(report.sentProject->image, report.sentProject->band,
                           report.readProject->image, report.readProject->band, words);
}

}  // namespace radioprog
