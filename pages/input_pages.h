// The contents of the main window's input pages as plain data: every control
// state and cell text, named after the control it stands for. The Qt pages
// are thin views over these models; a batch run and the tests use them
// without any display.
//
// Grid rows and columns here are toolkit rows and columns, counted from 0:
// toolkit row r is the (r + 1)-th row that the user sees. Column 0 of the
// Materials, Strength and Layup grids holds the row's number.
#pragma once

#include <string>
#include <vector>

namespace vc {

class TextGrid {
 public:
  TextGrid(int rows, int columns, std::vector<std::string> headings);

  int rowCount() const { return rows_; }
  int columnCount() const { return columns_; }
  // Out-of-range cells read as empty text and ignore writes.
  const std::string& cell(int row, int column) const;
  void setCell(int row, int column, const std::string& text);
  // Empties every cell.
  void clearCells();
  // Empties every cell and gives the grid `rows` rows again.
  void reset(int rows);

  const std::string& heading(int column) const;
  void setHeadings(const std::vector<std::string>& headings);

  // Toolkit state that the grid commands and the clearing commands use.
  int currentRow = 0;
  int currentColumn = 0;
  int anchorRow = 0;
  int anchorColumn = 0;
  bool enabled = true;

 private:
  int rows_;
  int columns_;
  std::vector<std::string> cells_;
  std::vector<std::string> headings_;
};

struct CheckBox {
  bool checked = false;
  bool enabled = true;
};

struct RadioButton {
  bool selected = false;
  bool enabled = true;
};

struct TextBox {
  std::string text;
  bool enabled = true;
};

struct Label {
  bool enabled = true;
};

// Remembered source of the grid editing commands of one page.
struct GridClipboard {
  int copiedRow = 0;
  int copiedColumn = 0;
  int runFirstRow = 0;
  int runLastRow = -1;  // empty run until the first column copy
};

// Settings page (TabForm1): the report options. The comments name the
// window controls (their Qt objectNames) that show each field.
struct SettingsPage {
  CheckBox showApparentProperties{true};  // checkbox_1
  CheckBox showAbdMatrices{true};         // checkbox_2
  CheckBox showLayerMatrices;             // checkbox_3: Q, Q-Bar, S and S-Bar
  CheckBox calculateDoubleDouble;         // checkbox_7
  CheckBox showLoadVectors;               // checkbox_4
  CheckBox showPlyStresses;               // checkbox_5
  RadioButton effectiveStrains{true};     // optb_1
  RadioButton totalStrains;               // optb_2
  CheckBox showPlyFailure;                // checkbox_6
};

// Materials page (TabForm2).
struct MaterialsPage {
  MaterialsPage();
  // combo_1: items "1".."10"; the text of the selected item.
  std::string materialCount = "1";
  TextGrid properties;  // matgrid: 10 rows, 10 columns
  GridClipboard clipboard;
};

// Strength page (TabForm7).
struct StrengthPage {
  StrengthPage();
  TextGrid strengths;  // grid_1: 10 rows, 6 columns
  GridClipboard clipboard;
};

// Layup page (TabForm3).
struct LayupPage {
  LayupPage();
  TextBox layerCount;  // textb_1: total number of layers
  CheckBox symmetric;  // checkbox_1: only the lower half is entered
  TextGrid layers;     // grid_1: 100 rows, 4 columns
  GridClipboard clipboard;
};

// Loads page (TabForm4).
struct LoadsPage {
  LoadsPage();
  CheckBox mechanicalLoad;                      // checkbox_1
  RadioButton forcesMoments{true, false};       // optb_1
  RadioButton strainsCurvatures{false, false};  // optb_2
  TextGrid loadValues;                          // grid_1: 1 row, 6 columns, no number column
  CheckBox temperatureLoad;                     // checkbox_2
  Label temperatureLabel{false};                // label_1: Enter temperature change:
  TextBox temperatureChange{"", false};         // textb_1
  CheckBox moistureLoad;                        // checkbox_3
  Label moistureLabel{false};                   // label_2: Enter percent moisture content:
  TextBox moistureContent{"", false};           // textb_2: percent
  Label percentLabel{false};                    // label_3: %
};

// The five input pages together, as the main window owns them.
struct InputPages {
  SettingsPage settings;
  MaterialsPage materials;
  StrengthPage strength;
  LayupPage layup;
  LoadsPage loads;
};

}  // namespace vc
