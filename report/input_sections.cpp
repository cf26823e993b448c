// Report sections that restate the problem: banner, materials, layup and
// the applied loads.
#include <cstring>

#include "engine/angle_units.h"
#include "format/number_text.h"
#include "report/report_sections.h"

namespace vc {
namespace report {

void appendBanner(std::string& out) {
  const std::string stars = " " + std::string(78, '*') + "\r\n";
  out += stars;
  out += " *" + std::string(30, ' ') + "The Vellacore" + std::string(33, ' ') + "*\r\n";
  out += " *                  Analysis of Composite Laminates Based on                  *\r\n";
  out += " *                      Classical Laminated Plate Theory                      *\r\n";
  out += stars;
  out += "\r\n\r\n";
}

void appendMaterialList(const LaminateData& d, std::string& out) {
  for (int m = 1; m <= materialLoopCount(d); ++m) {
    // The description field is a fixed array; never read past its end.
    std::string description(d.description[m], strnlen(d.description[m], kDescriptionSize));
    if (description.empty()) description = "(no material description given)";
    appendf(out, " Material %d: %s\r\n", m, description.c_str());
  }
  out += "\r\n\r\n";
}

void appendEngineeringProperties(const LaminateData& d, std::string& out) {
  out +=
      " Engineering Properties\r\n **********************\r\n\r\n"
      " Matl         E1          E2         G12        v12\r\n\r\n";
  for (int m = 1; m <= materialLoopCount(d); ++m)
    appendf(out, "%4d    %12.3e%12.3e%12.3e%8.3f\r\n", m, d.E1[m], d.E2[m], d.G12[m], d.v12[m]);
}

void appendExpansionProperties(const LaminateData& d, std::string& out) {
  out +=
      "\r\n\r\n\r\n Thermal and Moisture Properties\r\n *******************************\r\n\r\n"
      " Matl        CTE1        CTE2        CME1        CME2\r\n\r\n";
  for (int m = 1; m <= materialLoopCount(d); ++m)
    appendf(out, "%4d    %12.3e%12.3e%12.3e%12.3e\r\n", m, d.CTE1[m], d.CTE2[m], d.CME1[m],
            d.CME2[m]);
}

void appendStackingSequence(const LaminateData& d, std::string& out) {
  out +=
      "\r\n\r\n\r\n Stacking Sequence\r\n *****************\r\n\r\n"
      "  Layer    Matl     Ply Angle     Ply Thickness\r\n\r\n";
  for (int k = 1; k <= layerLoopCount(d); ++k) {
    const double degrees = degreesFromRadians(d.angle[k]);
    appendf(out, " %4d     %4d    %9.1f        %9.3e\r\n", k, d.MatID[k], degrees, d.thickness[k]);
  }
  out += "                                   ----------\r\n";
  appendf(out, "%s        %9.3e\r\n", " Total Laminate Thickness :", d.totalThickness);
}

void appendInputLoads(const LaminateData& d, std::string& out) {
  // Forces and strains are alternatives of one radio group; should both
  // flags ever be set, the forces win, so the two sections never both print.
  if (d.mechanicalOn && d.forcesGiven) {
    out +=
        "\r\n\r\n\r\n Laminate Mechanical Input Load Vector\r\n "
        "*************************************\r\n\r\n"
        "      NX          NY         NXY          MX          MY         MXY\r\n\r\n";
    for (int i = 1; i <= 6; ++i) appendf(out, "%12.3e", d.mechLoad[i]);
  } else if (d.mechanicalOn && d.strainsGiven) {
    out +=
        "\r\n\r\n\r\n Laminate Total Input Strain Vector\r\n "
        "**********************************\r\n\r\n"
        "      eX          eY         gXY          KX          KY         KXY\r\n\r\n";
    for (int i = 1; i <= 6; ++i) appendf(out, "%12.3e", d.midplaneStrain[i]);
  }
  if (d.thermalOn || d.moistureOn) {
    out +=
        "\r\n\r\n\r\n Laminate Thermal and Moisture Conditions\r\n "
        "****************************************\r\n\r\n"
        "  Delta-Temp     Moisture Wt Gain\r\n\r\n";
    appendf(out, "%10.2f        %9.4f%s", d.deltaT, d.moistureGain * 100.0, " %");
  }
}

}  // namespace report
}  // namespace vc
