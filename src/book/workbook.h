#pragma once

#include <string>
#include <vector>

#include "book/sheet.h"

namespace aquamere::book {

// Writes the book as an Excel workbook (.xlsx, through libxlsxwriter) at
// `path`; throws Failure when that cannot be done.
void write_workbook(const Book& book, const std::string& path);

}  // namespace aquamere::book
