#include "channellist/ChirpImportNotes.h"

namespace radioprog {

namespace {

std::string Rows(int n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

std::string Caption(ChirpColumn column) {
    return std::string(ChirpCaption(column));
}

bool Has(const ChirpImportTally& tally, ChirpColumn column) {
    return tally.columns.test(static_cast<size_t>(column));
}

std::string StandInNote(const ChirpImportTally& tally, ChirpToneField field) {
    const int rows = tally.standIns[static_cast<size_t>(field)];
    const ChirpToneStandIn standIn = ChirpToneDefault(field);
    std::string took;
    if (standIn.other && Has(tally, ChirpToneColumn(*standIn.other))) {
        took = Caption(ChirpToneColumn(*standIn.other)) + "'s value for it";
    } else {
        took = "the format's default, " +
               (standIn.text.empty() ? std::string("no tone") : std::string(standIn.text));
    }
    return "No " + Caption(ChirpToneColumn(field)) + " column: " + Rows(rows, "row", "rows") +
           " took " + took + ".";
}

// Columns whose format default every row takes when the file lacks them, in words.
struct ColumnDefault {
    ChirpColumn column;
    const char* meaning;
};
constexpr ColumnDefault kColumnDefaults[] = {
    {ChirpColumn::Duplex, "simplex"},
    {ChirpColumn::Mode, "FM (wide)"},
    {ChirpColumn::Skip, "scanned"},
};

std::string DefaultNote(const ChirpImportTally& tally, const ColumnDefault& taken) {
    return "No " + Caption(taken.column) + " column: " + Rows(tally.rows, "row", "rows") +
           " took the format's default, " + taken.meaning + ".";
}

// The fields no row of the list sets, named as the grid names them.
std::string FieldsNotCarried(const ChirpImportTally& tally) {
    std::string fields;
    if (tally.withoutPower > 0) {
        fields += "power on " + Rows(tally.withoutPower, "row", "rows") + ", ";
    }
    if (!Has(tally, ChirpColumn::Name)) {
        fields += "names, ";
    }
    return fields + "busy lock, DTMF and squelch mode";
}

}  // namespace

std::vector<std::string> ChirpImportNotes(const ChirpImportTally& tally) {
    std::vector<std::string> notes;
    if (tally.rows == 0) {
        return notes;
    }
    for (const ColumnDefault& taken : kColumnDefaults) {
        if (!Has(tally, taken.column)) {
            notes.push_back(DefaultNote(tally, taken));
        }
    }
    for (int f = 0; f < kChirpToneFieldCount; ++f) {
        if (tally.standIns[static_cast<size_t>(f)] > 0) {
            notes.push_back(StandInNote(tally, static_cast<ChirpToneField>(f)));
        }
    }
    notes.push_back(
        "Fields the list does not carry keep an overwritten channel's values, and a new channel "
        "takes the radio's defaults: " +
        FieldsNotCarried(tally) + ".");
    if (tally.namesShortened > 0) {
        notes.push_back(Rows(tally.namesShortened, "name was", "names were") +
                        " shortened to the radio's 6 bytes.");
    }
    if (tally.comments > 0) {
        notes.push_back(Rows(tally.comments, "comment was", "comments were") +
                        " not kept: the radio has no place for them.");
    }
    if (tally.digitalVoice > 0) {
        notes.push_back("The digital voice values of " + Rows(tally.digitalVoice, "row", "rows") +
                        " were not kept: this FM radio has no place for them.");
    }
    return notes;
}

}  // namespace radioprog
