#pragma once
// The settings scalars of the project image (RadioSettings, DtmfSettings, KeySettings),
// by their offsets in the block. Positions between them are reserved.

#include "model/ByteAccess.h"

namespace radioprog::settings {

// RadioSettings
inline constexpr U8Field Voice{2742};  // 0 off, 1 Chinese, 2 English
inline constexpr U8Field Sql{2751};    // 0..9
inline constexpr U8Field SquelchMode{2752};
inline constexpr U8Field SubaudioTail{2760};
inline constexpr U8Field VoxCtrl{2766};
inline constexpr U8Field Vox{2767};
inline constexpr U16Field VoxDelay{2768};  // ms
inline constexpr U16Field Tot{2770};       // s, 0 or 15..600
inline constexpr U8Field Toa{2773};        // s, 0..10
inline constexpr U8Field Scan{2777};
inline constexpr U16Field PriScan{2778};
inline constexpr U8Field Beep{2783};
inline constexpr U8Field Saving{2785};
inline constexpr U8Field SavingRate{2786};  // 1:n
inline constexpr U16Field Apo{2787};
inline constexpr U8Field ChannelReport{2790};
inline constexpr U8Field Ctrl1750Hz{2795};
inline constexpr U8Field Hold1750Hz{2796};
inline constexpr U8Field Whisper{2880};
inline constexpr U8Field AlarmMode{2889};
inline constexpr U8Field RefuseAlarm{2890};
inline constexpr U8Field AutoConnect{2891};
inline constexpr U8Field AutoConnectPos{2892};
inline constexpr U8Field MasterTxPeriod{2893};
inline constexpr U8Field SlaveTimeout{2894};
inline constexpr U8Field SlaveAlarmPeriod{2895};
inline constexpr U8Field PowerOnBeep{2896};
inline constexpr U16Field AlarmCode{2901};
inline constexpr U8Field Alarm{2903};

// DtmfSettings
inline constexpr U16Field DtmfId{2800};
inline constexpr U8Field DtmfGroup{2802};
inline constexpr U8Field EncodeMode{2803};
inline constexpr U8Field SideTone{2804};
inline constexpr U8Field Control{2805};
inline constexpr U8Field DigitSpeed{2806};
inline constexpr U8Field PauseDuration{2807};
inline constexpr U16Field FirstDelay{2808};
inline constexpr U16Field Pretime{2810};
inline constexpr U16Field MiJingDelay{2812};
inline constexpr U8Field GroupCode{2814};
inline constexpr U8Field AutoReset{2815};
inline constexpr U8Field SendAni{2816};
inline constexpr BytesField KillCode{2818, 10};
inline constexpr U8Field KillCodeLength{2828};
inline constexpr BytesField StunCode{2829, 10};
inline constexpr U8Field StunCodeLength{2839};
inline constexpr BytesField ReviveCode{2840, 10};
inline constexpr U8Field ReviveCodeLength{2850};
inline constexpr U8Field Limited{2851};
inline constexpr U8Field DizzyState{2852};
inline constexpr BytesField PttId{2853, 10};
inline constexpr U8Field PttIdLength{2863};
inline constexpr BytesField Ani{2864, 10};
inline constexpr U8Field AniLength{2874};

// KeySettings: key function codes (0 none, 2 monitor, 3 momentary monitor, 8 scan, 25 alarm)
inline constexpr U8Field Key1Short{2897};
inline constexpr U8Field Key1Long{2898};
inline constexpr U8Field Key2Short{2899};
inline constexpr U8Field Key2Long{2900};

}  // namespace radioprog::settings
