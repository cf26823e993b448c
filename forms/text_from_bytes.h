// Text for display from the bytes that the program keeps (reports, page
// cells, descriptions read from data files), which are UTF-8 as a rule but
// may come from an older data file written in Windows-1252.
#pragma once

#include <QString>
#include <string>

namespace vc::forms {

// `bytes` decoded as UTF-8 when they are valid UTF-8, else as Windows-1252
// (where a degree sign is the single byte B0).
QString textFromBytes(const std::string& bytes);

}  // namespace vc::forms
