#include "book/workbook.h"

#include <xlsxwriter.h>

#include <array>
#include <clocale>
#include <filesystem>
#include <string>

#include "book/cell_texts.h"
#include "common/failure.h"

namespace aquamere::book {
namespace {

constexpr const char* face = "宋体";
constexpr uint8_t paper_a4 = 9;

struct Look {
  Style style;
  double points;
  bool bold, boxed, centred, wrapped;
  lxw_color_t fill;           // 0 for none
  const char* number_format;  // nullptr for the general one
};

constexpr std::array<Look, 13> looks = {{
    {Style::Title, 16, true, false, true, false, 0, nullptr},
    {Style::Heading, 11, true, false, false, false, 0, nullptr},
    {Style::Text, 10, false, false, false, false, 0, nullptr},
    {Style::Blank, 10, false, false, false, false, 0, nullptr},
    {Style::Head, 9, true, true, true, true, 0xF2F2F2, nullptr},
    {Style::Number, 9, false, true, true, false, 0, nullptr},
    {Style::Entered, 9, false, true, true, false, 0xD9D9D9, nullptr},
    {Style::Designer, 9, false, true, true, false, 0xFFF2CC, nullptr},
    {Style::Remark, 9, false, true, false, true, 0, nullptr},
    {Style::Fixed, 9, false, true, true, false, 0, "0.0000"},
    {Style::Input, 9, true, true, true, false, 0xDDEBF7, nullptr},
    {Style::Wrapped, 10, false, false, false, true, 0, nullptr},
    {Style::Nothing, 10, false, false, false, false, 0, nullptr},
}};

// What libxlsxwriter's failures mean to the user, in the user's words.
std::string said(lxw_error error, const std::string& scratch_folder) {
  switch (error) {
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
      return "无法在存放临时文件的文件夹“" + scratch_folder + "”中写出临时文件";
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
      return "内存不足";
    default:
      return "写出工作簿时出错（" + std::to_string(static_cast<int>(error)) + "）";
  }
}

// libxlsxwriter writes numbers with printf, which follows the decimal point
// of the locale; the desktop runs in the user's, and a decimal comma would
// spoil every number of the workbook. The C locale holds while it writes.
class DecimalPoint {
 public:
  DecimalPoint() : saved_(std::setlocale(LC_NUMERIC, nullptr)) { std::setlocale(LC_NUMERIC, "C"); }
  DecimalPoint(const DecimalPoint&) = delete;
  DecimalPoint& operator=(const DecimalPoint&) = delete;
  ~DecimalPoint() { std::setlocale(LC_NUMERIC, saved_.c_str()); }

 private:
  std::string saved_;
};

class Writer {
 public:
  // libxlsxwriter's own scratch files go beside the workbook: the system's
  // default place for them is not writable everywhere.
  Writer(const std::string& path, std::string scratch_folder)
      : scratch_folder_(std::move(scratch_folder)), book_(new_workbook(path, scratch_folder_)) {
    if (book_ == nullptr) throw Failure("无法写出Excel计算书：内存不足。");
    for (const Look& look : looks) formats_[static_cast<std::size_t>(look.style)] = format_of(look);
  }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;
  ~Writer() {
    if (book_ != nullptr) workbook_close(book_);
  }

  void sheet(const Sheet& sheet) {
    lxw_worksheet* ws = workbook_add_worksheet(book_, sheet.name.c_str());
    if (ws == nullptr) throw Failure("无法写出Excel计算书：工作表名“" + sheet.name + "”不能用。");
    for (std::size_t c = 0; c < sheet.widths.size(); ++c) {
      worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), sheet.widths[c],
                           nullptr);
    }
    for (const Merge& m : sheet.merges) {
      worksheet_merge_range(ws, static_cast<lxw_row_t>(m.row), static_cast<lxw_col_t>(m.first_column),
                            static_cast<lxw_row_t>(m.row), static_cast<lxw_col_t>(m.last_column), "",
                            format(sheet, m.row, m.first_column));
    }
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
      for (std::size_t c = 0; c < sheet.rows[r].size(); ++c) write(ws, r, c, sheet.rows[r][c]);
    }
    for (std::size_t r = 0; r < sheet.heights.size(); ++r) {
      if (sheet.heights[r] > 0) worksheet_set_row(ws, static_cast<lxw_row_t>(r), sheet.heights[r], nullptr);
    }
    print_setup(ws, sheet);
  }

  void name(const DefinedName& name) { workbook_define_name(book_, name.name.c_str(), name.range.c_str()); }

  void close() {
    const lxw_error error = workbook_close(book_);
    book_ = nullptr;
    if (error != LXW_NO_ERROR) throw Failure("无法写出Excel计算书：" + said(error, scratch_folder_) + "。");
  }

 private:
  lxw_format* format_of(const Look& look) {
    lxw_format* f = workbook_add_format(book_);
    format_set_font_name(f, face);
    format_set_font_size(f, look.points);
    if (look.bold) format_set_bold(f);
    if (look.boxed) format_set_border(f, LXW_BORDER_THIN);
    if (look.centred) format_set_align(f, LXW_ALIGN_CENTER);
    format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
    if (look.wrapped) format_set_text_wrap(f);
    if (look.fill != 0) format_set_bg_color(f, look.fill);
    if (look.style == Style::Blank) format_set_bottom(f, LXW_BORDER_THIN);
    if (look.style == Style::Wrapped) format_set_align(f, LXW_ALIGN_VERTICAL_TOP);
    if (look.number_format != nullptr) format_set_num_format(f, look.number_format);
    return f;
  }

  lxw_format* format(const Sheet& sheet, int row, int column) const {
    const auto& cells = sheet.rows[static_cast<std::size_t>(row)];
    const Style style = static_cast<std::size_t>(column) < cells.size()
                            ? cells[static_cast<std::size_t>(column)].style
                            : Style::Text;
    return formats_[static_cast<std::size_t>(style)];
  }

  void write(lxw_worksheet* ws, std::size_t r, std::size_t c, const Cell& cell) const {
    if (cell.style == Style::Nothing) return;
    const auto row = static_cast<lxw_row_t>(r);
    const auto column = static_cast<lxw_col_t>(c);
    lxw_format* f = formats_[static_cast<std::size_t>(cell.style)];
    if (!cell.formula.empty()) {
      const std::string formula = "=" + cell.formula;
      if (const double* x = std::get_if<double>(&cell.value)) {
        worksheet_write_formula_num(ws, row, column, formula.c_str(), f, *x);
      } else if (const std::string* s = std::get_if<std::string>(&cell.value)) {
        worksheet_write_formula_str(ws, row, column, formula.c_str(), f, s->c_str());
      } else {
        worksheet_write_formula(ws, row, column, formula.c_str(), f);
      }
    } else if (const double* x = std::get_if<double>(&cell.value)) {
      worksheet_write_number(ws, row, column, *x, f);
    } else if (const std::string* s = std::get_if<std::string>(&cell.value); s != nullptr && !s->empty()) {
      worksheet_write_string(ws, row, column, s->c_str(), f);
    } else {
      worksheet_write_blank(ws, row, column, f);
    }
  }

  // A4, the table's head on every page, the printed columns fitted to the
  // width of the page where the sheet asks for it.
  static void print_setup(lxw_worksheet* ws, const Sheet& sheet) {
    worksheet_set_paper(ws, paper_a4);
    if (sheet.landscape) worksheet_set_landscape(ws);
    worksheet_set_margins(ws, 0.4, 0.4, 0.6, 0.6);
    worksheet_set_footer(ws, "&C第 &P 页，共 &N 页");
    if (sheet.head_rows_first >= 0) {
      worksheet_repeat_rows(ws, static_cast<lxw_row_t>(sheet.head_rows_first),
                            static_cast<lxw_row_t>(sheet.head_rows_last));
    }
    if (sheet.print_columns > 0 && !sheet.rows.empty()) {
      worksheet_print_area(ws, 0, 0, static_cast<lxw_row_t>(sheet.rows.size() - 1),
                           static_cast<lxw_col_t>(sheet.print_columns - 1));
    }
    if (sheet.fit_width) worksheet_fit_to_pages(ws, 1, 0);
  }

  static lxw_workbook* new_workbook(const std::string& path, std::string& scratch_folder) {
    lxw_workbook_options options{};
    options.tmpdir = scratch_folder.empty() ? nullptr : scratch_folder.data();
    return workbook_new_opt(path.c_str(), &options);
  }

  std::string scratch_folder_;
  lxw_workbook* book_;
  std::array<lxw_format*, looks.size()> formats_{};
};

}  // namespace

void write_workbook(const Book& book, const std::string& path, const std::string& scratch_folder) {
  if (const std::string trouble = unwritable(book); !trouble.empty())
    throw Failure("无法写出Excel计算书：" + trouble + "不能写入工作簿。");
  const DecimalPoint decimal_point;
  Writer writer(path,
                scratch_folder.empty() ? std::filesystem::path(path).parent_path().string() : scratch_folder);
  for (const Sheet& sheet : book.sheets) writer.sheet(sheet);
  for (const DefinedName& name : book.names) writer.name(name);
  writer.close();
}

}  // namespace aquamere::book
