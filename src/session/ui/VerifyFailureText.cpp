#include "session/ui/VerifyFailureText.h"

#include <QStringList>

#include "compare/DifferenceLines.h"
#include "compare/VerifyDifferences.h"
#include "gui/UiText.h"
#include "lang/WriteCheckText.h"

namespace radioprog::ui {

namespace {

QString CheckText(const GuiContext& context, WriteCheckTextId id) {
    return FromUtf8(WriteCheckTextUtf8(context.data.lang, id));
}

QString PlaceText(const GuiContext& context, const MemoryPlace& place) {
    switch (place.kind) {
        case MemoryPlace::Kind::Channel:
            return CheckText(context, WriteCheckTextId::PlaceChannel).arg(place.channel);
        case MemoryPlace::Kind::Password:
            return CheckText(context, WriteCheckTextId::PlacePassword);
        case MemoryPlace::Kind::Calibration:
            return CheckText(context, WriteCheckTextId::PlaceCalibration);
        case MemoryPlace::Kind::Settings:
            break;
    }
    return CheckText(context, WriteCheckTextId::PlaceSettings);
}

}  // namespace

QString VerifyFailureText(const GuiContext& context, const VerifyReport& report) {
    QStringList places;
    for (const MemoryPlace& place : report.Places()) {
        places << PlaceText(context, place);
    }
    QString text = CheckText(context, WriteCheckTextId::VerifyFailed) + "\n\n" +
                   CheckText(context, WriteCheckTextId::DifferingPlaces).arg(places.join(", ")) +
                   "\n" +
                   CheckText(context, WriteCheckTextId::DifferingAddresses)
                       .arg(FromUtf8(AddressRanges(report.differingAddresses)));
    const std::string fields =
        DifferenceLines(VerifyDifferences(report, context.data.lang.LangType()), context.data.lang);
    if (!fields.empty()) {
        text += "\n\n" + FromUtf8(fields).trimmed();
    }
    return text;
}

}  // namespace radioprog::ui
