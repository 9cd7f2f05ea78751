#include "book/export_book.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include "book/calculation_sheet.h"
#include "book/scratch_folder.h"
#include "book/segments.h"
#include "book/tables.h"
#include "book/workbook.h"
#include "common/failure.h"
#include "common/utf8_path.h"
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

// A file of the system's temporary folder for libxlsxwriter to write into,
// removed again when it goes out of scope. It is read back and removed with
// the C library's calls, which take its name as libxlsxwriter's do.
class ScratchFile {
 public:
  ScratchFile() : folder_(scratch_folder()) {
    std::random_device random;
    path_ = folder_ + "/aquamere-book-" + std::to_string(random()) + ".xlsx";
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  ~ScratchFile() { std::remove(path_.c_str()); }

  const std::string& folder() const { return folder_; }
  const std::string& path() const { return path_; }
  std::string bytes() const {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path_.c_str(), "rb"), &std::fclose);
    std::string bytes;
    std::vector<char> chunk(1 << 16);
    for (std::size_t n = 0; in && (n = std::fread(chunk.data(), 1, chunk.size(), in.get())) > 0;) {
      bytes.append(chunk.data(), n);
    }
    if (!in || std::ferror(in.get())) throw Failure("无法写出Excel计算书：无法读回临时文件。");
    return bytes;
  }

 private:
  std::string folder_;
  std::string path_;
};

// Whether two paths name the same file, as far as the file system can say.
bool same_file(const std::string& a, const std::string& b) {
  std::error_code error;
  const fs::path left = fs::weakly_canonical(utf8_path(a), error);
  if (error) return a == b;
  const fs::path right = fs::weakly_canonical(utf8_path(b), error);
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
  write_workbook(book_of(report, report_path), scratch.path(), scratch.folder());
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
