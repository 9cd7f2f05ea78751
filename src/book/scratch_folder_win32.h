#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the Windows build names the scratch folder to the C library, for its
// tests.
namespace aquamere::book {

// A path's short (8.3) form, however much longer than the path it is; the
// path itself where the disk keeps no short names.
std::wstring short_form(const std::wstring& path);

// A path in the code page the C library's fopen takes it in; nothing when
// the code page cannot spell it.
std::optional<std::string> in_code_page(std::wstring_view path, unsigned code_page);

}  // namespace aquamere::book
