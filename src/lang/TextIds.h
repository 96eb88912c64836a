#pragma once
// Names for the rows of the interface text table that code picks one by one. Tables that map
// many controls to their rows (menus, option lists) keep their numbers beside the controls.

#include <array>

#include "lang/InterfaceText.h"

namespace radioprog::text {

inline constexpr TextId kProgramName = 0;

// Channel grid captions and words.
inline constexpr TextId kChannelNumber = 15;
inline constexpr TextId kReceiveFrequency = 16;
inline constexpr TextId kTransmitFrequency = 17;
inline constexpr TextId kReceiveTone = 18;
inline constexpr TextId kTransmitTone = 19;
inline constexpr TextId kTransmitPower = 20;
inline constexpr TextId kBandwidth = 21;
inline constexpr TextId kScan = 22;
inline constexpr TextId kBusyInhibit = 23;
inline constexpr TextId kChannelName = 24;
inline constexpr TextId kChannelPage = 25;
inline constexpr TextId kHigh = 26;
inline constexpr TextId kLow = 27;
inline constexpr TextId kWide = 28;
inline constexpr TextId kNarrow = 29;
inline constexpr TextId kScanAdd = 30;
inline constexpr TextId kScanDelete = 31;
inline constexpr TextId kBusyOff = 32;
inline constexpr TextId kBusyCarrier = 33;
inline constexpr TextId kBusyTone = 34;
inline constexpr TextId kOptionsPage = 35;
inline constexpr TextId kNonstandardValue = 251;

// Option captions and words.
inline constexpr TextId kSql = 44;
inline constexpr TextId kSquelchMode = 45;
inline constexpr TextId kTot = 48;
inline constexpr TextId kToa = 49;
inline constexpr TextId kVoice = 213;
inline constexpr TextId kSavingRate = 250;
inline constexpr TextId kOn = 105;
inline constexpr TextId kOff = 106;
inline constexpr TextId kDtmf = 77;
inline constexpr TextId kKeyBeep = 68;
inline constexpr TextId kBatterySave = 70;
inline constexpr TextId kOptionOff = 75;
inline constexpr TextId kSquelchCarrier = 76;
inline constexpr TextId kDtmfOn = 201;
inline constexpr TextId kDtmfOff = 202;
inline constexpr TextId kChinese = 214;
inline constexpr TextId kEnglish = 215;

// Shared dialog words.
inline constexpr TextId kOpenTitle = 150;
inline constexpr TextId kSaveTitle = 151;
inline constexpr TextId kOk = 153;
inline constexpr TextId kCancel = 154;
inline constexpr TextId kClearAllQuestion = 155;
inline constexpr TextId kSaveQuestion = 197;
inline constexpr TextId kYes = 198;
inline constexpr TextId kNo = 199;

// About box.
inline constexpr TextId kAboutTitle = 161;
inline constexpr TextId kProgramDescription = 162;
inline constexpr TextId kVersion = 163;
inline constexpr TextId kOwnerLine1 = 164;
inline constexpr TextId kOwnerLine2 = 165;

// Status strip.
inline constexpr TextId kLastProgramDate = 212;
inline constexpr TextId kFrequencyBand = 238;
inline constexpr TextId kHotline = 270;

// Password windows.
inline constexpr TextId kPasswordTitle = 232;
inline constexpr TextId kNewPassword = 233;
inline constexpr TextId kInputPassword = 234;
inline constexpr TextId kNewPasswordAgain = 235;
inline constexpr TextId kWritePassword = 236;
inline constexpr TextId kPasswordsDiffer = 237;
inline constexpr TextId kWriteNewPasswordWithData = 258;

// Programming window captions.
inline constexpr TextId kReadFromRadio = 247;
inline constexpr TextId kWriteToRadio = 248;

// The captions of a channel's fields in the order the grid and the channel sheet show them.
inline constexpr std::array<TextId, 11> kChannelFieldCaptions = {
    kReceiveFrequency, kTransmitFrequency, kReceiveTone, kTransmitTone, kTransmitPower, kBandwidth,
    kBusyInhibit,      kChannelName,       kScan,        kDtmf,         kSquelchMode};

}  // namespace radioprog::text
