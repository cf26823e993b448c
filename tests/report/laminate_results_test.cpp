// Apparent properties, first-ply-failure strengths, the double-double
// laminate and the laminate load and strain vectors in the report.
#include <gtest/gtest.h>

#include "report_fixture.h"

namespace {

using reporttest::between;
using reporttest::contains;
using reporttest::report;
using reporttest::smallLaminate;

void giveStrengths(vc::LaminateData& d) {
    for (int m = 1; m <= 2; ++m) {
        d.Xt[m] = 219000.0;
        d.Xc[m] = -246000.0;
        d.Yt[m] = 6350.0;
        d.Yc[m] = -23600.0;
        d.S[m] = 12700.0;
    }
    for (int c = 0; c < vc::kCriterionCount; ++c)
        for (int s = 0; s < vc::kStrengthCaseCount; ++s) d.fpfStrength[c][s] = (c + 1) * 100.0 + (s + 1);
}

TEST(ReportApparentProperties, ThreeTablesAndTheStrengthTable) {
    auto d = smallLaminate();
    d->showApparent = true;
    giveStrengths(*d);
    d->EX = 8.0e6;
    d->EY = 2.0e6;
    d->GXY = 1.5e6;
    d->EXB = 7.5e6;
    d->EYB = 2.5e6;
    d->vXY = 0.3;
    d->vYX = 0.075;
    d->nXY_X = -0.125;
    d->nY_XY = 1.0;
    d->CTEX = 1.5e-6;
    d->CMEXY = -2.0e-3;
    EXPECT_EQ(between(report(*d), "\r\n\r\n\r\n Apparent Laminate Stiffness", ""),
              "\r\n\r\n\r\n Apparent Laminate Stiffness Properties\r\n **************************************\r\n\r\n"
              "      EX          EY         GXY         EXB         EYB\r\n\r\n"
              "  8.000e+006  2.000e+006  1.500e+006  7.500e+006  2.500e+006\r\n"
              "\r\n\r\n\r\n Apparent Laminate Coupling Coefficients\r\n (Poisson and Shear Coupling)\r\n"
              " ***************************************\r\n\r\n"
              "     vXY         vYX         nXY,X       nXY,Y       nX,XY       nY,XY\r\n\r\n"
              "    0.300       0.075       -0.125       0.000       0.000       1.000\r\n"
              "\r\n\r\n\r\n Apparent Laminate Thermal and Moisture Properties\r\n"
              " *************************************************\r\n\r\n"
              "     CTEX        CTEY        CTEXY       CMEX        CMEY        CMEXY\r\n\r\n"
              "  1.500e-006  0.000e+000  0.000e+000  0.000e+000  0.000e+000 -2.000e-003\r\n"
              "\r\n\r\n\r\n Apparent Laminate Strength for First Ply Failure\r\n"
              " Under Unidirectional Loading: +/-NX, +/-NY, NXY\r\n"
              " ************************************************\r\n\r\n"
              " Failure        X-Axis     X-Axis       Y-Axis     Y-Axis        XY\r\n"
              " Theory         Tension  Compression    Tension  Compression    Shear\r\n\r\n"
              " Max Stress   1.010e+002  1.020e+002  1.030e+002  1.040e+002  1.050e+002\r\n"
              " Max Strain   2.010e+002  2.020e+002  2.030e+002  2.040e+002  2.050e+002\r\n"
              " Tsai-Hill    3.010e+002  3.020e+002  3.030e+002  3.040e+002  3.050e+002\r\n"
              " Hoffman      4.010e+002  4.020e+002  4.030e+002  4.040e+002  4.050e+002\r\n"
              " Tsai-Wu      5.010e+002  5.020e+002  5.030e+002  5.040e+002  5.050e+002\r\n");
}

// Strengths of unused material slots do not count; one zero strength of a
// material in use drops only the strength table.
TEST(ReportApparentProperties, StrengthTableNeedsEveryStrengthInUse) {
    auto d = smallLaminate();
    d->showApparent = true;
    giveStrengths(*d);  // material 3 keeps zero strengths
    EXPECT_TRUE(contains(report(*d), "First Ply Failure"));
    d->Yc[2] = 0.0;
    std::string text = report(*d);
    EXPECT_TRUE(contains(text, "Apparent Laminate Thermal and Moisture Properties"));
    EXPECT_FALSE(contains(text, "First Ply Failure"));
}

vc::LaminateData& withDoubleDouble(vc::LaminateData& d) {
    d.doubleDouble = true;
    d.ddSingleMaterial = true;
    d.ddPsi = 22.5;
    d.ddPhi = 67.5;
    d.ddNormalOrder = true;
    d.ddPsiFlex = 0.0;
    d.ddPhiFlex = 90.0;
    d.ddNormalOrderFlex = false;
    d.ddRepeat = 3;
    return d;
}

TEST(ReportDoubleDouble, InPlaneAndFlexuralUnits) {
    auto d = smallLaminate();
    withDoubleDouble(*d);
    EXPECT_EQ(between(report(*d), "\r\n\r\n\r\n Equivalent Double-Double", ""),
              "\r\n\r\n\r\n Equivalent Double-Double Laminate Based on In-plane Stiffness\r\n"
              " *************************************************************\r\n\r\n"
              " psi =   22.5\r\n"
              " phi =   67.5\r\n"
              " Use: [ 23, -68, -23,  68]_3T\r\n"
              "\r\n\r\n Equivalent Double-Double Laminate Based on Flexural Stiffness\r\n"
              " *************************************************************\r\n\r\n"
              " psi =    0.0\r\n"
              " phi =   90.0\r\n"
              " Use: [  0, -90,  90,   0]_3T\r\n");
}

TEST(ReportDoubleDouble, UnitAgreesWithThePrintedAngles) {
    auto d = smallLaminate();
    withDoubleDouble(*d);
    d->ddPsi = 22.49999999999999;
    d->ddPhi = 67.54;
    d->ddRepeat = 2;
    std::string text = report(*d);
    EXPECT_TRUE(contains(text, " psi =   22.5\r\n phi =   67.5\r\n Use: [ 23, -68, -23,  68]_2T\r\n"));
}

TEST(ReportDoubleDouble, ApproximateSolutionIsAnnounced) {
    auto d = smallLaminate();
    withDoubleDouble(*d);
    d->ddApproxFlex = true;
    std::string text = report(*d);
    EXPECT_TRUE(contains(text, "Flexural Stiffness\r\n *************************************************************\r\n\r\n"
                               " No exact double-double solution found.  Approximate solution:\r\n psi =    0.0\r\n"));
    EXPECT_EQ(text.find("No exact"), text.rfind("No exact"));
}

TEST(ReportDoubleDouble, MixedMaterialsGiveTheMessageOnly) {
    auto d = smallLaminate();
    withDoubleDouble(*d);
    d->ddSingleMaterial = false;
    std::string text = report(*d);
    EXPECT_EQ(text.substr(text.size() - 77),
              " \r\n\r\nDouble-double analysis was requested but only one material is allowed.\r\n");
    EXPECT_FALSE(contains(text, "psi ="));
}

TEST(ReportLoadVectors, SixVectorsWhenALoadIsApplied) {
    auto d = smallLaminate();
    d->showLoadVectors = true;
    d->thermalOn = true;
    d->deltaT = -280.0;
    for (int i = 1; i <= 6; ++i) {
        d->mechLoad[i] = i;
        d->thermalLoad[i] = 10.0 * i;
        d->moistureLoad[i] = -i;
        d->midplaneStrain[i] = 1.0e-3 * i;
        d->thermalStrain[i] = 1.0e-4 * i;
        d->moistureStrain[i] = 0.0;
    }
    EXPECT_EQ(between(report(*d), "\r\n\r\n\r\n Laminate Mechanical Load Vector", ""),
              "\r\n\r\n\r\n Laminate Mechanical Load Vector\r\n *******************************\r\n\r\n"
              "      NX          NY         NXY          MX          MY         MXY\r\n\r\n"
              "  1.000e+000  2.000e+000  3.000e+000  4.000e+000  5.000e+000  6.000e+000\r\n"
              "\r\n\r\n\r\n Laminate Thermal Load Vector\r\n ****************************\r\n\r\n"
              "      NXT         NYT        NXYT         MXT         MYT        MXYT\r\n\r\n"
              "  1.000e+001  2.000e+001  3.000e+001  4.000e+001  5.000e+001  6.000e+001\r\n"
              "\r\n\r\n\r\n Laminate Moisture Load Vector\r\n *****************************\r\n\r\n"
              "      NXM         NYM        NXYM         MXM         MYM        MXYM\r\n\r\n"
              " -1.000e+000 -2.000e+000 -3.000e+000 -4.000e+000 -5.000e+000 -6.000e+000\r\n"
              "\r\n\r\n\r\n Laminate Total Strain Vector\r\n ****************************\r\n\r\n"
              "      eX          eY         gXY          KX          KY         KXY\r\n\r\n"
              "  1.000e-003  2.000e-003  3.000e-003  4.000e-003  5.000e-003  6.000e-003\r\n"
              "\r\n\r\n\r\n Laminate Thermal Strain Vector\r\n ******************************\r\n\r\n"
              "      eXT         eYT        gXYT         KXT         KYT        KXYT\r\n\r\n"
              "  1.000e-004  2.000e-004  3.000e-004  4.000e-004  5.000e-004  6.000e-004\r\n"
              "\r\n\r\n\r\n Laminate Moisture Strain Vector\r\n *******************************\r\n\r\n"
              "      eXM         eYM        gXYM         KXM         KYM        KXYM\r\n\r\n"
              "  0.000e+000  0.000e+000  0.000e+000  0.000e+000  0.000e+000  0.000e+000\r\n");
}

TEST(ReportLoadVectors, FollowTheConditionsAndTheDoubleDouble) {
    auto d = smallLaminate();
    withDoubleDouble(*d);
    d->showLoadVectors = true;
    d->moistureOn = true;
    std::string text = report(*d);
    std::size_t conditions = text.find("Moisture Wt Gain");
    std::size_t dd = text.find("Double-Double");
    std::size_t vectors = text.find("Laminate Mechanical Load Vector");
    ASSERT_NE(vectors, std::string::npos);
    EXPECT_LT(conditions, dd);
    EXPECT_LT(dd, vectors);
}

}  // namespace
