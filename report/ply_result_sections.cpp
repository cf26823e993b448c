// Report sections with ply-level results: strains and stresses at the ply
// surfaces, material strengths and the failure scale factors.
#include "format/number_text.h"
#include "format/text_sink.h"
#include "report/report_sections.h"

namespace vc {
namespace report {

namespace {

const char* const kPlyBlockTitles[6] = {
    " Stresses and Strains in the Global Coordinate System (X,Y) - Lower Surfaces",
    " Stresses and Strains in the Global Coordinate System (X,Y) - Upper Surfaces",
    " Stresses and Strains in the Global Coordinate System (X,Y) - Ply Mid-Surfaces",
    " Stresses and Strains in the Material Coordinate System (1,2) - Lower Surfaces",
    " Stresses and Strains in the Material Coordinate System (1,2) - Upper Surfaces",
    " Stresses and Strains in the Material Coordinate System (1,2) - Mid-Surfaces",
};
const Surface kPlyBlockSurfaces[3] = {kLower, kUpper, kMid};

void appendFactorRows(const LaminateData& d, const double (*factors)[kCriterionCount],
                      const double* minima, std::string& out) {
  {
    TextSink rows(out);
    for (int k = 1; k <= layerLoopCount(d); ++k) {
      const double* f = factors[k];
      appendInteger(rows, k, 4);
      rows.append(" ");
      appendFields(rows, 'f', 9, 2,
                   {f[kMaxStress], f[kMaxStrain], f[kTsaiHill], f[kHoffman], f[kTsaiWu]});
      rows.append("\r\n");
    }
  }
  out += " ---    ------   ------   ------   ------   ------\r\n";
  appendf(out, " Min %9.2f%9.2f%9.2f%9.2f%9.2f\r\n", minima[kMaxStress], minima[kMaxStrain],
          minima[kTsaiHill], minima[kHoffman], minima[kTsaiWu]);
}

}  // namespace

void appendPlyStresses(const LaminateData& d, std::string& out) {
  const bool total = d.showTotalStrains;
  const char* strainLine =
      total ? " Strains are given as Total Strains (Mechanical + Thermal + Moisture)"
            : " Strains are given as Effective Strains (Total - Free Thermal - Free Moisture)";
  const std::string stars = " " + std::string(77, '*');
  for (int block = 0; block < 6; ++block) {
    const bool materialAxes = block >= 3;
    const Surface surface = kPlyBlockSurfaces[block % 3];
    out += "\r\n\r\n\r\n";
    out += kPlyBlockTitles[block];
    out += "\r\n";
    out += strainLine;
    out += "\r\n";
    out += stars;
    out += "\r\n\r\n";
    out += materialAxes
               ? " Layer     Eps-1       Eps-2      Gam-12       Sig-1       Sig-2      Sig-12"
               : " Layer     Eps-X       Eps-Y      Gam-XY       Sig-X       Sig-Y      Sig-XY";
    out += "\r\n\r\n";
    TextSink rows(out);
    for (int k = 1; k <= layerLoopCount(d); ++k) {
      const SurfaceResults& r = d.ply[k][surface];
      const double* strain = materialAxes ? (total ? r.strain12 : r.effStrain12)
                                          : (total ? r.strainXY : r.effStrainXY);
      const double* stress = materialAxes ? r.stress12 : r.stressXY;
      appendInteger(rows, k, 4);
      rows.append("  ");
      appendFields(rows, 'e', 12, 3,
                   {strain[1], strain[2], strain[3], stress[1], stress[2], stress[3]});
      rows.append("\r\n");
    }
  }
}

void appendFailureAnalysis(const LaminateData& d, std::string& out) {
  out +=
      "\r\n\r\n\r\n Material Strengths\r\n ******************\r\n\r\n"
      " Matl       Xt          Xc          Yt          Yc          S\r\n\r\n";
  for (int m = 1; m <= materialLoopCount(d); ++m)
    appendf(out, "%4d  %12.3e%12.3e%12.3e%12.3e%12.3e\r\n", m, d.Xt[m], d.Xc[m], d.Yt[m], d.Yc[m],
            d.S[m]);

  out +=
      "\r\n\r\n\r\n Load Vector Scale Factors for Ply Failure\r\n  (For Applied (+) and Reversed "
      "(-) Loads)\r\n"
      " *****************************************\r\n\r\n"
      "          Max      Max      Tsai\r\n Layer   Stress   Strain    Hill   Hoffman  Tsai-Wu\r\n"
      "          (+)      (+)      (+)      (+)      (+)\r\n";
  appendFactorRows(d, d.failPlus, d.minPlus, out);
  out += "\r\n";

  out +=
      "          Max      Max      Tsai\r\n Layer   Stress   Strain    Hill   Hoffman  Tsai-Wu\r\n"
      "          (-)      (-)      (-)      (-)      (-)\r\n";
  appendFactorRows(d, d.failMinus, d.minMinus, out);
}

}  // namespace report
}  // namespace vc
