#pragma once

#include <string>
#include <vector>

#include "book/sheet.h"

namespace aquamere::book {

// Writes the book as an Excel workbook (.xlsx, through libxlsxwriter) at
// `path`, with libxlsxwriter's scratch files in `scratch_folder` (beside the
// workbook when none is given); throws Failure when that cannot be done.
// Both are named as the C library's fopen takes them.
void write_workbook(const Book& book, const std::string& path, const std::string& scratch_folder = {});

}  // namespace aquamere::book
