#include "engine/analysis_run.h"

#include "engine/abd_matrix.h"
#include "engine/apparent_properties.h"
#include "engine/double_double.h"
#include "engine/failure_step.h"
#include "engine/first_ply_failure.h"
#include "engine/input_checks.h"
#include "engine/lamina_matrices.h"
#include "engine/matrix_inverse.h"
#include "engine/ply_strains.h"

namespace vc {

namespace {

EngineOutcome stopAt(RunStop stop) {
  EngineOutcome o;
  o.status = RunStatus::Stopped;
  o.stop = stop;
  return o;
}

void plyResults(LaminateData& d) {
  if (!(d.showLoadVectors || d.showPlyStresses || d.showFailure)) return;
  if (someLoadApplied(d)) {
    runStrainStep(d);
    if (d.showFailure) runFailureStep(d);
  } else {
    // Nothing loads the laminate: there are no ply stresses or failure
    // factors to show.
    d.showPlyStresses = false;
    d.showFailure = false;
  }
}

}  // namespace

EngineOutcome runChecksAndEngine(LaminateData& d, MessageSink& messages) {
  if (!countsWithinLimits(d)) {
    EngineOutcome refused;
    refused.status = RunStatus::Refused;
    return refused;
  }

  const bool modulusZero = someModulusZero(d);
  const bool expansionZero = someExpansionZero(d);
  if (modulusZero) {
    messages.inform("Material Error",
                    "A material modulus is zero.  Review material property data.");
    return stopAt(RunStop::ModulusZero);
  }
  if (expansionZero) {
    messages.inform("Material Information: Zero CTE/CME",
                    "Some thermal and/or moisture expansion data is zero.  This is OK, but review "
                    "material property data if this was not intended.");
  }

  // A material number below 1 (an empty cell reads as 0) is rejected like
  // one above the material count, so no layer ever reads a material that
  // is not defined.
  if (someMaterialIdInvalid(d)) {
    messages.inform(
        "Material ID Error",
        "A material ID (MatID) was used in the layup that is greater than the number of "
        "materials selected on the materials form.  Review material and layup data.");
    return stopAt(RunStop::MaterialIdInvalid);
  }

  if (d.showFailure && someStrengthZero(d)) {
    messages.inform("Material Strength Error",
                    "Some material strength data is zero.  Load failure factors will be incorrect "
                    "if this was not intended.");
  }

  computeLaminaMatrices(d);
  computeABD(d);

  if (d.doubleDouble) {
    d.ddSingleMaterial = singleMaterialStack(d);
    if (d.ddSingleMaterial) computeDoubleDouble(d);
  }

  if (!invertABD(d)) {
    messages.inform("Data Error", "ABD matrix is singular.  Review material and layup data.");
    return stopAt(RunStop::SingularAbd);
  }

  computeApparentProperties(d);
  computeFirstPlyFailure(d);

  plyResults(d);
  return EngineOutcome{};
}

}  // namespace vc
