#pragma once
// What each job moves, in which order: the steps its routine walks through one block
// request per transmit tick, the conversions between them, and what runs once the user has
// dismissed the success message.

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/ProjectImage.h"

namespace radioprog {

inline constexpr int kBlockSize = 16;

// How a block offset becomes a request.
enum class BlockRequest {
    ReadCurrent,       // READ_FRQ_FUN: radio address 0x4000 + offset into the buffer
    WriteCurrent,      // WRITE_FRQ_FUN: the buffer at offset to 0x4000 + offset
    ReadLegacy,        // READ_FRQ_FUN_old: radio address = buffer offset
    WriteLegacy,       // WRITE_FRQ_FUN_old
    ReadCalibration,   // READ_AdjustmentData: 0x81B0 + offset into the buffer at offset
    WriteCalibration,  // WRITE_AdjustmentData: CalibrationImage at offset to 0x81B0 + offset
};

bool IsReadRequest(BlockRequest request);
// The radio address a request for the block at this buffer offset names.
uint16_t RadioAddressOf(BlockRequest request, int offset);
// Whether a write request sends its block from the calibration image rather than from the
// radio memory buffer.
bool SendsCalibrationImage(BlockRequest request);

// Conversions that run between transfer steps, on buffers only.
enum class PlanConversion {
    AnalyseTmpAdjustmentData,
    GetDataForWrite,
    GetDataForWrite_old,
    GetAdjustmentData,
    ReAnalyseChInfor,
    NewPasswordBlock,  // the block of NewPassword at the password area's buffer offset
};

// What runs after the success message has been dismissed.
enum class AfterSuccess {
    Nothing,
    SetDataToSoftware,      // then the main window is redrawn
    SetDataToSoftware_old,  // then the main window is redrawn
    SetAdjustmentData,      // then the calibration window is redrawn
};

struct PlanStep {
    enum class Kind { Blocks, Convert, Finish };
    Kind kind = Kind::Finish;
    // Blocks: every 16-byte block from first up to the last one starting below limit.
    BlockRequest request = BlockRequest::ReadCurrent;
    int first = 0;
    int limit = 0;
    PlanConversion conversion = PlanConversion::GetDataForWrite;
    AfterSuccess afterSuccess = AfterSuccess::Nothing;
};

struct TransferPlan {
    std::string_view routine;  // the job routine's name, for messages and tests
    uint16_t ProgressStep = 10;
    std::vector<PlanStep> steps;  // always ends with a Finish step
};

// The session's job selectors; the values are the radio protocol's own job numbers.
enum class SessionMode : int32_t {
    Data = 0,
    Calibration = 1,
    NewPassword = 5,
    ChipStatus = 7,
    CalibrationAndData = 14,
};

struct PlanChoice {
    radioprog::SessionMode SessionMode = SessionMode::Data;
    bool ReadRequested = true;
    bool LegacyRadio = false;
    bool WriteNewPasswordWithData = false;
};

// Whether a job of this mode sends the project's new password with its data.
bool WritesNewPasswordWithData(const ProjectImage& image, SessionMode mode);

// The plan of the block stage for this job, or an empty plan (no steps) for a combination
// that moves nothing. The chip status job has no block stage and gets an empty plan too.
TransferPlan PlanFor(const PlanChoice& choice);

}  // namespace radioprog
