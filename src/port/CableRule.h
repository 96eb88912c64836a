#pragma once
// The udev rule that the package installs so that the person at the desktop may open the
// usual programming cables without joining a group. Permission advice names it when it is
// there, because then the fix is usually to plug the cable in again, not to change groups.

#include <string>

namespace radioprog {

// Where an installed build finds its rule (the install prefix's udev rules folder).
extern const char* const kCableRulePath;

// A closing sentence for the permission advice, naming the rule at rulePath and what to do
// when it is installed there; empty when it is not.
std::string CableRuleAdvice(const std::string& rulePath = kCableRulePath);

}  // namespace radioprog
