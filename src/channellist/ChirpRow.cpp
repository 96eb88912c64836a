#include "channellist/ChirpRow.h"

#include "channellist/ChannelColumns.h"
#include "model/ToneCodec.h"

namespace radioprog {

namespace {

bool DiffersFrom(const Tone& wanted, uint8_t type, uint16_t code) {
    return wanted.type != type || (wanted.type != kToneNone && wanted.code != code);
}

}  // namespace

void StoreChirpRow(const ChirpRow& row, bool listHasNames, ProjectImage& image) {
    ChannelRecord ch = image.Channel(row.channel);
    if (!image.IsChannelValid(row.channel)) {
        ch.InitialiseNew(row.rx);
        image.SetChannelValid(row.channel, true);
    }
    ch.SetRxFreq(row.rx);
    ch.SetTxFreq(row.tx);
    if (DiffersFrom(row.tones.rx, ch.RxToneType(), ch.RxToneCode())) {
        const uint8_t typeBefore = ch.RxToneType();
        ch.SetRxTone(row.tones.rx.type, row.tones.rx.type == kToneNone ? 0 : row.tones.rx.code);
        ch.FollowReceiveTone(typeBefore);
    }
    if (DiffersFrom(row.tones.tx, ch.TxToneType(), ch.TxToneCode())) {
        ch.SetTxTone(row.tones.tx.type, row.tones.tx.type == kToneNone ? 0 : row.tones.tx.code);
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
