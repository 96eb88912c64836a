#include "port/CableRule.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempFolder.h"

namespace radioprog {
namespace {

// The advice names the rule only where it is really installed: a user told about a rule
// that is not there would wait for a fix that cannot come.
TEST(CableRule, AdviceNamesTheRuleOnlyWhenItIsInstalled) {
    testing::TempFolder folder;
    const std::string rule = folder.File("70-radioprog-cables.rules");

    EXPECT_EQ(CableRuleAdvice(rule), "");
    std::filesystem::create_directory(rule);
    EXPECT_EQ(CableRuleAdvice(rule), "") << "a folder of that name is no rule";
    std::filesystem::remove(rule);

    std::ofstream(rule) << "SUBSYSTEM==\"tty\", TAG+=\"uaccess\"\n";
    const std::string advice = CableRuleAdvice(rule);
    EXPECT_NE(advice.find(rule), std::string::npos) << advice;
    EXPECT_NE(advice.find("plug it in again"), std::string::npos) << advice;
    EXPECT_EQ(advice.front(), ' ') << "follows the advice before it";
}

// The program looks where the package puts the rule: udev's rules folder under the install
// prefix, named so that it sorts before udev's seat rules, which act on the uaccess tag.
TEST(CableRule, InstalledPathIsUdevsRulesFolder) {
    const std::filesystem::path path = kCableRulePath;
    EXPECT_TRUE(path.is_absolute()) << path;
    EXPECT_EQ(path.parent_path().filename(), "rules.d") << path;
    EXPECT_EQ(path.parent_path().parent_path().filename(), "udev") << path;
    EXPECT_EQ(path.filename(), "70-radioprog-cables.rules") << path;
    EXPECT_LT(path.filename().string(), "71-seat.rules");
}

}  // namespace
}  // namespace radioprog
