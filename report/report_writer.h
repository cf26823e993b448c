// The analysis report: one fixed-layout text with CR LF line ends, built from
// the laminate record after a run. Its sections, headings, column alignment
// and number formats are fixed, since users compare reports.
#pragma once

#include <cstddef>
#include <string>

#include "engine/laminate_data.h"

namespace vc {

// The room reserved for the report text: the largest report (10 materials,
// 100 layers, every option) stays well below it, so a rebuilt report never
// reallocates.
constexpr std::size_t kReportCapacity = 256000;

// Rebuilds `text` from the record (the previous contents are replaced). The
// string's capacity is kept, so rebuilding in the same string allocates only
// when the report grows beyond anything seen before.
void writeReport(const LaminateData& data, std::string& text);

}  // namespace vc
