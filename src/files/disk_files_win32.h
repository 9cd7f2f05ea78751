#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// What the Windows file port makes of the system's failures, for its tests.
namespace aquamere::windows_files {

// The reason a call on `path` failed with `error`, in the user's words, as
// the failure message states it (without its closing full stop). `creating`
// is whether the call would have created the file.
std::string reason(const std::string& path, DWORD error, bool creating);

// A text of Windows' own, as FormatMessageW gives it, without its line end
// and closing full stop ("." or "。"): the failure message adds its own.
std::wstring_view without_closing_stop(std::wstring_view said);

}  // namespace aquamere::windows_files
