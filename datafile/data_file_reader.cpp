// Reading a laminate data file.
//
// The comment lines (a "$" in the first column) are dropped in memory and the
// rest is read as a stream of whitespace-separated values, the way the C
// library's "%d" and "%lf" conversions read them, with two line-bound
// exceptions: the material description (the rest of a material's line) and
// the strength lines (one line per material, with or without its number in
// front). A file with a missing, unreadable or out-of-range value is refused
// as a whole, so a half-read file never reaches the record or the pages.

#include <cstring>
#include <string>

#include "datafile/data_file.h"
#include "datafile/data_text.h"
#include "datafile/value_scanner.h"
#include "engine/angle_units.h"
#include "engine/input_preparation.h"
#include "fileio/small_file_reader.h"
#include "format/number_scan.h"
#include "format/number_text.h"

namespace vc {

namespace {

// ---------------------------------------------------------------------------
// The values of one file, gathered before anything is stored.

struct FileValues {
  int numMaterials = 0;
  double props[kMaxMaterials + 1][8] = {};  // E1, E2, G12, v12, CTE1, CTE2, CME1, CME2
  std::string description[kMaxMaterials + 1];
  int numLayers = 0;
  int MatID[kMaxLayers + 1] = {};
  double angleDegrees[kMaxLayers + 1] = {};
  double thickness[kMaxLayers + 1] = {};
  int loadKind = 0;
  double loads[7] = {};
  double deltaT = 0.0;
  double moisturePercent = 0.0;
  double strengths[kMaxMaterials + 1][5] = {};  // Xt, Xc, Yt, Yc, S
  int optionCount = 0;                          // options present, in file order
  int options[9] = {};  // apparent, ABD, layer matrices, vectors, ply stresses,
                        // strain choice, failure, double-double
};

const char* const kPropertyNames[8] = {"E1", "E2", "G12", "v12", "CTE1", "CTE2", "CME1", "CME2"};
const char* const kStrengthNames[5] = {"Xt", "Xc", "Yt", "Yc", "S"};
const char* const kForceNames[6] = {"NX", "NY", "NXY", "MX", "MY", "MXY"};
const char* const kStrainNames[6] = {"eX", "eY", "gXY", "kX", "kY", "kXY"};
const char* const kOptionNames[8] = {"Display Apparent Properties option",
                                     "Display Laminate ABD Matrix option",
                                     "Display Layer Matrices option",
                                     "Display Laminate Load and Strain Vectors option",
                                     "Display Ply Stresses and Strains option",
                                     "strain choice (1 effective, 2 total)",
                                     "Display Ply Failure Analysis option",
                                     "Calculate Equivalent Double-Double Laminate option"};

class Reader {
 public:
  Reader(const DataText& data, FileValues& values)
      : data_(data),
        values_(values),
        scan_(data.text.data(), data.text.data() + data.text.size()) {}

  bool read(std::string& error) {
    if (!readMaterials() || !readLayers() || !readLoads() || !readStrengths() || !readOptions()) {
      error = error_;
      return false;
    }
    return true;
  }

 private:
  // Where the scanner stands, for a message: "line N" or "end of file".
  std::string place() {
    scan_.skipSpace();
    if (scan_.atEnd()) return "end of file";
    return formatf("line %d", data_.lineAt(scan_.offset()));
  }

  bool fail(Scan result, const std::string& what) {
    const std::string where = place();
    if (result == Scan::NotFinite) {
      error_ = where + ": " + what + " must be a finite number, not \"" + scan_.token() + "\".";
      return false;
    }
    error_ = where + ": expected " + what;
    if (result == Scan::NotNumber) error_ += ", found \"" + scan_.token() + "\"";
    error_ += ".";
    return false;
  }

  // `what` names the value for a message: a callable that returns the text,
  // so that a good file (nearly every file) formats no names at all.
  template <typename What>
  bool intValue(int& value, const What& what) {
    const Scan r = scan_.readInt(value);
    return r == Scan::Ok || fail(r, what());
  }
  template <typename What>
  bool realValue(double& value, const What& what) {
    const Scan r = scan_.readReal(value);
    return r == Scan::Ok || fail(r, what());
  }

  bool countValue(int& value, const std::string& what, int low, int high) {
    scan_.skipSpace();
    const std::string where = place();
    if (!intValue(value, [&] { return what; })) return false;
    if (value < low || value > high) {
      error_ = formatf("%s: %s must be %d to %d, not %d.", where.c_str(), what.c_str(), low, high,
                       value);
      return false;
    }
    return true;
  }

  bool readMaterials() {
    FileValues& v = values_;
    if (!countValue(v.numMaterials, "the number of materials", 1, kMaxMaterials)) return false;
    for (int m = 1; m <= v.numMaterials; ++m) {
      int number = 0;
      if (!intValue(number, [m] { return formatf("the number of material %d", m); })) return false;
      for (int i = 0; i < 8; ++i) {
        if (!realValue(v.props[m][i],
                       [m, i] { return formatf("the %s of material %d", kPropertyNames[i], m); }))
          return false;
      }
      v.description[m] = restOfLine();
    }
    return true;
  }

  // The rest of the current line, without its line break and without the
  // blanks at either end; the scanner moves to the next line.
  std::string restOfLine() {
    const char* p = scan_.here();
    const char* end = data_.text.data() + data_.text.size();
    const char* stop = p;
    while (stop != end && *stop != '\n') ++stop;
    scan_.moveTo(stop == end ? stop : stop + 1);
    while (p != stop && (*p == ' ' || *p == '\t')) ++p;
    while (stop != p && (stop[-1] == ' ' || stop[-1] == '\t' || stop[-1] == '\r')) --stop;
    std::string text(p, stop);
    if (text.size() > kDescriptionSize - 1) text.resize(kDescriptionSize - 1);
    return text;
  }

  bool readLayers() {
    FileValues& v = values_;
    if (!countValue(v.numLayers, "the total number of layers", 0, kMaxLayers)) return false;
    for (int k = 1; k <= v.numLayers; ++k) {
      int number = 0;  // the layer's number: the file's order counts
      if (!intValue(number, [k] { return formatf("the number of layer %d", k); }) ||
          !intValue(v.MatID[k], [k] { return formatf("the material number of layer %d", k); }) ||
          !realValue(v.angleDegrees[k], [k] { return formatf("the ply angle of layer %d", k); }) ||
          !realValue(v.thickness[k], [k] { return formatf("the thickness of layer %d", k); }))
        return false;
    }
    return true;
  }

  bool readLoads() {
    FileValues& v = values_;
    if (!countValue(v.loadKind, "the load kind", 0, 2)) return false;
    if (v.loadKind == 1 || v.loadKind == 2) {
      const char* const* names = v.loadKind == 1 ? kForceNames : kStrainNames;
      for (int i = 1; i <= 6; ++i) {
        if (!realValue(v.loads[i],
                       [&] { return formatf("the mechanical load value %s", names[i - 1]); }))
          return false;
      }
    }
    if (!realValue(v.deltaT, [] { return std::string("the temperature change"); }) ||
        !realValue(v.moisturePercent, [] { return std::string("the percent moisture content"); }))
      return false;
    restOfLine();
    return true;
  }

  // One line per material: the five strengths, with the material number in
  // front when the line holds six values.
  bool readStrengths() {
    FileValues& v = values_;
    const char* end = data_.text.data() + data_.text.size();
    for (int m = 1; m <= v.numMaterials; ++m) {
      const std::string what = formatf("the strengths Xt, Xc, Yt, Yc, S of material %d", m);
      // Blank lines carry no strengths and are passed over.
      const char* line = scan_.here();
      const char* stop = line;
      for (;;) {
        stop = line;
        while (stop != end && *stop != '\n') ++stop;
        const char* q = line;
        while (q != stop && isBlankChar(*q)) ++q;
        if (q != stop || stop == end) break;
        line = stop + 1;
      }
      if (line == end) {
        scan_.moveTo(end);
        return fail(Scan::End, what);
      }
      const int lineNumber = data_.lineAt(static_cast<std::size_t>(line - data_.text.data()));
      // Pieces are separated by blanks and tabs; trailing blanks make none.
      int pieces = 0;
      for (const char* q = line; q != stop;) {
        while (q != stop && isBlankChar(*q)) ++q;
        if (q == stop) break;
        ++pieces;
        while (q != stop && !isBlankChar(*q)) ++q;
      }
      if (pieces > 6) {
        error_ =
            formatf("line %d: expected %s, found %d values.", lineNumber, what.c_str(), pieces);
        return false;
      }
      ValueScanner lineScan(line, stop);
      if (pieces == 6) {
        int number = 0;
        const Scan r = lineScan.readInt(number);
        if (r != Scan::Ok)
          return failOnLine(lineNumber, formatf("the number of material %d", m), lineScan, r);
      }
      for (int i = 0; i < 5; ++i) {
        const Scan r = lineScan.readReal(v.strengths[m][i]);
        if (r == Scan::NotNumber || r == Scan::NotFinite)
          return failOnLine(lineNumber, formatf("the %s of material %d", kStrengthNames[i], m),
                            lineScan, r);
        if (r == Scan::End) {
          error_ =
              formatf("line %d: expected %s, found %d values.", lineNumber, what.c_str(), pieces);
          return false;
        }
      }
      scan_.moveTo(stop == end ? stop : stop + 1);
    }
    return true;
  }

  bool failOnLine(int lineNumber, const std::string& what, const ValueScanner& lineScan, Scan r) {
    const char* form = r == Scan::NotFinite ? "line %d: %s must be a finite number, not \"%s\"."
                                            : "line %d: expected %s, found \"%s\".";
    error_ = formatf(form, lineNumber, what.c_str(), lineScan.token().c_str());
    return false;
  }

  // Only the last option (double-double) may be missing: a file that ends
  // earlier is cut short. A missing last option keeps its check box.
  bool readOptions() {
    FileValues& v = values_;
    for (int i = 0; i < 8; ++i) {
      int value = 0;
      const Scan r = scan_.readInt(value);
      if (r == Scan::End && i == 7) break;
      if (r != Scan::Ok) return fail(r, std::string("the ") + kOptionNames[i]);
      v.options[i] = value;
      v.optionCount = i + 1;
    }
    // Anything after the last option is a line too many (a doubled line).
    scan_.skipSpace();
    return scan_.atEnd() || fail(Scan::NotNumber, "the end of the file after the options");
  }

  const DataText& data_;
  FileValues& values_;
  ValueScanner scan_;
  std::string error_;
};

void store(const FileValues& v, LaminateData& data, DataFileOptions& options) {
  data.numMaterials = v.numMaterials;
  for (int m = 1; m <= v.numMaterials; ++m) {
    data.E1[m] = v.props[m][0];
    data.E2[m] = v.props[m][1];
    data.G12[m] = v.props[m][2];
    data.v12[m] = v.props[m][3];
    data.CTE1[m] = v.props[m][4];
    data.CTE2[m] = v.props[m][5];
    data.CME1[m] = v.props[m][6];
    data.CME2[m] = v.props[m][7];
    std::memset(data.description[m], 0, kDescriptionSize);
    std::memcpy(data.description[m], v.description[m].data(), v.description[m].size());
  }

  data.numLayers = v.numLayers;
  double h = 0.0;
  for (int k = 1; k <= v.numLayers; ++k) {
    data.MatID[k] = v.MatID[k];
    data.angle[k] = radiansFromDegrees(v.angleDegrees[k]);
    data.thickness[k] = v.thickness[k];
    h += v.thickness[k];
  }
  data.totalThickness = h;

  data.loadKind = v.loadKind;
  for (int i = 1; i <= 6; ++i) {
    if (v.loadKind == 1) data.mechLoad[i] = v.loads[i];
    if (v.loadKind == 2) data.midplaneStrain[i] = v.loads[i];
  }
  data.deltaT = v.deltaT;
  data.moistureGain = v.moisturePercent / 100.0;

  // Compressive strengths are stored as written; the next page copy makes a
  // positive one negative.
  for (int m = 1; m <= v.numMaterials; ++m) {
    data.Xt[m] = v.strengths[m][0];
    data.Xc[m] = v.strengths[m][1];
    data.Yt[m] = v.strengths[m][2];
    data.Yc[m] = v.strengths[m][3];
    data.S[m] = v.strengths[m][4];
    deriveUltimateStrains(data, m);
  }

  const int n = v.optionCount;
  if (n > 0) options.showApparent = data.showApparent = v.options[0] != 0;
  if (n > 1) options.showABD = data.showABD = v.options[1] != 0;
  if (n > 2) options.showLayerMatrices = data.showLayerMatrices = v.options[2] != 0;
  if (n > 3) options.showLoadVectors = data.showLoadVectors = v.options[3] != 0;
  if (n > 4) options.showPlyStresses = data.showPlyStresses = v.options[4] != 0;
  if (n > 5) {
    options.effectiveStrains = v.options[5] == 1;
    data.showTotalStrains = v.options[5] != 1;
  }
  if (n > 6) options.showFailure = data.showFailure = v.options[6] != 0;
  if (n > 7) options.doubleDouble = data.doubleDouble = v.options[7] != 0;
}

}  // namespace

bool parseDataFile(const std::string& contents, LaminateData& data, DataFileOptions& options,
                   std::string& error) {
  const DataText text = dropComments(contents);
  FileValues values;
  Reader reader(text, values);
  if (!reader.read(error)) return false;
  store(values, data, options);
  error.clear();
  return true;
}

bool readDataFile(const std::string& path, LaminateData& data, DataFileOptions& options,
                  MessageSink& messages) {
  std::string contents;
  std::string problem = readSmallRegularFile(path, contents);
  if (problem.empty() && parseDataFile(contents, data, options, problem)) return true;
  const std::string text = "Cannot read the data file \"" + path + "\": " + problem;
  messages.inform("Data File Error", text.c_str());
  return false;
}

}  // namespace vc
