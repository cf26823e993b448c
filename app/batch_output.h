// What a batch run writes and where: the report as text (the default), or
// the run's inputs and results as JSON or CSV; into the output file, or to
// standard output.
#pragma once

namespace vc {

enum class BatchFormat { Text, Json, Csv };

struct BatchOutput {
  BatchFormat format = BatchFormat::Text;
  bool toStandardOutput = false;  // OUTPUT "-" on a command line with options
  bool curves = false;            // JSON: the stiffness and envelope curves too
};

}  // namespace vc
