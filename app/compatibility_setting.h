// The "-setcm" option: on Windows, asks the compatibility layer to run this
// executable in Windows XP SP2 mode (string value "WINXPSP2" named after the
// executable's full path under the user's AppCompatFlags\Layers key, written
// only when that key exists). Other platforms have no such layer: nothing is
// written.
#pragma once

namespace vc {

void writeCompatibilitySetting();

}  // namespace vc
