#include "channellist/ChirpRow.h"

#include "channellist/ChannelColumns.h"
#include "model/ToneCodec.h"

namespace radioprog {

namespace {

bool DiffersFrom(const Tone& wanted, uint8_t type, uint16_t code) {
    return wanted.type != type || (wanted.type != kToneNone && wanted.code != code);
}

// The code a tone is stored with: "Off" as the tone parser stores it, so that an imported
// channel holds the bytes of one typed in the grid or read from our own list.
uint16_t StoredCode(const Tone& tone) {
    if (tone.type != kToneNone) {
        return tone.code;
    }
    uint8_t type = kToneNone;
    uint16_t code = 0;
    TextToTone("Off", type, code);
    return code;
}

}  // namespace

void StoreChirpRow(const ChirpRow& row, bool listHasNames, ProjectImage& image) {
    ChannelRecord ch = image.Channel(row.channel);
    // A new channel has no bytes of its own to keep: its tones are the row's.
    const bool created = !image.IsChannelValid(row.channel);
    if (created) {
        ch.InitialiseNew(row.rx);
        image.SetChannelValid(row.channel, true);
    }
    ch.SetRxFreq(row.rx);
    ch.SetTxFreq(row.tx);
    if (created || DiffersFrom(row.tones.rx, ch.RxToneType(), ch.RxToneCode())) {
        const uint8_t typeBefore = ch.RxToneType();
        ch.SetRxTone(row.tones.rx.type, StoredCode(row.tones.rx));
        ch.FollowReceiveTone(typeBefore);
    }
    if (created || DiffersFrom(row.tones.tx, ch.TxToneType(), ch.TxToneCode())) {
        ch.SetTxTone(row.tones.tx.type, StoredCode(row.tones.tx));
    }
    ch.SetWide(row.wide);
    ch.SetScanAdd(row.scanAdd);
    if (row.power.kind != PowerCell::Kind::Unstated) {
        ch.SetHighPower(row.power.kind == PowerCell::Kind::High);
    }
    if (listHasNames && image.Text(ChannelNameField(row.channel)) != row.name) {
        image.SetText(ChannelNameField(row.channel), row.name);
    }
}

}  // namespace radioprog
