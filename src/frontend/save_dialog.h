#pragma once

#include <string_view>

namespace aquamere {

// What the dialog that asks where to save the Excel calculation book
// offers: Excel workbooks, by name and pattern, and the extension it adds
// to a name typed without one.
inline constexpr std::string_view book_filter_name = "Excel 工作簿 (*.xlsx)";
inline constexpr std::string_view book_filter_pattern = "*.xlsx";
inline constexpr std::string_view book_extension = "xlsx";

}  // namespace aquamere
