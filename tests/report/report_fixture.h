// A small hand-made laminate record for the report tests: two materials
// (the second without a description) and two plies, every option cleared.
#pragma once

#include <cstring>
#include <memory>
#include <string>

#include "engine/laminate_data.h"
#include "report/report_writer.h"

namespace reporttest {

inline std::unique_ptr<vc::LaminateData> smallLaminate() {
    auto d = std::make_unique<vc::LaminateData>();
    d->showABD = false;
    d->showApparent = false;
    d->forcesGiven = false;
    d->strainsGiven = false;

    d->numMaterials = 2;
    std::strcpy(d->description[1], "Graphite/Epoxy");
    d->E1[1] = 20600000.0;
    d->E2[1] = 1500000.0;
    d->G12[1] = 1000000.0;
    d->v12[1] = 0.27;
    d->CTE1[1] = -0.00000025;
    d->CTE2[1] = 0.000025;
    d->CME1[1] = 0.0;
    d->CME2[1] = 0.44;
    d->E1[2] = 5500000.0;
    d->E2[2] = 1800000.0;
    d->G12[2] = 750000.0;
    d->v12[2] = 0.25;
    d->CTE1[2] = 0.0000035;
    d->CTE2[2] = 0.000011;
    d->CME1[2] = 0.01;
    d->CME2[2] = 0.3;

    d->numLayers = 2;
    d->MatID[1] = 1;
    d->MatID[2] = 2;
    d->angle[1] = 45.0 * vc::kPi / 180.0;
    d->angle[2] = -30.0 * vc::kPi / 180.0;
    d->thickness[1] = 0.005;
    d->thickness[2] = 0.0052;
    d->totalThickness = 0.0102;
    return d;
}

inline std::string report(const vc::LaminateData& d) {
    std::string text;
    vc::writeReport(d, text);
    return text;
}

// The text from the first occurrence of `from` up to (not including) the
// next occurrence of `to` after it, or to the end when `to` is empty.
inline std::string between(const std::string& text, const std::string& from, const std::string& to) {
    std::size_t a = text.find(from);
    if (a == std::string::npos) return "<missing: " + from + ">";
    if (to.empty()) return text.substr(a);
    std::size_t b = text.find(to, a + from.size());
    if (b == std::string::npos) return "<missing: " + to + ">";
    return text.substr(a, b - a);
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace reporttest
