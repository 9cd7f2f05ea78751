#pragma once

#include <string>
#include <vector>

#include "book/sheet.h"

namespace aquamere::book {

// Writes the sheets as an Excel workbook (.xlsx, through libxlsxwriter) at
// `path`; throws Failure when that cannot be done.
void write_workbook(const std::vector<Sheet>& sheets, const std::string& path);

}  // namespace aquamere::book
