// Copying the pages into the record for a run, and showing a data set that
// was read from a file on the pages.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "pages/page_transfer.h"

namespace vc {
namespace {

const double kRadiansPerDegree = 3.14159265358979 / 180;

// The cells of one grid row joined by '|'.
std::string row(const TextGrid& grid, int r) {
  std::string out;
  for (int c = 0; c < grid.columnCount(); ++c) out += (c ? "|" : "") + grid.cell(r, c);
  return out;
}

void setRow(TextGrid& grid, int r, std::initializer_list<const char*> cells) {
  int c = 0;
  for (const char* text : cells) grid.setCell(r, c++, text);
}

struct Pages {
  InputPages pages;
  std::unique_ptr<LaminateData> data = std::make_unique<LaminateData>();
  Pages() {
    setRow(pages.materials.properties, 0,
           {"1", "2.06e7psi", "stiff", "1.04e6", "0.27", "-0.5e-6", "15e-6", "0.01", "0.2", "AS4"});
    setRow(pages.strength.strengths, 0, {"1", "330000", "209000", "8300", "-33000", "10300"});
    pages.layup.layerCount.text = "4";
    setRow(pages.layup.layers, 0, {"1", "", "45", "0.005"});
    setRow(pages.layup.layers, 1, {"2", "2.9", "-30", "0.007"});
    setRow(pages.layup.layers, 2, {"3", "1", "99", "1"});
  }
  LaminateData& copy() {
    copyPagesToData(pages, *data);
    return *data;
  }
};

// Cells are read as far as they hold a number (MatID whole); compressive
// strengths are made negative; a symmetric stack mirrors its lower half.
TEST(PageTransfer, CopyPagesToData) {
  Pages p;
  p.pages.materials.properties.setCell(0, 9, std::string(300, 'd'));
  p.pages.layup.symmetric.checked = true;
  const LaminateData& d = p.copy();
  using V = std::vector<double>;
  EXPECT_EQ((V{d.E1[1], d.E2[1], d.CTE1[1], d.Xc[1], d.Yc[1], d.g12u[1]}),
            (V{2.06e7, 0, -0.5e-6, -209000, -33000, 10300 / 1.04e6}));
  EXPECT_EQ(
      (V{d.angle[1], d.angle[3], d.thickness[4], d.totalThickness}),
      (V{45 * kRadiansPerDegree, -30 * kRadiansPerDegree, 0.005, 0.005 + 0.007 + 0.007 + 0.005}));
  EXPECT_EQ((std::vector<int>{d.MatID[1], d.MatID[2], d.MatID[3]}), (std::vector<int>{0, 2, 2}));
  EXPECT_EQ(std::strlen(d.description[1]), 255u);
  EXPECT_TRUE(d.showApparent && d.showABD && !d.showTotalStrains && !d.doubleDouble);
  for (const auto& c :
       {std::array<const char*, 4>{"12", "150", "10", "100"}, {"0", "-3", "1", "0"}}) {
    p.pages.materials.materialCount = c[0];
    p.pages.layup.layerCount.text = c[1];
    p.copy();
    EXPECT_EQ(std::to_string(d.numMaterials) + "/" + std::to_string(d.numLayers),
              std::string(c[2]) + "/" + c[3]);
  }
}

TEST(PageTransfer, LoadsFollowTheirBoxes) {
  Pages p;
  LoadsPage& l = p.pages.loads;
  setRow(l.loadValues, 0, {"1", "2", "3", "4", "5", "6"});
  l.temperatureChange.text = "-280";
  l.moistureContent.text = "0.5";
  const LaminateData& d = p.copy();  // every box clear
  EXPECT_EQ(d.mechLoad[6] + d.midplaneStrain[6] + d.deltaT + d.moistureGain, 0.0);
  l.mechanicalLoad.checked = l.temperatureLoad.checked = l.moistureLoad.checked = true;
  p.copy();
  EXPECT_EQ((std::vector<double>{d.mechLoad[6] - d.midplaneStrain[6], d.deltaT, d.moistureGain}),
            (std::vector<double>{6, -280, 0.005}));
  l.forcesMoments.selected = false;
  l.strainsCurvatures.selected = true;
  p.copy();
  EXPECT_TRUE(d.midplaneStrain[2] - d.mechLoad[2] == 2 && d.strainsGiven);
}

// The file's values at five significant digits, its load kind choosing the
// buttons and headings; temperature and moisture switched on when the file
// holds them (moisture in percent), kind 0 only for those it holds.
TEST(PageTransfer, ShowDataOnPages) {
  struct Case {
    int kind;
    double deltaT, moisture;
    const char* loads;  // heading 0, cell 0, temperature text, moisture text
    bool mechanical, strains, temperature, moistureOn;
  };
  const Case cases[] = {
      {1, 0, 0, "NX|1000|0|0", true, false, false, false},
      {2, -280, 0.005, "eX|0.002|-280|0.5", true, true, true, true},
      {0, 50, 0, "NX||50|0", false, false, true, false},
  };
  for (const Case& c : cases) {
    auto d = std::make_unique<LaminateData>();
    d->numMaterials = 2, d->E1[2] = 5.6e6, d->Xc[2] = -88500;
    std::strcpy(d->description[2], "glass");
    d->numLayers = 3, d->MatID[3] = 2, d->angle[2] = -45 * kRadiansPerDegree,
    d->thickness[3] = 0.0075;
    d->loadKind = c.kind, d->mechLoad[1] = 1000, d->midplaneStrain[1] = 0.002;
    d->deltaT = c.deltaT, d->moistureGain = c.moisture;
    InputPages p;
    p.layup.symmetric.checked = p.loads.mechanicalLoad.checked = true;
    p.loads.temperatureChange.text = p.loads.moistureContent.text = "0";
    showDataOnPages(*d, p);
    EXPECT_EQ(p.materials.materialCount + "/" + row(p.materials.properties, 1) + "/" +
                  row(p.strength.strengths, 1),
              "2/2|5.6e+006|0|0|0|0|0|0|0|glass/2|0|-88500|0|0|0");
    EXPECT_FALSE(p.layup.symmetric.checked);
    EXPECT_EQ(p.layup.layerCount.text + "/" + row(p.layup.layers, 1) + "/" + row(p.layup.layers, 2),
              "3/2|0|-45|0/3|2|0|0.0075");
    const LoadsPage& l = p.loads;
    EXPECT_EQ(l.loadValues.heading(0) + "|" + l.loadValues.cell(0, 0) + "|" +
                  l.temperatureChange.text + "|" + l.moistureContent.text,
              c.loads);
    EXPECT_EQ(l.mechanicalLoad.checked && l.loadValues.enabled && l.forcesMoments.enabled,
              c.mechanical);
    EXPECT_EQ(l.strainsCurvatures.selected && !l.forcesMoments.selected, c.strains);
    EXPECT_EQ(l.temperatureLoad.checked && l.temperatureChange.enabled, c.temperature);
    EXPECT_EQ(l.moistureLoad.checked && l.moistureContent.enabled && l.percentLabel.enabled,
              c.moistureOn);
  }
}

}  // namespace
}  // namespace vc
