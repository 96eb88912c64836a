#include "lang/AppLang.h"

#include "lang/GbkToBig5.h"

namespace THaldenFuncs {

THaldenString TAppLang::FromGBK(std::string_view text) const {
    if (!UsesBig5()) {
        return THaldenString(text);
    }
    return radioprog::ConvertGbkToBig5(text);
}

}  // namespace THaldenFuncs
