// Writing a laminate data file.
//
// The file is first written in full to a temporary file beside the target
// and then renamed over it, so a save that fails half-way (full disk, lost
// folder) leaves the previous file as it was.

#include <cstdio>
#include <string>

#include "datafile/data_file.h"
#include "engine/angle_units.h"
#include "engine/engine_bounds.h"
#include "fileio/atomic_save.h"
#include "format/number_text.h"

namespace vc {

namespace {

// A description is written on its material's line: a line break inside it
// would split the file, so any is written as a blank.
std::string descriptionForFile(const char (&slot)[kDescriptionSize]) {
  std::string text;
  for (int i = 0; i < kDescriptionSize && slot[i] != '\0'; ++i) {
    text.push_back(slot[i] == '\n' || slot[i] == '\r' ? ' ' : slot[i]);
  }
  return text;
}

// The first bytes of `text` that fit `room`, never ending inside a UTF-8
// character (a cut before a continuation byte moves back to its lead byte).
std::string cutToWholeCharacters(const std::string& text, std::size_t room) {
  if (text.size() <= room) return text;
  std::size_t cut = room;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return text.substr(0, cut);
}

// The length of the longest line of `text` with its line end.
std::size_t longestLine(const std::string& text) {
  std::size_t longest = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t end = text.find('\n', pos);
    const std::size_t next = end == std::string::npos ? text.size() : end + 1;
    if (next - pos > longest) longest = next - pos;
    pos = next;
  }
  return longest;
}

void appendLoadBlock(std::string& out, const LaminateData& d) {
  const bool strains = d.mechanicalOn && !d.forcesGiven && d.strainsGiven;
  const double* values;
  if (strains) {
    out += "$ Strains/Curvatures: eX, eY, gXY, kX, kY, kXY\r\n";
    out += "2\r\n";
    values = d.midplaneStrain;
  } else {
    out += "$ Mechanical Load Vector: 1=forces/moments, 2=strains/curvatures\r\n";
    out += "1\r\n";
    out += "$ Forces/Moments or Strains/Curvatures\r\n";
    values = d.mechLoad;
  }
  for (int i = 1; i <= 6; ++i) appendf(out, "%11.3e ", values[i]);
  out += "\r\n$ Temperature Load, Moisture Load\r\n";
  appendf(out, "%10.3f %10.2f\r\n", d.deltaT, d.moistureGain * 100.0);
}

}  // namespace

std::string formatDataFile(const LaminateData& d, const DataFileOptions& options) {
  std::string out;
  const int nm = materialLoopCount(d);
  const int nl = layerLoopCount(d);

  out += "$ Number of Materials\r\n";
  appendf(out, "%-3d\r\n", d.numMaterials);
  out += "$ Material Properties: Material #, E1, E2, G12, v12, CTE1, CTE2, CME1, CME2, Name\r\n";
  for (int m = 1; m <= nm; ++m) {
    const std::size_t lineStart = out.size();
    appendf(out, "%-3d %10.3e %10.3e %10.3e %5.3f %11.3e %11.3e %7.4f %7.4f ", m, d.E1[m], d.E2[m],
            d.G12[m], d.v12[m], d.CTE1[m], d.CTE2[m], d.CME1[m], d.CME2[m]);
    const std::size_t used = out.size() - lineStart + 2;  // with the CR LF
    out += cutToWholeCharacters(descriptionForFile(d.description[m]),
                                used < kMaxDataFileLine ? kMaxDataFileLine - used : 0);
    out += "\r\n";
  }

  out += "$ Total Number of Layers\r\n";
  appendf(out, "%-3d\r\n", d.numLayers);
  out += "$ Layer #, Material #, Angle, Thickness\r\n";
  for (int k = 1; k <= nl; ++k) {
    appendf(out, "%-3d %2d %6.1f %11.3e\r\n", k, d.MatID[k], degreesFromRadians(d.angle[k]),
            d.thickness[k]);
  }

  appendLoadBlock(out, d);

  out += "$ Material Strengths: Material #, Xt, Xc, Yt, Yc, S\r\n";
  for (int m = 1; m <= nm; ++m) {
    appendf(out, "%-3d %11.3e %11.3e %11.3e %11.3e %11.3e\r\n", m, d.Xt[m], d.Xc[m], d.Yt[m],
            d.Yc[m], d.S[m]);
  }

  out += "$ Analysis Options\r\n";
  out += "$ Display Apparent Properites: 0=false, 1=true\r\n";
  appendf(out, "%1d\r\n", options.showApparent ? 1 : 0);
  out += "$ Display Laminate ABD Matrix: 0=false, 1=true\r\n";
  appendf(out, "%1d\r\n", options.showABD ? 1 : 0);
  out += "$ Display Layer Matrices: 0=false, 1=true\r\n";
  appendf(out, "%1d\r\n", options.showLayerMatrices ? 1 : 0);
  out += "$ Display Laminate Load and Strain Vectors: 0=false, 1=true\r\n";
  appendf(out, "%1d\r\n", options.showLoadVectors ? 1 : 0);
  out += "$ Display Ply Stresses and Strains:\r\n";
  out += "$ 0 1 = false, 1 1 = true, show effective strains, 1 2 = true, show total strains\r\n";
  appendf(out, "%1d %1d\r\n", options.showPlyStresses ? 1 : 0, options.effectiveStrains ? 1 : 2);
  out += "$ Display Ply Failure Analysis: 0=false, 1=true\r\n";
  appendf(out, "%1d\r\n", options.showFailure ? 1 : 0);
  out += "$ Calculate Equivalent Double-Double Laminate: 0=false, 1=true\r\n";
  appendf(out, "%1d\r\n", options.doubleDouble ? 1 : 0);
  return out;
}

bool writeDataFile(const std::string& path, const LaminateData& data,
                   const DataFileOptions& options, MessageSink& messages) {
  const std::string text = formatDataFile(data, options);
  // A number too large for its field (a CME of 1e300 in "%7.4f") would make a
  // line that no reader takes: such a file is not written.
  const std::string problem = longestLine(text) > kMaxDataFileLine
                                  ? "a value is too large for its field in the file"
                                  : saveFileAtomically(path, text);
  if (problem.empty()) return true;
  const std::string message = "Cannot write the data file \"" + path + "\": " + problem + ".";
  messages.inform("Data File Error", message.c_str());
  return false;
}

}  // namespace vc
