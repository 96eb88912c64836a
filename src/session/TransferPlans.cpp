#include "session/TransferPlans.h"

#include "session/RadioMemoryMap.h"

namespace radioprog {

namespace {

using radiomap::kCalibrationOffset;
using radiomap::kChannelOffset;
using radiomap::kPasswordOffset;
using radiomap::kSettingsOffset;

// Buffer offsets of the areas a plan moves. The settings and calibration limits are the
// areas' sizes rounded to whole blocks by "starts below the limit".
constexpr int kSettingsFirst = static_cast<int>(kSettingsOffset);
constexpr int kSettingsLimit = static_cast<int>(kSettingsOffset + radiomap::kSettingsSize);
constexpr int kChannelsFirst = static_cast<int>(kChannelOffset);
constexpr int kChannelsLimit = static_cast<int>(kCalibrationOffset);
constexpr int kCalibrationInBufferFirst = static_cast<int>(kCalibrationOffset);
constexpr int kCalibrationInBufferLimit = kCalibrationInBufferFirst + 139;
constexpr int kCalibrationImageLimit = 139;
constexpr int kPasswordFirst = static_cast<int>(kPasswordOffset);
constexpr int kPasswordLimit = kPasswordFirst + kBlockSize;
constexpr int kLegacyFirst = static_cast<int>(radiomap::kLegacyFirstAddress);
constexpr int kLegacyLimit = static_cast<int>(radiomap::kLegacyEndAddress);

PlanStep Blocks(BlockRequest request, int first, int limit) {
    PlanStep step;
    step.kind = PlanStep::Kind::Blocks;
    step.request = request;
    step.first = first;
    step.limit = limit;
    return step;
}

PlanStep Convert(PlanConversion conversion) {
    PlanStep step;
    step.kind = PlanStep::Kind::Convert;
    step.conversion = conversion;
    return step;
}

PlanStep Finish(AfterSuccess after = AfterSuccess::Nothing) {
    PlanStep step;
    step.kind = PlanStep::Kind::Finish;
    step.afterSuccess = after;
    return step;
}

// The write steps shared by the data write and the calibration-and-data write: settings,
// channels and, when asked for, the new password block.
void AppendDataWrite(std::vector<PlanStep>& steps, bool withNewPassword) {
    steps.push_back(Convert(PlanConversion::AnalyseTmpAdjustmentData));
    steps.push_back(Convert(PlanConversion::GetDataForWrite));
    steps.push_back(Blocks(BlockRequest::WriteCurrent, kSettingsFirst, kSettingsLimit));
    steps.push_back(Blocks(BlockRequest::WriteCurrent, kChannelsFirst, kChannelsLimit));
    if (withNewPassword) {
        steps.push_back(Blocks(BlockRequest::WriteCurrent, kPasswordFirst, kPasswordLimit));
    }
    steps.push_back(Finish());
}

TransferPlan Read() {
    return {"Read",
            34,
            {Blocks(BlockRequest::ReadCurrent, kSettingsFirst, kSettingsLimit),
             Blocks(BlockRequest::ReadCurrent, kChannelsFirst, kChannelsLimit),
             Finish(AfterSuccess::SetDataToSoftware)}};
}

TransferPlan Write(bool withNewPassword) {
    TransferPlan plan{"Write", 47, {}};
    plan.steps.push_back(
        Blocks(BlockRequest::ReadCurrent, kCalibrationInBufferFirst, kCalibrationInBufferLimit));
    AppendDataWrite(plan.steps, withNewPassword);
    return plan;
}

TransferPlan Read_old() {
    return {"Read_old",
            49,
            {Blocks(BlockRequest::ReadLegacy, kLegacyFirst, kLegacyLimit),
             Finish(AfterSuccess::SetDataToSoftware_old)}};
}

TransferPlan Write_old() {
    return {"Write_old",
            49,
            {Convert(PlanConversion::GetDataForWrite_old),
             Blocks(BlockRequest::WriteLegacy, kLegacyFirst, kLegacyLimit), Finish()}};
}

TransferPlan AdjustmentRead() {
    return {"AdjustmentRead",
            13,
            {Blocks(BlockRequest::ReadCalibration, 0, kCalibrationImageLimit),
             Finish(AfterSuccess::SetAdjustmentData)}};
}

TransferPlan AdjustmentWrite() {
    return {"AdjustmentWrite",
            78,
            {Convert(PlanConversion::GetAdjustmentData),
             Blocks(BlockRequest::WriteCalibration, 0, kCalibrationImageLimit),
             Blocks(BlockRequest::ReadCurrent, kChannelsFirst, kChannelsLimit),
             Convert(PlanConversion::ReAnalyseChInfor),
             Blocks(BlockRequest::WriteCurrent, kChannelsFirst, kChannelsLimit), Finish()}};
}

TransferPlan AllWrite(bool withNewPassword) {
    TransferPlan plan{"AllWrite", 61, {}};
    plan.steps.push_back(Convert(PlanConversion::GetAdjustmentData));
    plan.steps.push_back(Blocks(BlockRequest::WriteCalibration, 0, kCalibrationImageLimit));
    plan.steps.push_back(
        Blocks(BlockRequest::ReadCurrent, kCalibrationInBufferFirst, kCalibrationInBufferLimit));
    AppendDataWrite(plan.steps, withNewPassword);
    return plan;
}

TransferPlan PasswordWrite() {
    return {"PasswordWrite",
            10,
            {Convert(PlanConversion::NewPasswordBlock),
             Blocks(BlockRequest::WriteCurrent, kPasswordFirst, kPasswordLimit), Finish()}};
}

}  // namespace

bool IsReadRequest(BlockRequest request) {
    switch (request) {
        case BlockRequest::ReadCurrent:
        case BlockRequest::ReadLegacy:
        case BlockRequest::ReadCalibration:
            return true;
        case BlockRequest::WriteCurrent:
        case BlockRequest::WriteLegacy:
        case BlockRequest::WriteCalibration:
            return false;
    }
    return false;
}

uint16_t RadioAddressOf(BlockRequest request, int offset) {
    switch (request) {
        case BlockRequest::ReadCurrent:
        case BlockRequest::WriteCurrent:
            return static_cast<uint16_t>(radiomap::kCurrentBaseAddress + offset);
        case BlockRequest::ReadLegacy:
        case BlockRequest::WriteLegacy:
            return static_cast<uint16_t>(offset);
        case BlockRequest::ReadCalibration:
        case BlockRequest::WriteCalibration:
            return static_cast<uint16_t>(radiomap::kCalibrationAddress + offset);
    }
    return static_cast<uint16_t>(offset);
}

bool SendsCalibrationImage(BlockRequest request) {
    return request == BlockRequest::WriteCalibration;
}

bool WritesNewPasswordWithData(const ProjectImage& image, SessionMode mode) {
    return (mode == SessionMode::Data || mode == SessionMode::CalibrationAndData) &&
           image.Get(image::WriteNewPasswordWithData) == 1;
}

TransferPlan PlanFor(const PlanChoice& choice) {
    if (choice.ReadRequested) {
        switch (choice.SessionMode) {
            case SessionMode::Data:
                return choice.LegacyRadio ? Read_old() : Read();
            case SessionMode::Calibration:
                return AdjustmentRead();
            default:
                return {};
        }
    }
    switch (choice.SessionMode) {
        case SessionMode::Data:
            return choice.LegacyRadio ? Write_old() : Write(choice.WriteNewPasswordWithData);
        case SessionMode::Calibration:
            return AdjustmentWrite();
        case SessionMode::CalibrationAndData:
            return AllWrite(choice.WriteNewPasswordWithData);
        case SessionMode::NewPassword:
            return PasswordWrite();
        default:
            return {};
    }
}

}  // namespace radioprog
