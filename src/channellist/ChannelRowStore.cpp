#include "channellist/ChannelRowStore.h"

#include "channellist/NameCharacters.h"
#include "lang/TextCodec.h"
#include "model/FreqCodec.h"
#include "model/ToneCodec.h"

namespace radioprog {

namespace {

class RowStore {
  public:
    RowStore(const ChannelRowCells& cells, int channel, ProjectImage& image, const BandLimits& band,
             TonesOutsideTheList outside, ControlsInNames controls)
        : cells_(cells),
          channel_(channel),
          image_(image),
          before_(image),
          band_(band),
          wasInUse_(image.IsChannelValid(channel)),
          outside_(outside),
          controls_(controls) {}

    std::optional<ChannelCellError> Store() {
        const auto rx = Cell(ChannelColumn::RxFreq);
        if (!rx ? !wasInUse_ : rx->empty()) {
            image_.SetChannelValid(channel_, false);
            return std::nullopt;
        }
        if (rx && !Unchanged(ChannelColumn::RxFreq)) {
            const auto hz = TextToFreq(*rx);
            if (!hz) {
                return Error(ChannelColumn::RxFreq, "not a frequency in MHz, like 146.52000");
            }
            if (auto error = CheckFreq(ChannelColumn::RxFreq, *hz)) {
                return error;
            }
            StoreRx(*hz);
        }
        for (auto step : {&RowStore::StoreTx, &RowStore::StoreWords, &RowStore::StoreTones,
                          &RowStore::StoreSquelchMode, &RowStore::StoreName}) {
            if (auto error = (this->*step)()) {
                return error;
            }
        }
        return std::nullopt;
    }

  private:
    std::optional<std::string_view> Cell(ChannelColumn column) const {
        const auto& cell = cells_[static_cast<int>(column)];
        if (!cell) {
            return std::nullopt;
        }
        return column == ChannelColumn::Name ? std::string_view(*cell) : TrimmedCell(*cell);
    }

    // Whether the cell says what the channel held before the row: the same text, or a text
    // that reads as the same value ("146.52" for "146.52000", "67" for "67.0").
    bool Unchanged(ChannelColumn column) const {
        if (!wasInUse_) {
            return false;
        }
        const std::string_view text = *Cell(column);
        const std::string stored = ChannelFieldText(before_, channel_, column);
        if (text == stored) {
            return true;
        }
        switch (column) {
            case ChannelColumn::RxFreq:
            case ChannelColumn::TxFreq: {
                const auto value = ParseFreqCell(column, text);
                return value && value == ParseFreqCell(column, stored);
            }
            case ChannelColumn::RxTone:
            case ChannelColumn::TxTone: {
                const auto tone = ParseToneCell(text);
                return tone && tone == ParseToneCell(stored);
            }
            case ChannelColumn::Name:
                return false;
            default: {
                const auto value = ParseWordCell(column, text);
                return value && value == ParseWordCell(column, stored);
            }
        }
    }

    // A cell that is there, holds something and says something new.
    bool Changes(ChannelColumn column, bool emptyKeeps) const {
        const auto text = Cell(column);
        return text && !(emptyKeeps && text->empty()) && !Unchanged(column);
    }

    // A list or a paste is checked before anything is stored, so a frequency the grid would
    // clamp to the band or round down to the raster is refused rather than changed unseen.
    std::optional<ChannelCellError> CheckFreq(ChannelColumn column, uint32_t hz) const {
        if (hz < band_.lower || hz > band_.upper) {
            return Error(column, "outside the band " + FreqToText(band_.lower) + "–" +
                                     FreqToText(band_.upper) + " MHz");
        }
        if (const uint32_t stored = SnapToBand(hz, band_); stored != hz) {
            return Error(column,
                         "not on the channel raster (steps of 5 or 6.25 kHz); the nearest below "
                         "is " +
                             FreqToText(stored));
        }
        return std::nullopt;
    }

    void StoreRx(uint32_t hz) {
        ChannelRecord ch = image_.Channel(channel_);
        if (wasInUse_) {
            ch.SetRxFreq(hz);
        } else {
            ch.InitialiseNew(hz);
            image_.SetChannelValid(channel_, true);
        }
    }

    std::optional<ChannelCellError> StoreTx() {
        // An empty cell states nothing and keeps the field, as a word cell does: a channel the
        // row starts keeps its receive frequency for transmit, as a channel started in the grid
        // does, and a list imported onto its own result changes nothing. "0" is no transmit
        // frequency.
        if (!Changes(ChannelColumn::TxFreq, true)) {
            return std::nullopt;
        }
        const auto hz = ParseFreqCell(ChannelColumn::TxFreq, *Cell(ChannelColumn::TxFreq));
        if (!hz) {
            return Error(ChannelColumn::TxFreq, "not a frequency in MHz, like 146.52000");
        }
        if (*hz != 0) {
            if (auto error = CheckFreq(ChannelColumn::TxFreq, *hz)) {
                return error;
            }
        }
        image_.Channel(channel_).SetTxFreq(*hz);
        return std::nullopt;
    }

    std::optional<ChannelCellError> StoreWords() {
        ChannelRecord ch = image_.Channel(channel_);
        for (const ChannelColumn column :
             {ChannelColumn::Power, ChannelColumn::Bandwidth, ChannelColumn::BusyLock,
              ChannelColumn::ScanAdd, ChannelColumn::Dtmf}) {
            if (!Changes(column, true)) {
                continue;
            }
            const auto value = ParseWordCell(column, *Cell(column));
            if (!value) {
                return Error(column, "not one of " + WordChoices(column));
            }
            SetWordValue(ch, column, *value);
        }
        return std::nullopt;
    }

    std::optional<ChannelCellError> StoreTones() {
        ChannelRecord ch = image_.Channel(channel_);
        for (const ChannelColumn column : {ChannelColumn::RxTone, ChannelColumn::TxTone}) {
            if (!Changes(column, false)) {
                continue;
            }
            const auto tone = ParseToneCell(*Cell(column));
            if (!tone) {
                return Error(column,
                             "not a tone: Off, a CTCSS tone like 88.5 or a DCS code like D023N "
                             "or D023I");
            }
            if (outside_ == TonesOutsideTheList::Refuse &&
                !IsStandardTone(tone->code, tone->type) && !ProjectUses(*tone)) {
                return Error(column,
                             "not in the tone list: Off, the standard CTCSS tones (67.0 to "
                             "254.1) and DCS codes like D023N or D023I");
            }
            if (column == ChannelColumn::RxTone) {
                const uint8_t typeBefore = ch.RxToneType();
                ch.SetRxTone(tone->type, tone->code);
                if (!StatesSquelchMode()) {
                    ch.FollowReceiveTone(typeBefore);
                }
            } else {
                ch.SetTxTone(tone->type, tone->code);
            }
        }
        return std::nullopt;
    }

    // A tone outside the list that a channel of the project already has (one a radio or a
    // foreign file brought) is no typing slip: channels holding it copy and paste as they are.
    bool ProjectUses(const Tone& tone) const {
        for (int n = 1; n <= kChannelCount; ++n) {
            if (!before_.IsChannelValid(n)) {
                continue;
            }
            const ConstChannelRecord ch = before_.Channel(n);
            if (tone == Tone{ch.RxToneType(), ch.RxToneCode()} ||
                tone == Tone{ch.TxToneType(), ch.TxToneCode()}) {
                return true;
            }
        }
        return false;
    }

    // The grid's follow-up of a new receive tone is for a row that leaves the mode out.
    bool StatesSquelchMode() const {
        const auto text = Cell(ChannelColumn::SquelchMode);
        return text && !text->empty();
    }

    // A mode the row states is the mode stored, also where it is the one the channel had and
    // a new receive tone would have changed it: a list imported onto its own result then
    // changes nothing.
    std::optional<ChannelCellError> StoreSquelchMode() {
        if (!StatesSquelchMode()) {
            return std::nullopt;
        }
        const auto value =
            ParseWordCell(ChannelColumn::SquelchMode, *Cell(ChannelColumn::SquelchMode));
        if (!value) {
            return Error(ChannelColumn::SquelchMode,
                         "not one of " + WordChoices(ChannelColumn::SquelchMode));
        }
        image_.Channel(channel_).SetSquelchMode(*value);
        return std::nullopt;
    }

    std::optional<ChannelCellError> StoreName() {
        if (!Changes(ChannelColumn::Name, false)) {
            return std::nullopt;
        }
        if (const auto control = controls_ == ControlsInNames::Refuse
                                     ? FirstControlCharacter(*Cell(ChannelColumn::Name))
                                     : std::nullopt) {
            return Error(ChannelColumn::Name,
                         "a name with " + *control + ", a character the radio cannot show");
        }
        const auto bytes = EncodeCodePage(*Cell(ChannelColumn::Name), CodePage::Gbk);
        if (!bytes) {
            const auto character = FirstCharacterNotStorable(*Cell(ChannelColumn::Name));
            return Error(ChannelColumn::Name,
                         character
                             ? "a name with " + *character + ", a character the radio cannot show"
                             : "a name with a character the radio cannot show");
        }
        if (bytes->size() > channel::Name.size) {
            return Error(ChannelColumn::Name,
                         "longer than the 6 bytes a name holds (a Chinese character takes 2)");
        }
        image_.SetText(ChannelNameField(channel_), *bytes);
        return std::nullopt;
    }

    static std::optional<ChannelCellError> Error(ChannelColumn column, std::string why) {
        return ChannelCellError{column, std::move(why)};
    }

    const ChannelRowCells& cells_;
    int channel_;
    ProjectImage& image_;
    const ProjectImage before_;
    const BandLimits& band_;
    bool wasInUse_;
    TonesOutsideTheList outside_;
    ControlsInNames controls_;
};

}  // namespace

std::optional<ChannelCellError> StoreChannelRow(const ChannelRowCells& cells, int channel,
                                                ProjectImage& image, const BandLimits& band,
                                                TonesOutsideTheList outside,
                                                ControlsInNames controls) {
    return RowStore(cells, channel, image, band, outside, controls).Store();
}

}  // namespace radioprog
