// The one record of a laminate problem: inputs, option flags, every
// intermediate matrix and every result of its analysis.
//
// Index bases: materials run 1..10 and layers 1..100 (slot 0 exists and is
// never read); the ply-interface arrays `z` and `interfaceStrain` run
// 0..numLayers with slot 0 the bottom face. Every small matrix is indexed
// from 1 (rows and columns 1..3 or 1..6). Layer 1 is the bottom ply, the
// one with the most negative z.
//
// The record is one fixed-size structure with no pointers, so copying it,
// zeroing it or keeping it for the whole life of the program needs no heap.
#pragma once

#include <cstdint>

namespace vc {

constexpr int kMaxMaterials = 10;
constexpr int kMaxLayers = 100;
// The engine's value of pi, used for every degree/radian conversion.
constexpr double kPi = 3.14159265358979;
// Room for a material description (the data file holds up to 129 characters;
// a description typed on a page is cut at 255).
constexpr int kDescriptionSize = 256;

using Vec3 = double[4];     // components 1..3
using Vec6 = double[7];     // components 1..6
using Mat3 = double[4][4];  // rows and columns 1..3
using Mat6 = double[7][7];  // rows and columns 1..6

// The three surfaces of a ply at which strains and stresses are evaluated.
enum Surface : int { kLower = 0, kUpper = 1, kMid = 2 };
constexpr int kSurfaceCount = 3;

// Strains and stresses of one ply surface; each triple is indexed 1..3
// (X, Y, XY in laminate axes; 1, 2, 12 in material axes). Shear strains are
// engineering strains.
struct SurfaceResults {
  Vec3 strainXY;     // total strains, laminate axes
  Vec3 effStrainXY;  // effective strains (total - free thermal - free moisture)
  Vec3 stressXY;     // Sig-X, Sig-Y, Sig-XY
  Vec3 strain12;     // total strains, material axes
  Vec3 effStrain12;  // effective strains, material axes
  Vec3 stress12;     // Sig-1, Sig-2, Sig-12
};

// Failure criteria, in the order the report prints them.
enum Criterion : int { kMaxStress = 0, kMaxStrain = 1, kTsaiHill = 2, kHoffman = 3, kTsaiWu = 4 };
constexpr int kCriterionCount = 5;

// Columns of the first-ply-failure strength table.
enum StrengthCase : int {
  kXTension = 0,
  kXCompression = 1,
  kYTension = 2,
  kYCompression = 3,
  kXYShear = 4
};
constexpr int kStrengthCaseCount = 5;

struct LaminateData {
  // ---- Inputs ------------------------------------------------------------
  std::int32_t numMaterials = 1;  // 1..10
  std::int32_t numLayers = 0;     // full stack, 0..100
  std::int32_t loadKind = 1;      // as a data file stores it: 1 forces, 2 strains
  bool ddSingleMaterial = false;  // every layer uses the material of layer 1

  std::int32_t MatID[kMaxLayers + 1] = {};

  double E1[kMaxMaterials + 1] = {};
  double E2[kMaxMaterials + 1] = {};
  double G12[kMaxMaterials + 1] = {};
  double v12[kMaxMaterials + 1] = {};
  double CTE1[kMaxMaterials + 1] = {};
  double CTE2[kMaxMaterials + 1] = {};
  double CME1[kMaxMaterials + 1] = {};
  double CME2[kMaxMaterials + 1] = {};
  double Xt[kMaxMaterials + 1] = {};
  double Xc[kMaxMaterials + 1] = {};  // held as zero or negative
  double Yt[kMaxMaterials + 1] = {};
  double Yc[kMaxMaterials + 1] = {};  // held as zero or negative
  double S[kMaxMaterials + 1] = {};
  double e1t[kMaxMaterials + 1] = {};
  double e1c[kMaxMaterials + 1] = {};
  double e2t[kMaxMaterials + 1] = {};
  double e2c[kMaxMaterials + 1] = {};
  double g12u[kMaxMaterials + 1] = {};

  double thickness[kMaxLayers + 1] = {};
  double totalThickness = 0.0;
  double angle[kMaxLayers + 1] = {};  // degrees on entry, radians once prepared

  Vec6 mechLoad = {};        // NX, NY, NXY, MX, MY, MXY
  Vec6 midplaneStrain = {};  // eX, eY, gXY, KX, KY, KXY
  double deltaT = 0.0;
  double moistureGain = 0.0;  // a fraction (the pages and files hold percent)

  char description[kMaxMaterials + 1][kDescriptionSize] = {};

  // ---- Option flags ------------------------------------------------------
  bool forcesGiven = true;
  bool strainsGiven = false;
  bool showABD = true;
  bool showLayerMatrices = false;
  bool mechanicalOn = false;
  bool thermalOn = false;
  bool moistureOn = false;
  bool showPlyStresses = false;
  bool showFailure = false;
  bool showApparent = true;
  bool showLoadVectors = false;
  bool symmetric = false;
  bool doubleDouble = false;
  bool showTotalStrains = false;

  // ---- Lamina and laminate stiffness --------------------------------------
  Mat3 Q[kMaxMaterials + 1] = {};
  Mat3 SMatrix[kMaxMaterials + 1] = {};
  double traceQ[kMaxMaterials + 1] = {};
  Mat3 QBar[kMaxLayers + 1] = {};
  Mat3 SBar[kMaxLayers + 1] = {};
  double z[kMaxLayers + 1] = {};  // 0..numLayers
  Mat6 ABD = {};
  Mat6 ABDInverse = {};
  std::int32_t inversionStatus = 0;  // 0 inverted, 1 singular

  // ---- Apparent properties -----------------------------------------------
  double alphaX[kMaxLayers + 1] = {};
  double alphaY[kMaxLayers + 1] = {};
  double alphaXY[kMaxLayers + 1] = {};
  double betaX[kMaxLayers + 1] = {};
  double betaY[kMaxLayers + 1] = {};
  double betaXY[kMaxLayers + 1] = {};
  double EX = 0.0, EY = 0.0, GXY = 0.0, EXB = 0.0, EYB = 0.0;
  double vXY = 0.0, vYX = 0.0;
  double nXY_X = 0.0, nXY_Y = 0.0, nX_XY = 0.0, nY_XY = 0.0;
  double CTEX = 0.0, CTEY = 0.0, CTEXY = 0.0;
  double CMEX = 0.0, CMEY = 0.0, CMEXY = 0.0;
  // Per-degree and per-unit-moisture load sums (in-plane and bending).
  Vec3 TN = {}, TM = {}, MN = {}, MM = {};

  // ---- Loads and strains ---------------------------------------------------
  Vec6 thermalLoad = {};
  Vec6 moistureLoad = {};
  Vec6 thermalStrain = {};
  Vec6 moistureStrain = {};
  Vec3 interfaceStrain[kMaxLayers + 1] = {};  // 0..numLayers
  SurfaceResults ply[kMaxLayers + 1][kSurfaceCount] = {};

  // ---- Failure -------------------------------------------------------------
  double failPlus[kMaxLayers + 1][kCriterionCount] = {};   // applied loads
  double failMinus[kMaxLayers + 1][kCriterionCount] = {};  // reversed loads
  double minPlus[kCriterionCount] = {};
  double minMinus[kCriterionCount] = {};
  double fpfStrength[kCriterionCount][kStrengthCaseCount] = {};

  // ---- Double-double -------------------------------------------------------
  double ddPsi = 0.0, ddPhi = 0.0;
  double ddPsiFlex = 0.0, ddPhiFlex = 0.0;
  bool ddApprox = false, ddNormalOrder = true;
  bool ddApproxFlex = false, ddNormalOrderFlex = true;
  std::int32_t ddRepeat = 0;
};

// A mechanical, thermal or moisture load is switched on.
inline bool someLoadApplied(const LaminateData& d) {
  return d.mechanicalOn || d.thermalOn || d.moistureOn;
}

}  // namespace vc
