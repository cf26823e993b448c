// Reading a laminate data file.
//
// The comment lines (a "$" in the first column) are dropped in memory and the
// rest is read as a stream of whitespace-separated values, the way the C
// library's "%d" and "%lf" conversions read them, with two line-bound
// exceptions: the material description (the rest of a material's line) and
// the strength lines (one line per material, with or without its number in
// front). A file with a missing, unreadable or out-of-range value is refused
// as a whole, so a half-read file never reaches the record or the pages.

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "datafile/data_file.h"
#include "engine/angle_units.h"
#include "format/numfmt.h"

namespace vc {

namespace {

// ---------------------------------------------------------------------------
// The file without its comment lines, with the original line numbers kept so
// that a refusal can point at the right line.
struct DataText {
  std::string text;                    // kept lines, each ended by '\n'
  std::vector<std::size_t> lineStart;  // offset of each kept line in `text`
  std::vector<int> lineNumber;         // its line number in the file

  int lineAt(std::size_t pos) const {
    std::size_t lo = 0, hi = lineStart.size();
    while (hi - lo > 1) {
      const std::size_t mid = (lo + hi) / 2;
      if (lineStart[mid] <= pos) lo = mid; else hi = mid;
    }
    return lineNumber.empty() ? 1 : lineNumber[lo];
  }
};

DataText dropComments(const std::string& contents) {
  DataText out;
  std::size_t pos = 0;
  // A byte order mark in front of the first line is not part of the data.
  if (contents.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
  int line = 0;
  while (pos < contents.size()) {
    ++line;
    std::size_t end = contents.find('\n', pos);
    const std::size_t next = end == std::string::npos ? contents.size() : end + 1;
    if (end == std::string::npos) end = contents.size();
    std::size_t stop = end;
    if (stop > pos && contents[stop - 1] == '\r') --stop;  // CR LF and LF alike
    if (contents[pos] != '$') {
      out.lineStart.push_back(out.text.size());
      out.lineNumber.push_back(line);
      out.text.append(contents, pos, stop - pos);
      out.text.push_back('\n');
    }
    pos = next;
  }
  return out;
}

// ---------------------------------------------------------------------------
// Number scanning with the rules of "%d" and "%lf", independent of the locale.

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) {
  return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithWord(const char* p, const char* end, const char* word) {
  for (; *word; ++word, ++p) {
    if (p == end || lower(*p) != *word) return false;
  }
  return true;
}

enum class Scan { Ok, End, NotNumber };

class Scanner {
 public:
  Scanner(const char* begin, const char* end) : begin_(begin), p_(begin), end_(end) {}

  void skipSpace() {
    while (p_ != end_ && isSpace(*p_)) ++p_;
  }
  std::size_t offset() const { return static_cast<std::size_t>(p_ - begin_); }
  const char* here() const { return p_; }
  void moveTo(const char* p) { p_ = p; }
  bool atEnd() const { return p_ == end_; }

  Scan readInt(int& value) {
    skipSpace();
    if (p_ == end_) return Scan::End;
    const char* p = p_;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (p == end_ || !isDigit(*p)) return Scan::NotNumber;
    long long v = 0;
    const long long limit =
        negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                 : static_cast<long long>(std::numeric_limits<int>::max());
    while (p != end_ && isDigit(*p)) {
      if (v < limit) v = v * 10 + (*p - '0');
      if (v > limit) v = limit;  // saturate instead of overflowing
      ++p;
    }
    p_ = p;
    value = static_cast<int>(negative ? -v : v);
    return Scan::Ok;
  }

  Scan readReal(double& value) {
    skipSpace();
    if (p_ == end_) return Scan::End;
    const char* p = p_;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    double magnitude = 0.0;
    if (startsWithWord(p, end_, "inf")) {
      p += 3;
      if (startsWithWord(p, end_, "inity")) p += 5;
      magnitude = std::numeric_limits<double>::infinity();
    } else if (startsWithWord(p, end_, "nan")) {
      p += 3;
      if (p != end_ && *p == '(') {
        const char* q = p + 1;
        while (q != end_ && (isDigit(*q) || (lower(*q) >= 'a' && lower(*q) <= 'z') || *q == '_')) ++q;
        if (q != end_ && *q == ')') p = q + 1;
      }
      magnitude = std::numeric_limits<double>::quiet_NaN();
    } else if (p != end_ && *p == '0' && end_ - p > 2 && lower(p[1]) == 'x' &&
               (isHexDigit(p[2]) || (p[2] == '.' && end_ - p > 3 && isHexDigit(p[3])))) {
      if (!readHex(p, magnitude)) return Scan::NotNumber;
    } else {
      const char* start = p;
      std::size_t digits = 0;
      while (p != end_ && isDigit(*p)) ++p, ++digits;
      if (p != end_ && *p == '.') {
        ++p;
        while (p != end_ && isDigit(*p)) ++p, ++digits;
      }
      if (digits == 0) return Scan::NotNumber;
      if (p != end_ && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        if (q != end_ && (*q == '+' || *q == '-')) ++q;
        if (q != end_ && isDigit(*q)) {
          while (q != end_ && isDigit(*q)) ++q;
          p = q;
        }
      }
      magnitude = readPageReal(std::string(start, p));
    }
    p_ = p;
    value = negative ? -magnitude : magnitude;
    return Scan::Ok;
  }

  // The text at the current position, up to the next blank, for messages.
  std::string token() const {
    std::string out;
    for (const char* p = p_; p != end_ && !isSpace(*p) && out.size() < 24; ++p) {
      const unsigned char c = static_cast<unsigned char>(*p);
      out.push_back(c < 0x20 || c == 0x7f ? '?' : *p);
    }
    return out;
  }

 private:
  // A hexadecimal floating constant after its "0x": digits, an optional
  // point and an optional binary exponent "p".
  bool readHex(const char*& p, double& magnitude) {
    const char* start = p + 2;
    const char* q = start;
    long long leading = 0;  // significant hex digits before the point
    long long fractionZeros = 0;
    bool seen = false;
    while (q != end_ && isHexDigit(*q)) {
      if (*q != '0') seen = true;
      if (seen) ++leading;
      ++q;
    }
    if (q != end_ && *q == '.') {
      ++q;
      while (q != end_ && isHexDigit(*q)) {
        if (!seen && *q == '0') ++fractionZeros;
        if (*q != '0') seen = true;
        ++q;
      }
    }
    long long exponent = 0;
    if (q != end_ && lower(*q) == 'p') {
      const char* e = q + 1;
      bool eneg = false;
      if (e != end_ && (*e == '+' || *e == '-')) eneg = *e++ == '-';
      if (e != end_ && isDigit(*e)) {
        while (e != end_ && isDigit(*e)) {
          if (exponent < 100000000) exponent = exponent * 10 + (*e - '0');
          ++e;
        }
        if (eneg) exponent = -exponent;
        q = e;
      }
    }
    const std::string digits(start, q);
    const std::from_chars_result r = std::from_chars(
        digits.data(), digits.data() + digits.size(), magnitude, std::chars_format::hex);
    if (r.ec == std::errc::result_out_of_range) {
      const long long binary = (leading > 0 ? 4 * leading : -4 * (fractionZeros + 1)) + exponent;
      magnitude = binary > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (r.ec != std::errc()) {
      return false;
    }
    p = q;
    return true;
  }

  const char* begin_;
  const char* p_;
  const char* end_;
};

// ---------------------------------------------------------------------------
// The values of one file, gathered before anything is stored.

struct FileValues {
  int numMaterials = 0;
  double props[kMaxMaterials + 1][8] = {};  // E1, E2, G12, v12, CTE1, CTE2, CME1, CME2
  std::string description[kMaxMaterials + 1];
  int numLayers = 0;
  int layerNumber[kMaxLayers + 1] = {};
  int MatID[kMaxLayers + 1] = {};
  double angleDegrees[kMaxLayers + 1] = {};
  double thickness[kMaxLayers + 1] = {};
  int loadKind = 0;
  double loads[7] = {};
  double deltaT = 0.0;
  double moisturePercent = 0.0;
  double strengths[kMaxMaterials + 1][5] = {};  // Xt, Xc, Yt, Yc, S
  int optionCount = 0;  // options present, in file order
  int options[9] = {};  // apparent, ABD, layer matrices, vectors, ply stresses,
                        // strain choice, failure, double-double
};

const char* const kPropertyNames[8] = {"E1", "E2", "G12", "v12", "CTE1", "CTE2", "CME1", "CME2"};
const char* const kStrengthNames[5] = {"Xt", "Xc", "Yt", "Yc", "S"};
const char* const kForceNames[6] = {"NX", "NY", "NXY", "MX", "MY", "MXY"};
const char* const kStrainNames[6] = {"eX", "eY", "gXY", "kX", "kY", "kXY"};
const char* const kOptionNames[8] = {
    "Display Apparent Properties option", "Display Laminate ABD Matrix option",
    "Display Layer Matrices option",      "Display Laminate Load and Strain Vectors option",
    "Display Ply Stresses and Strains option", "strain choice (1 effective, 2 total)",
    "Display Ply Failure Analysis option", "Calculate Equivalent Double-Double Laminate option"};

class Reader {
 public:
  Reader(const DataText& data, FileValues& values)
      : data_(data), values_(values), scan_(data.text.data(), data.text.data() + data.text.size()) {}

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
    error_ = where + ": expected " + what;
    if (result == Scan::NotNumber) error_ += ", found \"" + scan_.token() + "\"";
    error_ += ".";
    return false;
  }

  bool intValue(int& value, const std::string& what) {
    const Scan r = scan_.readInt(value);
    return r == Scan::Ok || fail(r, what);
  }
  bool realValue(double& value, const std::string& what) {
    const Scan r = scan_.readReal(value);
    return r == Scan::Ok || fail(r, what);
  }

  bool countValue(int& value, const std::string& what, int low, int high) {
    scan_.skipSpace();
    const std::string where = place();
    if (!intValue(value, what)) return false;
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
      if (!intValue(number, formatf("the number of material %d", m))) return false;
      for (int i = 0; i < 8; ++i) {
        if (!realValue(v.props[m][i], formatf("the %s of material %d", kPropertyNames[i], m)))
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
      if (!intValue(v.layerNumber[k], formatf("the number of layer %d", k)) ||
          !intValue(v.MatID[k], formatf("the material number of layer %d", k)) ||
          !realValue(v.angleDegrees[k], formatf("the ply angle of layer %d", k)) ||
          !realValue(v.thickness[k], formatf("the thickness of layer %d", k)))
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
        if (!realValue(v.loads[i], formatf("the mechanical load value %s", names[i - 1])))
          return false;
      }
    }
    if (!realValue(v.deltaT, "the temperature change") ||
        !realValue(v.moisturePercent, "the percent moisture content"))
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
        while (q != stop && isSpace(*q)) ++q;
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
        while (q != stop && isSpace(*q)) ++q;
        if (q == stop) break;
        ++pieces;
        while (q != stop && !isSpace(*q)) ++q;
      }
      if (pieces > 6) {
        error_ = formatf("line %d: expected %s, found %d values.", lineNumber, what.c_str(), pieces);
        return false;
      }
      Scanner lineScan(line, stop);
      if (pieces == 6) {
        int number = 0;
        const Scan r = lineScan.readInt(number);
        if (r != Scan::Ok) return failOnLine(lineNumber, formatf("the number of material %d", m), lineScan);
      }
      for (int i = 0; i < 5; ++i) {
        const Scan r = lineScan.readReal(v.strengths[m][i]);
        if (r == Scan::NotNumber)
          return failOnLine(lineNumber, formatf("the %s of material %d", kStrengthNames[i], m), lineScan);
        if (r == Scan::End) {
          error_ = formatf("line %d: expected %s, found %d values.", lineNumber, what.c_str(), pieces);
          return false;
        }
      }
      scan_.moveTo(stop == end ? stop : stop + 1);
    }
    return true;
  }

  bool failOnLine(int lineNumber, const std::string& what, const Scanner& lineScan) {
    error_ = formatf("line %d: expected %s, found \"%s\".", lineNumber, what.c_str(),
                     lineScan.token().c_str());
    return false;
  }

  // The options may stop early at the end of the file: the options not
  // given keep their check boxes as they are.
  bool readOptions() {
    FileValues& v = values_;
    for (int i = 0; i < 8; ++i) {
      int value = 0;
      const Scan r = scan_.readInt(value);
      if (r == Scan::End) break;
      if (r == Scan::NotNumber) return fail(r, std::string("the ") + kOptionNames[i]);
      v.options[i] = value;
      v.optionCount = i + 1;
    }
    return true;
  }

  const DataText& data_;
  FileValues& values_;
  Scanner scan_;
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
    data.layerNumber[k] = v.layerNumber[k];
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
    data.e1t[m] = data.Xt[m] / data.E1[m];
    data.e1c[m] = data.Xc[m] / data.E1[m];
    data.e2t[m] = data.Yt[m] / data.E2[m];
    data.e2c[m] = data.Yc[m] / data.E2[m];
    data.g12u[m] = data.S[m] / data.G12[m];
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
  std::string problem;
  std::string contents;
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    problem = formatf("the file cannot be opened (%s).", std::strerror(errno));
  } else {
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) contents.append(buffer, n);
    if (std::ferror(file)) problem = formatf("the file cannot be read (%s).", std::strerror(errno));
    std::fclose(file);
  }
  if (problem.empty() && parseDataFile(contents, data, options, problem)) return true;
  const std::string text = "Cannot read the data file \"" + path + "\": " + problem;
  messages.inform("Data File Error", text.c_str());
  return false;
}

}  // namespace vc
