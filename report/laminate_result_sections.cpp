// Report sections with laminate-level results: apparent properties and
// first-ply-failure strengths, the equivalent double-double laminate, and
// the laminate load and strain vectors.
#include <cmath>

#include "engine/first_ply_failure.h"
#include "format/number_text.h"
#include "report/report_sections.h"

namespace vc {
namespace report {

namespace {

void appendRow6(const Vec6& v, std::string& out) {
  appendf(out, "%12.3e%12.3e%12.3e%12.3e%12.3e%12.3e\r\n", v[1], v[2], v[3], v[4], v[5], v[6]);
}

// An angle brought to whole degrees from its one-decimal text, so that the
// unit line always agrees with the "psi =" and "phi =" lines printed above
// it (22.49999999999999 prints as 22.5 and must give 23, not 22).
double wholeDegrees(double angle) {
  if (!std::isfinite(angle)) return angle;
  const double printed = readPageReal(formatf("%6.1f", angle));
  return std::floor(printed + 0.5);
}

void appendDoubleDoubleBlock(bool approx, double psi, double phi, bool normalOrder, int repeat,
                             std::string& out) {
  if (approx) out += " No exact double-double solution found.  Approximate solution:\r\n";
  appendf(out, " psi = %6.1f\r\n", psi);
  appendf(out, " phi = %6.1f\r\n", phi);
  const double p = wholeDegrees(psi);
  const double f = wholeDegrees(phi);
  // Unit [psi, -phi, -psi, phi], or [psi, -phi, phi, -psi] for near-cross-ply
  // solutions; a negated 0 prints as 0.
  if (normalOrder)
    appendf(out, " Use: [%3.0f, %3.0f, %3.0f, %3.0f]_%dT\r\n", p, -f, -p, f, repeat);
  else
    appendf(out, " Use: [%3.0f, %3.0f, %3.0f, %3.0f]_%dT\r\n", p, -f, f, -p, repeat);
}

}  // namespace

void appendApparentProperties(const LaminateData& d, std::string& out) {
  out +=
      "\r\n\r\n\r\n Apparent Laminate Stiffness Properties\r\n "
      "**************************************\r\n\r\n"
      "      EX          EY         GXY         EXB         EYB\r\n\r\n";
  appendf(out, "%12.3e%12.3e%12.3e%12.3e%12.3e\r\n", d.EX, d.EY, d.GXY, d.EXB, d.EYB);

  out +=
      "\r\n\r\n\r\n Apparent Laminate Coupling Coefficients\r\n (Poisson and Shear Coupling)\r\n"
      " ***************************************\r\n\r\n"
      "     vXY         vYX         nXY,X       nXY,Y       nX,XY       nY,XY\r\n\r\n";
  appendf(out, "  %7.3f     %7.3f      %7.3f     %7.3f     %7.3f     %7.3f\r\n", d.vXY, d.vYX,
          d.nXY_X, d.nXY_Y, d.nX_XY, d.nY_XY);

  out +=
      "\r\n\r\n\r\n Apparent Laminate Thermal and Moisture Properties\r\n"
      " *************************************************\r\n\r\n"
      "     CTEX        CTEY        CTEXY       CMEX        CMEY        CMEXY\r\n\r\n";
  appendf(out, "%12.3e%12.3e%12.3e%12.3e%12.3e%12.3e\r\n", d.CTEX, d.CTEY, d.CTEXY, d.CMEX, d.CMEY,
          d.CMEXY);

  if (!allStrengthsNonZero(d)) return;  // the table was not computed
  out +=
      "\r\n\r\n\r\n Apparent Laminate Strength for First Ply Failure\r\n"
      " Under Unidirectional Loading: +/-NX, +/-NY, NXY\r\n"
      " ************************************************\r\n\r\n"
      " Failure        X-Axis     X-Axis       Y-Axis     Y-Axis        XY\r\n"
      " Theory         Tension  Compression    Tension  Compression    Shear\r\n\r\n";
  static const char* const kRowNames[kCriterionCount] = {
      " Max Stress ", " Max Strain ", " Tsai-Hill  ", " Hoffman    ", " Tsai-Wu    "};
  for (int c = 0; c < kCriterionCount; ++c) {
    const double* f = d.fpfStrength[c];
    appendf(out, "%s%12.3e%12.3e%12.3e%12.3e%12.3e\r\n", kRowNames[c], f[kXTension],
            f[kXCompression], f[kYTension], f[kYCompression], f[kXYShear]);
  }
}

void appendDoubleDouble(const LaminateData& d, std::string& out) {
  if (!d.ddSingleMaterial) {
    out += " \r\n\r\nDouble-double analysis was requested but only one material is allowed.\r\n";
    return;
  }
  out +=
      "\r\n\r\n\r\n Equivalent Double-Double Laminate Based on In-plane Stiffness\r\n"
      " *************************************************************\r\n\r\n";
  appendDoubleDoubleBlock(d.ddApprox, d.ddPsi, d.ddPhi, d.ddNormalOrder, d.ddRepeat, out);
  out +=
      "\r\n\r\n Equivalent Double-Double Laminate Based on Flexural Stiffness\r\n"
      " *************************************************************\r\n\r\n";
  appendDoubleDoubleBlock(d.ddApproxFlex, d.ddPsiFlex, d.ddPhiFlex, d.ddNormalOrderFlex, d.ddRepeat,
                          out);
}

void appendLoadVectors(const LaminateData& d, std::string& out) {
  out +=
      "\r\n\r\n\r\n Laminate Mechanical Load Vector\r\n *******************************\r\n\r\n"
      "      NX          NY         NXY          MX          MY         MXY\r\n\r\n";
  appendRow6(d.mechLoad, out);
  out +=
      "\r\n\r\n\r\n Laminate Thermal Load Vector\r\n ****************************\r\n\r\n"
      "      NXT         NYT        NXYT         MXT         MYT        MXYT\r\n\r\n";
  appendRow6(d.thermalLoad, out);
  out +=
      "\r\n\r\n\r\n Laminate Moisture Load Vector\r\n *****************************\r\n\r\n"
      "      NXM         NYM        NXYM         MXM         MYM        MXYM\r\n\r\n";
  appendRow6(d.moistureLoad, out);
  out +=
      "\r\n\r\n\r\n Laminate Total Strain Vector\r\n ****************************\r\n\r\n"
      "      eX          eY         gXY          KX          KY         KXY\r\n\r\n";
  appendRow6(d.midplaneStrain, out);
  out +=
      "\r\n\r\n\r\n Laminate Thermal Strain Vector\r\n ******************************\r\n\r\n"
      "      eXT         eYT        gXYT         KXT         KYT        KXYT\r\n\r\n";
  appendRow6(d.thermalStrain, out);
  out +=
      "\r\n\r\n\r\n Laminate Moisture Strain Vector\r\n *******************************\r\n\r\n"
      "      eXM         eYM        gXYM         KXM         KYM        KXYM\r\n\r\n";
  appendRow6(d.moistureStrain, out);
}

}  // namespace report
}  // namespace vc
