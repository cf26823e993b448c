// One analysis run on a prepared record: the input checks with their
// messages, then the computations in their fixed order (lamina matrices and
// ABD, double-double, inversion, apparent properties with the first-ply-
// failure strengths, strains and stresses, failure factors).
//
// The record must already hold the page contents as copyPagesToData leaves
// them. The run performs no heap allocation.
#pragma once

#include "engine/laminate_data.h"
#include "engine/messages.h"

namespace vc {

enum class RunStatus {
  Completed,  // every step ran; the report can be written
  Stopped,    // a check stopped the run after its message
  Refused     // the record's counts are outside 1..10 materials / 0..100 layers
};

// The check that stopped a run.
enum class RunStop {
  None,
  ModulusZero,        // "Material Error"
  MaterialIdInvalid,  // "Material ID Error"
  SingularAbd         // "Data Error": the ABD matrix cannot be inverted
};

struct EngineOutcome {
  RunStatus status = RunStatus::Completed;
  RunStop stop = RunStop::None;
};

EngineOutcome runChecksAndEngine(LaminateData& data, MessageSink& messages);

}  // namespace vc
