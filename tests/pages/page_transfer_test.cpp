// Copying the pages into the record for a run, and showing a data set that
// was read from a file on the pages.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "format/number_text.h"
#include "pages/page_transfer.h"

namespace vc {
namespace {

const double kRadiansPerDegree = 3.14159265358979 / 180;

struct Fixture {
  InputPages pages;
  std::unique_ptr<LaminateData> data = std::make_unique<LaminateData>();

  Fixture() {
    const char* row[] = {"1", "2.06e7", "1.5e6", "1.04e6", "0.27", "-0.5e-6", "15e-6", "0.01", "0.2", "AS4"};
    for (int c = 0; c < 10; ++c) pages.materials.properties.setCell(0, c, row[c]);
    const char* strengths[] = {"1", "330000", "209000", "8300", "-33000", "10300"};
    for (int c = 0; c < 6; ++c) pages.strength.strengths.setCell(0, c, strengths[c]);
    pages.layup.layerCount.text = "2";
    for (int r = 0; r < 2; ++r) {
      pages.layup.layers.setCell(r, 1, "1");
      pages.layup.layers.setCell(r, 2, r == 0 ? "45" : "-30");
      pages.layup.layers.setCell(r, 3, "0.005");
    }
  }
  LaminateData& copy() {
    copyPagesToData(pages, *data);
    return *data;
  }
};

TEST(CopyPagesToData, MaterialsStrengthsAndLayers) {
  Fixture f;
  const LaminateData& d = f.copy();
  EXPECT_EQ(d.numMaterials, 1);
  EXPECT_EQ(d.E1[1], 2.06e7);
  EXPECT_EQ(d.CTE1[1], -0.5e-6);
  EXPECT_STREQ(d.description[1], "AS4");
  EXPECT_EQ(d.Xc[1], -209000);  // a positive compressive strength is negated
  EXPECT_EQ(d.Yc[1], -33000);
  EXPECT_EQ(d.e1c[1], -209000 / 2.06e7);
  EXPECT_EQ(d.g12u[1], 10300 / 1.04e6);
  EXPECT_EQ(d.numLayers, 2);
  EXPECT_EQ(d.angle[1], 45 * 3.14159265358979 / 180);
  EXPECT_EQ(d.angle[2], -30 * 3.14159265358979 / 180);
  EXPECT_EQ(d.totalThickness, 0.01);
  EXPECT_TRUE(d.showApparent && d.showABD);
  EXPECT_FALSE(d.showTotalStrains || d.showFailure || d.doubleDouble);
}

// Cells are read as far as they hold a number, MatID whole, a long
// description is cut to fit the record, and counts stay within its room.
TEST(CopyPagesToData, CellTextRulesAndCountLimits) {
  Fixture f;
  f.pages.materials.properties.setCell(0, 1, "1.5e6psi");
  f.pages.materials.properties.setCell(0, 2, "stiff");
  f.pages.materials.properties.setCell(0, 9, std::string(300, 'd'));
  f.pages.strength.strengths.setCell(0, 2, "0");
  f.pages.layup.layers.setCell(0, 1, "");
  f.pages.layup.layers.setCell(1, 1, "2.9");
  const LaminateData& d = f.copy();
  EXPECT_EQ(d.E1[1], 1.5e6);
  EXPECT_EQ(d.E2[1], 0.0);
  EXPECT_EQ(d.Xc[1], 0.0);
  EXPECT_EQ(d.MatID[1], 0);
  EXPECT_EQ(d.MatID[2], 2);
  EXPECT_EQ(std::strlen(d.description[1]), 255u);
  const char* const counts[][4] = {{"12", "150", "10", "100"}, {"0", "-3", "1", "0"}};
  for (const auto& c : counts) {
    f.pages.materials.materialCount = c[0];
    f.pages.layup.layerCount.text = c[1];
    f.copy();
    EXPECT_EQ(f.data->numMaterials, std::stoi(c[2])) << c[0];
    EXPECT_EQ(f.data->numLayers, std::stoi(c[3])) << c[1];
  }
}

TEST(CopyPagesToData, SymmetricStackIsMirrored) {
  Fixture f;
  f.pages.layup.layerCount.text = "4";
  f.pages.layup.symmetric.checked = true;
  f.pages.layup.layers.setCell(1, 3, "0.007");
  f.pages.layup.layers.setCell(2, 2, "99");  // upper half: overwritten by the mirror
  const LaminateData& d = f.copy();
  EXPECT_EQ(d.angle[3], -30 * 3.14159265358979 / 180);
  EXPECT_EQ(d.angle[4], 45 * 3.14159265358979 / 180);
  EXPECT_EQ(d.thickness[3], 0.007);
  EXPECT_EQ(d.totalThickness, 0.005 + 0.007 + 0.007 + 0.005);
}

TEST(CopyPagesToData, LoadsFollowTheirBoxes) {
  Fixture f;
  LoadsPage& l = f.pages.loads;
  for (int c = 0; c < 6; ++c) l.loadValues.setCell(0, c, std::to_string(c + 1));
  l.temperatureChange.text = "-280";
  l.moistureContent.text = "0.5";
  const LaminateData& d = f.copy();  // every box clear
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(d.mechLoad[i] + d.midplaneStrain[i], 0.0);
  EXPECT_EQ(d.deltaT + d.moistureGain, 0.0);

  l.mechanicalLoad.checked = l.temperatureLoad.checked = l.moistureLoad.checked = true;
  f.copy();
  EXPECT_EQ(d.mechLoad[6], 6);
  EXPECT_EQ(d.midplaneStrain[1], 0.0);
  EXPECT_EQ(d.deltaT, -280);
  EXPECT_EQ(d.moistureGain, 0.005);

  l.forcesMoments.selected = false;
  l.strainsCurvatures.selected = true;
  f.copy();
  EXPECT_EQ(d.mechLoad[1], 0.0);
  EXPECT_EQ(d.midplaneStrain[2], 2);
  EXPECT_TRUE(d.strainsGiven);
}

std::unique_ptr<LaminateData> fileData(int kind) {
  auto d = std::make_unique<LaminateData>();
  d->numMaterials = 2;
  d->E1[2] = 5.6e6;
  d->Xc[2] = -88500;
  std::strcpy(d->description[2], "glass");
  d->numLayers = 3;
  d->MatID[3] = 2;
  d->angle[2] = -45 * kRadiansPerDegree;
  d->thickness[3] = 0.0075;
  d->loadKind = kind;
  d->mechLoad[1] = 1000;
  d->midplaneStrain[1] = 0.002;
  return d;
}

TEST(ShowDataOnPages, MaterialsStrengthsAndLayers) {
  InputPages p;
  p.layup.symmetric.checked = true;
  showDataOnPages(*fileData(1), p);
  EXPECT_EQ(p.materials.materialCount, "2");
  EXPECT_EQ(p.materials.properties.cell(1, 0), "2");
  EXPECT_EQ(p.materials.properties.cell(1, 1), "5.6e+006");
  EXPECT_EQ(p.materials.properties.cell(1, 9), "glass");
  EXPECT_EQ(p.strength.strengths.cell(1, 0), "2");
  EXPECT_EQ(p.strength.strengths.cell(1, 2), "-88500");
  EXPECT_FALSE(p.layup.symmetric.checked);
  EXPECT_EQ(p.layup.layerCount.text, "3");
  EXPECT_EQ(p.layup.layers.cell(2, 0), "3");
  EXPECT_EQ(p.layup.layers.cell(2, 1), "2");
  EXPECT_EQ(p.layup.layers.cell(1, 2), "-45");
  EXPECT_EQ(p.layup.layers.cell(2, 3), "0.0075");
}

// The file's load kind chooses the buttons and headings; temperature and
// moisture are switched on when the file holds them (moisture in percent).
TEST(ShowDataOnPages, LoadKindRules) {
  struct Case {
    int kind;
    double deltaT, moisture;
    bool mechanical, strains;
    const char* heading;
    const char* firstCell;
    const char* temperatureText;  // nullptr: box clear
    const char* moistureText;
  };
  const Case cases[] = {
      {1, 0, 0, true, false, "NX", "1000", nullptr, nullptr},
      {2, -280, 0.005, true, true, "eX", "0.002", "-280", "0.5"},
      {0, 50, 0, false, false, "NX", "", "50", nullptr},  // only the loads the file holds
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    InputPages p;
    p.loads.mechanicalLoad.checked = true;
    auto d = fileData(c.kind);
    d->deltaT = c.deltaT;
    d->moistureGain = c.moisture;
    showDataOnPages(*d, p);
    const LoadsPage& l = p.loads;
    EXPECT_EQ(l.mechanicalLoad.checked, c.mechanical);
    EXPECT_EQ(l.loadValues.enabled && l.forcesMoments.enabled, c.mechanical);
    EXPECT_EQ(l.strainsCurvatures.selected, c.strains);
    EXPECT_EQ(l.forcesMoments.selected, !c.strains);
    EXPECT_EQ(l.loadValues.heading(0), c.heading);
    EXPECT_EQ(l.loadValues.cell(0, 0), c.firstCell);
    EXPECT_EQ(l.temperatureLoad.checked && l.temperatureChange.enabled, c.temperatureText != nullptr);
    if (c.temperatureText) {
      EXPECT_EQ(l.temperatureChange.text, c.temperatureText);
    }
    EXPECT_EQ(l.moistureLoad.checked && l.moistureContent.enabled && l.percentLabel.enabled,
              c.moistureText != nullptr);
    if (c.moistureText) {
      EXPECT_EQ(l.moistureContent.text, c.moistureText);
    }
  }
}

}  // namespace
}  // namespace vc
