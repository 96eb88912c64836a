#include "channellist/ColumnCaptions.h"

#include "channellist/ColumnHolding.h"
#include "lang/InterfaceText.h"
#include "lang/ProjectFileText.h"
#include "lang/TextIds.h"

namespace radioprog {

namespace {

std::string PlainCaption(ChannelColumn column, THaldenFuncs::TLangType language) {
    if (column == ChannelColumn::Number) {
        return LangTextUtf8(language, text::kChannelNumber);
    }
    return LangTextUtf8(language, text::kChannelFieldCaptions[static_cast<size_t>(column) - 1]);
}

}  // namespace

std::string MarkedColumnCaption(ChannelColumn column, THaldenFuncs::TLangType language) {
    std::string caption = PlainCaption(column, language);
    if (!IsFileOnlyColumn(column)) {
        return caption;
    }
    std::string marked = ProjectFileTextUtf8(language, ProjectFileTextId::FileOnlyCaption);
    if (const size_t at = marked.find("%1"); at != std::string::npos) {
        marked.replace(at, 2, caption);
    }
    return marked;
}

std::string FileOnlyTip(ChannelColumn column, THaldenFuncs::TLangType language) {
    if (!IsFileOnlyColumn(column)) {
        return {};
    }
    return ProjectFileTextUtf8(language, ColumnHeldBy(column) == kHeldByNoRadio
                                             ? ProjectFileTextId::FileOnlyTip
                                             : ProjectFileTextId::FileOnlyLegacyTip);
}

}  // namespace radioprog
