// The sections of the analysis report, each appending its text to the
// report string. Shared by the report writer's source files only.
#pragma once

#include <string>

#include "engine/engine_bounds.h"
#include "engine/laminate_data.h"

namespace vc {
namespace report {

// The problem as given: banner, materials, stacking sequence and loads.
void appendBanner(std::string& out);
void appendMaterialList(const LaminateData& d, std::string& out);
void appendEngineeringProperties(const LaminateData& d, std::string& out);
void appendExpansionProperties(const LaminateData& d, std::string& out);
void appendStackingSequence(const LaminateData& d, std::string& out);
void appendInputLoads(const LaminateData& d, std::string& out);

// Stiffness matrices of the layers and the laminate.
void appendLayerMatrices(const LaminateData& d, std::string& out);
void appendLaminateMatrices(const LaminateData& d, std::string& out);

// Laminate-level results.
void appendApparentProperties(const LaminateData& d, std::string& out);
void appendDoubleDouble(const LaminateData& d, std::string& out);
void appendLoadVectors(const LaminateData& d, std::string& out);

// Ply-level results.
void appendPlyStresses(const LaminateData& d, std::string& out);
void appendFailureAnalysis(const LaminateData& d, std::string& out);

}  // namespace report
}  // namespace vc
