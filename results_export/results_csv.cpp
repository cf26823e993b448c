#include "results_export/results_csv.h"

#include <cstring>

#include "engine/angle_units.h"
#include "engine/through_thickness_view.h"
#include "format/shortest_digits.h"

namespace vc {

namespace {

const char kHeader[] =
    "layer,material,description,angle,surface,z,"
    "eX,eY,gXY,eX_eff,eY_eff,gXY_eff,SigX,SigY,SigXY,"
    "e1,e2,g12,e1_eff,e2_eff,g12_eff,Sig1,Sig2,Sig12,"
    "MaxStress+,MaxStress-,MaxStrain+,MaxStrain-,TsaiHill+,TsaiHill-,"
    "Hoffman+,Hoffman-,TsaiWu+,TsaiWu-\r\n";

void appendNumber(std::string& out, double value) {
  out += ',';
  out += shortestNumberText(value);
}

void appendTriple(std::string& out, const Vec3& v) {
  for (int i = 1; i <= 3; ++i) appendNumber(out, v[i]);
}

}  // namespace

std::string shortestNumberText(double value) {
  // Never looks at the locale; the shortest text that reads back to the
  // same double, as std::to_chars writes it.
  char buffer[kShortestRoom];
  return std::string(buffer, writeShortest(buffer, value));
}

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string resultsCsv(const LaminateData& d) {
  std::string out = kHeader;
  const ThroughThicknessView view(d);
  const bool factors = failureFactorsComputed(d);
  const char* const surfaceNames[kSurfaceCount] = {"lower", "upper", "middle"};
  for (int i = 0; i < view.pointCount(); ++i) {
    const ThicknessPoint p = view.point(i);
    const SurfaceResults& r = *p.results;
    const char* description = d.description[p.material];
    out += std::to_string(p.layer);
    out += ',';
    out += std::to_string(p.material);
    out += ',';
    out += csvField(std::string(description, strnlen(description, kDescriptionSize)));
    appendNumber(out, p.angleDeg);
    out += ',';
    out += surfaceNames[p.surface];
    appendNumber(out, p.z);
    appendTriple(out, r.strainXY);
    appendTriple(out, r.effStrainXY);
    appendTriple(out, r.stressXY);
    appendTriple(out, r.strain12);
    appendTriple(out, r.effStrain12);
    appendTriple(out, r.stress12);
    for (int c = 0; c < kCriterionCount; ++c) {
      if (factors) {
        appendNumber(out, d.failPlus[p.layer][c]);
        appendNumber(out, d.failMinus[p.layer][c]);
      } else {
        out += ",,";
      }
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace vc
