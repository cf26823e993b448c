// The largest problem the record holds (10 materials, 100 layers, every
// option and all three loads) and a count of the program's heap
// allocations. This header replaces the global allocation functions, so
// exactly one source file of a program may include it.
#pragma once

#include <cstdlib>
#include <new>

#include "engine/input_preparation.h"
#include "engine/laminate_data.h"
#include "engine/messages.h"

namespace vc::test {

inline long allocationCount = 0;

class SilentMessages : public MessageSink {
 public:
  void inform(const char*, const char*) override { ++count; }
  int count = 0;
};

inline void fillLargestProblem(LaminateData& d) {
  d.numMaterials = kMaxMaterials;
  for (int m = 1; m <= kMaxMaterials; ++m) {
    d.E1[m] = 130000.0 + 1000.0 * m, d.E2[m] = 9000.0 + 50.0 * m, d.G12[m] = 4500.0, d.v12[m] = 0.3;
    d.CTE1[m] = -0.5e-6, d.CTE2[m] = 30e-6, d.CME1[m] = 1e-4, d.CME2[m] = 4e-3;
    d.Xt[m] = 1500.0, d.Xc[m] = 1200.0, d.Yt[m] = 40.0, d.Yc[m] = 200.0, d.S[m] = 70.0;
  }
  d.numLayers = kMaxLayers;
  const double angles[] = {0.0, 45.0, -45.0, 90.0, 30.0};
  for (int k = 1; k <= kMaxLayers; ++k)
    d.MatID[k] = 1 + (k % kMaxMaterials), d.angle[k] = angles[k % 5], d.thickness[k] = 0.125;
  d.showABD = d.showLayerMatrices = d.showPlyStresses = d.showFailure = true;
  d.showApparent = d.showLoadVectors = d.doubleDouble = d.showTotalStrains = true;
  d.mechanicalOn = d.thermalOn = d.moistureOn = d.forcesGiven = true;
  d.strainsGiven = false;
  d.mechLoad[1] = 100.0, d.mechLoad[4] = 15.0, d.deltaT = -150.0, d.moistureGain = 0.005;
  prepareCopiedInputs(d);
}

}  // namespace vc::test

// The replacements pair malloc with free themselves; the compiler cannot see
// that every pointer reaching these deletes came from the news below.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
  ++vc::test::allocationCount;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
