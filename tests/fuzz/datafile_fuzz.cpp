// Fuzz target for the laminate data file reader: any byte string must be
// either refused or read into the record's limits, and a file that was read
// must read again after being written back.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "datafile/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  static auto data = std::make_unique<vc::LaminateData>();
  static auto again = std::make_unique<vc::LaminateData>();
  vc::DataFileOptions options;
  std::string error;
  const std::string text(reinterpret_cast<const char*>(bytes), size);
  if (!vc::parseDataFile(text, *data, options, error)) {
    if (error.empty()) __builtin_trap();
    return 0;
  }
  if (data->numMaterials < 1 || data->numMaterials > vc::kMaxMaterials) __builtin_trap();
  if (data->numLayers < 0 || data->numLayers > vc::kMaxLayers) __builtin_trap();
  const std::string written = vc::formatDataFile(*data, options);
  if (!vc::parseDataFile(written, *again, options, error)) __builtin_trap();
  return 0;
}
