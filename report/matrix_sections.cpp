// Report sections with the stiffness and compliance matrices of every layer
// and the laminate ABD matrix with its inverse.
#include "format/number_text.h"
#include "format/text_sink.h"
#include "report/report_sections.h"

namespace vc {
namespace report {

namespace {

// Two 3 by 3 matrices side by side, one blank between them.
void appendMatrixPair(const Mat3& left, const Mat3& right, TextSink& out) {
  for (int i = 1; i <= 3; ++i) {
    appendFields(out, 'e', 13, 3, {left[i][1], left[i][2], left[i][3]});
    out.append(" ");
    appendFields(out, 'e', 13, 3, {right[i][1], right[i][2], right[i][3]});
    out.append("\r\n");
  }
}

// A 6 by 6 matrix in its A/B over B/D blocks, a blank line between the
// in-plane and the bending rows.
void appendMatrix6(const Mat6& a, std::string& out) {
  for (int i = 1; i <= 6; ++i) {
    appendf(out, "%13.4e%13.4e%13.4e %13.4e%13.4e%13.4e\r\n", a[i][1], a[i][2], a[i][3], a[i][4],
            a[i][5], a[i][6]);
    if (i == 3) out += "\r\n";
  }
}

}  // namespace

void appendLayerMatrices(const LaminateData& d, std::string& out) {
  out +=
      "\r\n\r\n\r\n Layer Stiffness and Compliance Matrices\r\n "
      "***************************************";
  TextSink text(out);  // every layer's text through one buffer
  for (int k = 1; k <= layerLoopCount(d); ++k) {
    const int m = safeMaterialIndex(d, k);
    text.append("\r\n\r\n\r\n Layer....");
    appendInteger(text, k, 3);
    text.append(
        "\r\n ------------\r\n\r\n                 Q Matrix                              Q-Bar "
        "Matrix\r\n\r\n");
    appendMatrixPair(d.Q[m], d.QBar[k], text);
    text.append("\r\nTrace of Q = ");
    appendFields(text, 'e', 13, 3, {d.traceQ[m]});
    text.append(
        "\r\n\r\n\r\n\r\n                 S Matrix                              S-Bar "
        "Matrix\r\n\r\n");
    appendMatrixPair(d.SMatrix[m], d.SBar[k], text);
  }
}

void appendLaminateMatrices(const LaminateData& d, std::string& out) {
  out +=
      "\r\n\r\n\r\n Laminate Matrices\r\n *****************\r\n\r\n\r\n"
      "                                 'ABD' Matrix\r\n\r\n";
  appendMatrix6(d.ABD, out);
  out += "\r\n\r\n\r\n                                 'ABD' Inverse\r\n\r\n";
  appendMatrix6(d.ABDInverse, out);
}

}  // namespace report
}  // namespace vc
