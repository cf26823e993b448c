// Every input and result of a completed run as one JSON document, laid out
// as docs/results-schema.json describes: the materials, layers, loads and
// options; the lamina and laminate matrices, apparent properties and load
// vectors; the ply strains and stresses at three surfaces in both axes; the
// failure factors, their minima and the first-ply-failure table; the
// double-double laminate; and, when asked for, the curves behind the plots:
// the stiffness of the turned laminate and the first-ply-failure envelopes.
// The curves are 10,800 envelope points, about nine tenths of the document
// and of the time it takes to write, so a batch run leaves them out unless
// told otherwise.
//
// Results that the run did not compute (ply results without a load, failure
// factors when not asked for, the strength table and envelopes when a
// strength is zero, the double-double laminate when not asked for or not
// possible) are null. Numbers are written in the shortest form that reads
// back to the same double; a non-finite number is written as null. Vectors
// and matrices are arrays counted from 0 (component 1 is element 0).
#pragma once

#include <string>

#include "engine/laminate_data.h"

namespace vc {

enum class JsonCurves { LeftOut, Included };

// The document as text: one line, ended by CR LF.
std::string resultsJson(const LaminateData& d, JsonCurves curves);

}  // namespace vc
