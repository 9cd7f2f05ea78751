#include <windows.h>

#include <string>

#include "common/wide_text.h"
#include "settings/settings_file.h"

namespace aquamere {

// The user's roaming application data, as %APPDATA% names it.
std::string settings_folder() {
  std::wstring folder(MAX_PATH, L'\0');
  DWORD length = GetEnvironmentVariableW(L"APPDATA", folder.data(), static_cast<DWORD>(folder.size()));
  if (length > folder.size()) {
    folder.resize(length);
    length = GetEnvironmentVariableW(L"APPDATA", folder.data(), static_cast<DWORD>(folder.size()));
  }
  if (length == 0 || length > folder.size()) return {};
  folder.resize(length);
  return to_utf8(folder) + "\\Aquamere";
}

}  // namespace aquamere
