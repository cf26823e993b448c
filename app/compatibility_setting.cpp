#include "app/compatibility_setting.h"

#if defined(_WIN32)
#include <windows.h>

#include <QDir>
#include <QString>

#include "app/command_line.h"
#include "app/executable_path.h"
#endif

namespace vc {

void writeCompatibilitySetting() {
#if defined(_WIN32)
  const QString exe = trimBlanks(QDir::toNativeSeparators(executableFilePath()));
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER,
                    L"Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers", 0,
                    KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
    return;
  }
  const std::wstring name = exe.toStdWString();
  static const wchar_t kValue[] = L"WINXPSP2";
  RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(kValue),
                 sizeof(kValue));
  RegCloseKey(key);
#endif
}

}  // namespace vc
