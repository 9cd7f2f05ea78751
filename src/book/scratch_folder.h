#pragma once

#include <string>

namespace aquamere::book {

// The system's folder for temporary files, where libxlsxwriter makes the
// workbook and its parts before the book reaches the user's folder through
// the file port. It is named as the C library's fopen takes it, since
// libxlsxwriter opens its files with that; throws Failure when there is no
// such folder the C library can name.
std::string scratch_folder();

}  // namespace aquamere::book
