#pragma once

#include <string_view>

namespace aquamere {

// What the dialog that asks where to save the Excel calculation book
// offers: Excel workbooks, by name and pattern, and the extension it adds
// to a name typed without one.
inline constexpr std::string_view book_filter_name = "Excel 工作簿 (*.xlsx)";
inline constexpr std::string_view book_filter_pattern = "*.xlsx";
inline constexpr std::string_view book_extension = "xlsx";

// What the dialog that opens a report offers first: the reports, plain
// text named as the default report path is. Each front end adds every file
// in its own spelling, for a report named otherwise in the settings dialog.
inline constexpr std::string_view report_filter_name = "计算书 (*.txt)";
inline constexpr std::string_view report_filter_pattern = "*.txt";
inline constexpr std::string_view any_file_filter_name = "所有文件";

}  // namespace aquamere
