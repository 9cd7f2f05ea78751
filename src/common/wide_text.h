#pragma once

#include <string>
#include <string_view>

namespace aquamere {

// Windows speaks UTF-16 at its API; the program's texts are UTF-8. A byte
// that is not UTF-8 becomes U+FFFD on the way, as does a lone surrogate on
// the way back.
std::wstring to_wide(std::string_view utf8);
std::string to_utf8(std::wstring_view wide);

}  // namespace aquamere
