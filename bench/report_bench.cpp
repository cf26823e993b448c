// Time to rebuild the report text and to format single numbers.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "engine/laminate_data.h"
#include "format/number_text.h"
#include "report/report_writer.h"

namespace {

// Every option and load on, 10 materials and 100 layers: the longest report.
std::unique_ptr<vc::LaminateData> fullLaminate() {
  auto d = std::make_unique<vc::LaminateData>();
  d->numMaterials = vc::kMaxMaterials;
  d->numLayers = vc::kMaxLayers;
  for (int m = 1; m <= vc::kMaxMaterials; ++m) {
    std::strcpy(d->description[m], "Graphite/Epoxy");
    d->E1[m] = 20600000.0;
    d->Xt[m] = d->Xc[m] = d->Yt[m] = d->Yc[m] = d->S[m] = 12700.0;
  }
  d->showABD = d->showLayerMatrices = d->showApparent = d->doubleDouble = true;
  d->showLoadVectors = d->showPlyStresses = d->showFailure = true;
  d->mechanicalOn = d->thermalOn = d->moistureOn = d->forcesGiven = true;
  d->ddSingleMaterial = true;
  for (int k = 1; k <= vc::kMaxLayers; ++k) {
    d->MatID[k] = 1 + k % vc::kMaxMaterials;
    d->angle[k] = (k % 4) * 45.0 * vc::kPi / 180.0;
    d->thickness[k] = 0.005;
    for (int s = 0; s < vc::kSurfaceCount; ++s)
      for (int i = 1; i <= 3; ++i) d->ply[k][s].stressXY[i] = 1234.5 * k - 77.0 * i;
  }
  return d;
}

void BM_WriteFullReport(benchmark::State& state) {
  auto d = fullLaminate();
  std::string text;
  for (auto _ : state) {
    vc::writeReport(*d, text);
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["chars"] = static_cast<double>(text.size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_WriteFullReport);

void BM_FormatExponent(benchmark::State& state) {
  std::string out;
  out.reserve(64);
  double v = 18000000.0;
  for (auto _ : state) {
    out.clear();
    vc::appendf(out, "%12.3e", v);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_FormatExponent);

void BM_ReadPageReal(benchmark::State& state) {
  const char* text = "  -2.0600e+007";
  for (auto _ : state) benchmark::DoNotOptimize(vc::readPageReal(text));
}
BENCHMARK(BM_ReadPageReal);

}  // namespace
