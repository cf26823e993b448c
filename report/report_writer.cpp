// The analysis report: the sections in their fixed order, each present when
// its option (and, for results that need one, a load) is set.
#include "report/report_writer.h"

#include "report/report_sections.h"

namespace vc {

void writeReport(const LaminateData& data, std::string& text) {
  text.clear();
  if (text.capacity() < kReportCapacity) text.reserve(kReportCapacity);

  report::appendBanner(text);
  report::appendMaterialList(data, text);
  report::appendEngineeringProperties(data, text);
  report::appendExpansionProperties(data, text);
  report::appendStackingSequence(data, text);
  report::appendInputLoads(data, text);
  if (data.showLayerMatrices) report::appendLayerMatrices(data, text);
  if (data.showABD) report::appendLaminateMatrices(data, text);
  if (data.showApparent) report::appendApparentProperties(data, text);
  if (data.doubleDouble) report::appendDoubleDouble(data, text);

  const bool loaded = someLoadApplied(data);
  if (data.showLoadVectors && loaded) report::appendLoadVectors(data, text);
  if (data.showPlyStresses && loaded) report::appendPlyStresses(data, text);
  if (data.showFailure && loaded) report::appendFailureAnalysis(data, text);
}

}  // namespace vc
