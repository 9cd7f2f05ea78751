#include "book/export_book.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "book/calculation_sheet.h"
#include "book/formulas.h"
#include "book/segments.h"
#include "book/tables.h"
#include "book/workbook.h"
#include "common/failure.h"
#include "report/journal.h"

namespace aquamere::book {
namespace {

namespace fs = std::filesystem;

Book book_of(const ReportSegments& report, const std::string& report_path) {
  PipeTables tables;
  Book book{.names = alpha_c_names()};
  book.sheets.push_back(calculation_sheet(report, report_path, tables));
  book.sheets.push_back(alpha_c_sheet());
  for (const PipeTable& table : tables.all()) book.sheets.push_back(pipe_sheet(table));
  return book;
}

// A file of the system's temporary folder for libxlsxwriter to write into;
// removed again when it goes out of scope.
class ScratchFile {
 public:
  ScratchFile() : path_(scratch_path()) {}
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  ~ScratchFile() {
    std::error_code ignored;
    fs::remove(path_, ignored);
  }
  std::string path() const { return path_.string(); }
  std::string bytes() const {
    std::ifstream in(path_, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) throw Failure("无法写出Excel计算书：无法读回临时文件。");
    return bytes;
  }

 private:
  static fs::path scratch_path() {
    std::random_device random;
    std::error_code error;
    fs::path folder = fs::temp_directory_path(error);
    if (error) throw Failure("无法写出Excel计算书：找不到存放临时文件的文件夹。");
    return folder / formula::joined({"aquamere-book-", std::to_string(random()), ".xlsx"});
  }

  fs::path path_;
};

// Whether two paths name the same file, as far as the file system can say.
bool same_file(const std::string& a, const std::string& b) {
  std::error_code error;
  const fs::path left = fs::weakly_canonical(fs::path(a), error);
  if (error) return a == b;
  const fs::path right = fs::weakly_canonical(fs::path(b), error);
  return error ? a == b : left == right;
}

}  // namespace

std::string default_path(std::string_view report_path) { return std::string(report_path) + ".xlsx"; }

// The workbook is made in a scratch file and reaches the user's folder
// through the file port, as the report does, so that the book's path meets
// the same checks and failure messages.
void export_book(FilePort& files, const std::string& report_path, const std::string& book_path) {
  for (const std::string& own : {report_path, journal::path_for(report_path)}) {
    if (same_file(book_path, own)) throw Failure("Excel计算书不能保存为计算书或其记录文件“" + own + "”。");
  }
  const ReportSegments report = read_segments(files, report_path);
  if (report.segments.empty()) {
    throw Failure("计算书“" + report_path + "”中没有管段，无法导出Excel计算书。");
  }
  const ScratchFile scratch;
  write_workbook(book_of(report, report_path), scratch.path());
  files.replace(book_path, scratch.bytes());
}

int export_book_command(FilePort& files, const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& errors) {
  if (arguments.empty() || arguments.size() > 2) {
    errors << "用法：aquamere --export-book 计算书文件 [Excel计算书.xlsx]\n";
    return 2;
  }
  const std::string& report = arguments[0];
  const std::string book = arguments.size() == 2 ? arguments[1] : default_path(report);
  try {
    export_book(files, report, book);
  } catch (const Failure& failure) {
    errors << failure.what() << '\n';
    return 1;
  }
  out << book << '\n';
  return 0;
}

}  // namespace aquamere::book
