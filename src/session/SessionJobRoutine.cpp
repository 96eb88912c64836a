// The job routine of the block stage: one block request per transmit tick, walking the
// job's plan; conversions between steps; the finish, and what runs once the success
// message has been dismissed.

#include "session/CalibrationConversion.h"
#include "session/LegacyMapConversion.h"
#include "session/MemoryMapConversion.h"
#include "session/PasswordBlock.h"
#include "session/ProgramSession.h"

namespace radioprog {

// StepIndex 0 means "not started"; step k of the plan runs at StepIndex k + 1.
void ProgramSession::EnterStep(int stepIndex) {
    StepIndex = stepIndex;
    const size_t planIndex = static_cast<size_t>(stepIndex - 1);
    if (planIndex < plan_.steps.size() && plan_.steps[planIndex].kind == PlanStep::Kind::Blocks) {
        BlockOffset = plan_.steps[planIndex].first;
    }
}

void ProgramSession::RunTransferPlan() {
    if (plan_.steps.empty()) {
        return;  // a job this radio or direction has no routine for: nothing is sent
    }
    if (StepIndex == 0) {
        ProgressStep = plan_.ProgressStep;
        EnterStep(1);
    }
    while (static_cast<size_t>(StepIndex - 1) < plan_.steps.size()) {
        const PlanStep& step = plan_.steps[static_cast<size_t>(StepIndex - 1)];
        switch (step.kind) {
            case PlanStep::Kind::Blocks:
                if (BlockOffset < step.limit) {
                    SendBlock(step.request, BlockOffset);
                    return;
                }
                EnterStep(StepIndex + 1);
                break;
            case PlanStep::Kind::Convert:
                RunConversion(step.conversion);
                EnterStep(StepIndex + 1);
                break;
            case PlanStep::Kind::Finish:
                FinishJob(step.afterSuccess);
                return;
        }
    }
}

void ProgramSession::SendBlock(BlockRequest request, int offset) {
    TransferIsRead = IsReadRequest(request);
    const uint16_t address = RadioAddressOf(request, offset);
    if (TransferIsRead) {
        ReadData(address, kBlockSize);
        return;
    }
    const std::span<const uint8_t> source =
        SendsCalibrationImage(request) ? std::span<const uint8_t>(data_.calibrationImage.bytes)
                                       : std::span<const uint8_t>(data_.radioMemory.bytes);
    WriteData(address, source.subspan(static_cast<size_t>(offset), kBlockSize));
}

void ProgramSession::RunConversion(PlanConversion conversion) {
    switch (conversion) {
        case PlanConversion::AnalyseTmpAdjustmentData:
            AnalyseTmpAdjustmentData(data_.radioMemory, data_.calibrationTables);
            break;
        case PlanConversion::GetDataForWrite:
            stampWritten_ = WriteTime();
            GetDataForWrite(data_.image, data_.band, data_.calibrationTables, data_.VariantY,
                            *stampWritten_, data_.radioMemory);
            break;
        case PlanConversion::GetDataForWrite_old:
            GetDataForWrite_old(data_.image, data_.radioMemory);
            break;
        case PlanConversion::GetAdjustmentData:
            GetAdjustmentData(data_.calibration, data_.VariantY, data_.calibrationImage,
                              data_.calibrationTables);
            break;
        case PlanConversion::ReAnalyseChInfor:
            ReAnalyseChInfor(data_.calibrationTables, data_.band, data_.VariantY,
                             data_.radioMemory);
            break;
        case PlanConversion::NewPasswordBlock: {
            const PasswordBlock block = BuildPasswordBlock(data_.image.Text(image::NewPassword));
            std::copy(block.begin(), block.end(),
                      data_.radioMemory.bytes.begin() + radiomap::kPasswordOffset);
            break;
        }
    }
}

void ProgramSession::FinishJob(AfterSuccess after) {
    host_.SetProgress(100);
    WriteEnding();
    // The message has been dismissed: only now does the data model change.
    if (stampWritten_) {
        data_.lastWriteTime = *stampWritten_;
    }
    switch (after) {
        case AfterSuccess::Nothing:
            break;
        case AfterSuccess::SetDataToSoftware:
            SetDataToSoftware(data_.radioMemory, data_.VariantY, data_.image, data_.band,
                              data_.lastWriteTime);
            host_.DataRead();
            break;
        case AfterSuccess::SetDataToSoftware_old:
            SetDataToSoftware_old(data_.radioMemory, data_.image, data_.lastWriteTime);
            host_.DataRead();
            break;
        case AfterSuccess::SetAdjustmentData:
            SetAdjustmentData(data_.radioMemory, data_.VariantY, data_.calibration);
            host_.CalibrationRead();
            break;
    }
}

void ProgramSession::FinishChipStatus() {
    host_.SetProgress(100);
    Finish(SessionOutcome::Success, SessionMessage::Success);
    Set1846StatucData(data_.radioMemory, data_.calibration);
    host_.ChipStatusRead();
}

}  // namespace radioprog
