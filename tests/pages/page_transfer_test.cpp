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

const double kPiValue = 3.14159265358979;

struct Fixture {
  InputPages pages;
  std::unique_ptr<LaminateData> data = std::make_unique<LaminateData>();

  Fixture() {
    TextGrid& m = pages.materials.matgrid;
    const char* row[] = {"1", "2.06e7", "1.5e6", "1.04e6", "0.27", "-0.5e-6", "15e-6", "0.01", "0.2", "AS4"};
    for (int c = 0; c < 10; ++c) m.setCell(0, c, row[c]);
    const char* strengths[] = {"1", "330000", "209000", "8300", "-33000", "10300"};
    for (int c = 0; c < 6; ++c) pages.strength.grid_1.setCell(0, c, strengths[c]);
    pages.layup.textb_1.text = "2";
    for (int r = 0; r < 2; ++r) {
      pages.layup.grid_1.setCell(r, 1, "1");
      pages.layup.grid_1.setCell(r, 2, r == 0 ? "45" : "-30");
      pages.layup.grid_1.setCell(r, 3, "0.005");
    }
  }
  void copy() { copyPagesToData(pages, *data); }
};

TEST(CopyPagesToData, MaterialsStrengthsAndLayers) {
  Fixture f;
  f.copy();
  const LaminateData& d = *f.data;
  EXPECT_EQ(d.numMaterials, 1);
  EXPECT_DOUBLE_EQ(d.E1[1], 2.06e7);
  EXPECT_DOUBLE_EQ(d.CTE1[1], -0.5e-6);
  EXPECT_STREQ(d.description[1], "AS4");
  EXPECT_DOUBLE_EQ(d.Xc[1], -209000);  // a positive compressive strength is negated
  EXPECT_DOUBLE_EQ(d.Yc[1], -33000);
  EXPECT_DOUBLE_EQ(d.e1c[1], -209000 / 2.06e7);
  EXPECT_DOUBLE_EQ(d.g12u[1], 10300 / 1.04e6);
  EXPECT_EQ(d.numLayers, 2);
  EXPECT_DOUBLE_EQ(d.angle[1], 45 * kPiValue / 180);
  EXPECT_DOUBLE_EQ(d.angle[2], -30 * kPiValue / 180);
  EXPECT_DOUBLE_EQ(d.totalThickness, 0.01);
  EXPECT_TRUE(d.showApparent);
  EXPECT_FALSE(d.showTotalStrains);
}

// Cells are read as far as they hold a number, MatID whole, and a long
// description is cut to fit the record.
TEST(CopyPagesToData, CellTextRules) {
  Fixture f;
  f.pages.materials.matgrid.setCell(0, 1, "1.5e6psi");
  f.pages.materials.matgrid.setCell(0, 2, "stiff");
  f.pages.materials.matgrid.setCell(0, 9, std::string(300, 'd'));
  f.pages.strength.grid_1.setCell(0, 2, "0");
  f.pages.layup.grid_1.setCell(0, 1, "");
  f.pages.layup.grid_1.setCell(1, 1, "2.9");
  f.copy();
  EXPECT_DOUBLE_EQ(f.data->E1[1], 1.5e6);
  EXPECT_DOUBLE_EQ(f.data->E2[1], 0.0);
  EXPECT_DOUBLE_EQ(f.data->Xc[1], 0.0);
  EXPECT_EQ(f.data->MatID[1], 0);
  EXPECT_EQ(f.data->MatID[2], 2);
  EXPECT_EQ(std::strlen(f.data->description[1]), 255u);
}

TEST(CopyPagesToData, SymmetricStackIsMirrored) {
  Fixture f;
  f.pages.layup.textb_1.text = "4";
  f.pages.layup.checkbox_1.checked = true;
  f.pages.layup.grid_1.setCell(1, 3, "0.007");
  f.pages.layup.grid_1.setCell(2, 2, "99");  // upper half: overwritten by the mirror
  f.copy();
  const LaminateData& d = *f.data;
  EXPECT_DOUBLE_EQ(d.angle[3], d.angle[2]);
  EXPECT_DOUBLE_EQ(d.angle[4], d.angle[1]);
  EXPECT_DOUBLE_EQ(d.thickness[3], 0.007);
  EXPECT_DOUBLE_EQ(d.totalThickness, 0.005 + 0.007 + 0.007 + 0.005);
}

TEST(CopyPagesToData, CountsAreKeptWithinTheRecord) {
  const char* const counts[][4] = {{"12", "150", "10", "100"}, {"0", "-3", "1", "0"}};
  for (const auto& c : counts) {
    Fixture f;
    f.pages.materials.combo_1 = c[0];
    f.pages.layup.textb_1.text = c[1];
    f.copy();
    EXPECT_EQ(f.data->numMaterials, std::stoi(c[2])) << c[0];
    EXPECT_EQ(f.data->numLayers, std::stoi(c[3])) << c[1];
  }
}

TEST(CopyPagesToData, LoadsFollowTheirBoxes) {
  Fixture f;
  LoadsPage& l = f.pages.loads;
  for (int c = 0; c < 6; ++c) l.grid_1.setCell(0, c, std::to_string(c + 1));
  l.textb_1.text = "-280";
  l.textb_2.text = "0.5";
  f.copy();  // every box clear
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(f.data->mechLoad[i], 0.0);
    EXPECT_EQ(f.data->midplaneStrain[i], 0.0);
  }
  EXPECT_EQ(f.data->deltaT, 0.0);
  EXPECT_EQ(f.data->moistureGain, 0.0);

  l.checkbox_1.checked = l.checkbox_2.checked = l.checkbox_3.checked = true;
  f.copy();
  EXPECT_DOUBLE_EQ(f.data->mechLoad[6], 6);
  EXPECT_EQ(f.data->midplaneStrain[1], 0.0);
  EXPECT_DOUBLE_EQ(f.data->deltaT, -280);
  EXPECT_DOUBLE_EQ(f.data->moistureGain, 0.005);

  l.optb_1.selected = false;
  l.optb_2.selected = true;
  f.copy();
  EXPECT_EQ(f.data->mechLoad[1], 0.0);
  EXPECT_DOUBLE_EQ(f.data->midplaneStrain[2], 2);
  EXPECT_TRUE(f.data->strainsGiven);
}

// ---- showDataOnPages --------------------------------------------------------

std::unique_ptr<LaminateData> fileData(int kind) {
  auto d = std::make_unique<LaminateData>();
  d->numMaterials = 2;
  d->E1[2] = 5.6e6;
  d->Xc[2] = -88500;
  std::strcpy(d->description[2], "glass");
  d->numLayers = 3;
  d->MatID[3] = 2;
  d->angle[2] = -45 * kPiValue / 180;
  d->thickness[3] = 0.0075;
  d->loadKind = kind;
  d->mechLoad[1] = 1000;
  d->midplaneStrain[1] = 0.002;
  return d;
}

TEST(ShowDataOnPages, MaterialsStrengthsAndLayers) {
  InputPages p;
  p.layup.checkbox_1.checked = true;
  showDataOnPages(*fileData(1), p);
  EXPECT_EQ(p.materials.combo_1, "2");
  EXPECT_EQ(p.materials.matgrid.cell(1, 0), "2");
  EXPECT_DOUBLE_EQ(readPageReal(p.materials.matgrid.cell(1, 1)), 5.6e6);
  EXPECT_EQ(p.materials.matgrid.cell(1, 9), "glass");
  EXPECT_EQ(p.strength.grid_1.cell(1, 0), "2");
  EXPECT_DOUBLE_EQ(readPageReal(p.strength.grid_1.cell(1, 2)), -88500);
  EXPECT_FALSE(p.layup.checkbox_1.checked);
  EXPECT_EQ(p.layup.textb_1.text, "3");
  EXPECT_EQ(p.layup.grid_1.cell(2, 0), "3");
  EXPECT_EQ(p.layup.grid_1.cell(2, 1), "2");
  EXPECT_DOUBLE_EQ(readPageReal(p.layup.grid_1.cell(1, 2)), -45);
  EXPECT_DOUBLE_EQ(readPageReal(p.layup.grid_1.cell(2, 3)), 0.0075);
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
      // Kind 0 switches on only the loads the file holds.
      {0, 50, 0, false, false, "NX", nullptr, "50", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    InputPages p;
    p.loads.checkbox_1.checked = true;
    auto d = fileData(c.kind);
    d->deltaT = c.deltaT;
    d->moistureGain = c.moisture;
    showDataOnPages(*d, p);
    const LoadsPage& l = p.loads;
    EXPECT_EQ(l.checkbox_1.checked, c.mechanical);
    EXPECT_EQ(l.grid_1.enabled, c.mechanical);
    EXPECT_EQ(l.optb_1.enabled, c.mechanical);
    EXPECT_EQ(l.optb_2.selected, c.strains);
    EXPECT_EQ(l.optb_1.selected, !c.strains);
    EXPECT_EQ(l.grid_1.heading(0), c.heading);
    if (c.mechanical) {
      EXPECT_DOUBLE_EQ(readPageReal(l.grid_1.cell(0, 0)), readPageReal(c.firstCell));
      EXPECT_EQ(l.grid_1.cell(0, 1), "0");
    }
    EXPECT_EQ(l.checkbox_2.checked, c.temperatureText != nullptr);
    EXPECT_EQ(l.textb_1.enabled, c.temperatureText != nullptr);
    if (c.temperatureText) {
      EXPECT_EQ(l.textb_1.text, c.temperatureText);
    }
    EXPECT_EQ(l.checkbox_3.checked, c.moistureText != nullptr);
    EXPECT_EQ(l.textb_2.enabled, c.moistureText != nullptr);
    EXPECT_EQ(l.label_3.enabled, c.moistureText != nullptr);
    if (c.moistureText) {
      EXPECT_DOUBLE_EQ(readPageReal(l.textb_2.text), readPageReal(c.moistureText));
    }
  }
}

// Kind 0 with a temperature change: a run from the pages applies it.
TEST(ShowDataOnPages, KindZeroTemperatureReachesTheRun) {
  InputPages p;
  auto d = fileData(0);
  d->deltaT = 50;
  showDataOnPages(*d, p);
  auto run = std::make_unique<LaminateData>();
  p.layup.textb_1.text = "0";
  copyPagesToData(p, *run);
  EXPECT_TRUE(run->thermalOn);
  EXPECT_DOUBLE_EQ(run->deltaT, 50);
  EXPECT_FALSE(run->mechanicalOn);
}

}  // namespace
}  // namespace vc
