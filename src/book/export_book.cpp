#include "book/export_book.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "book/calculation_sheet.h"
#include "book/cell_texts.h"
#include "book/scratch_folder.h"
#include "book/segments.h"
#include "book/tables.h"
#include "book/workbook.h"
#include "common/convert.h"
#include "common/failure.h"
#include "journal/journal.h"

namespace aquamere::book {
namespace {

constexpr std::string_view usage =
    "用法：aquamere --export-book 计算书文件 [Excel计算书.xlsx] [--elevation 高差m] [--outlet-pressure "
    "最低工作压力MPa] "
    "[--meter-loss 水表水头损失m] [--supply-pressure 供水压力MPa]\n";

// A file of the system's temporary folder for libxlsxwriter to write into,
// removed again when it goes out of scope. It is made at once, so that a
// folder that takes no file is named before any work is done; it is read
// back and removed with the C library's calls, which take its name as
// libxlsxwriter's do.
class ScratchFile {
 public:
  ScratchFile() : folder_(scratch_folder()) {
    std::random_device random;
    path_ = folder_ + "/aquamere-book-" + std::to_string(random()) + ".xlsx";
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (file == nullptr || std::fclose(file) != 0)
      throw Failure("无法写出Excel计算书：无法在存放临时文件的文件夹“" + folder_ + "”中建立临时文件。");
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
    if (!in || std::ferror(in.get()))
      throw Failure("无法写出Excel计算书：无法读回存放临时文件的文件夹“" + folder_ + "”中的临时文件。");
    return bytes;
  }

 private:
  std::string folder_;
  std::string path_;
};

// The report and its journal are never the book's file, under their own
// names or any other (a hard or symbolic link to either).
void refuse_own_files(FilePort& files, const std::string& report_path, const std::string& book_path) {
  const std::optional<FileIdentity> book = files.identity(book_path);
  for (const std::string& own : {report_path, journal::path_for(report_path)}) {
    if (book_path == own || (book && book == files.identity(own)))
      throw Failure("Excel计算书不能保存为计算书或其记录文件“" + own + "”。");
  }
}

// The value of an option: a finite number, or a reason.
double option_value(const std::string& option, const std::string& text) {
  const std::optional<double> value = strict_number(text);
  if (!value || !std::isfinite(*value)) throw Failure("选项" + option + "需要一个数，而不是“" + text + "”。");
  return *value;
}

struct Arguments {
  std::vector<std::string> paths;
  WorstPoint worst;
};

Arguments arguments_of(const std::vector<std::string>& arguments) {
  const std::pair<const char*, double WorstPoint::*> options[] = {
      {"--elevation", &WorstPoint::elevation},
      {"--outlet-pressure", &WorstPoint::outlet_pressure},
      {"--meter-loss", &WorstPoint::meter_loss},
      {"--supply-pressure", &WorstPoint::supply_pressure},
  };
  Arguments a;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const auto option = std::find_if(std::begin(options), std::end(options),
                                     [&](const auto& o) { return arguments[i] == o.first; });
    if (option == std::end(options)) {
      a.paths.push_back(arguments[i]);
    } else if (i + 1 < arguments.size()) {
      a.worst.*(option->second) = option_value(arguments[i], arguments[i + 1]);
      ++i;
    } else {
      throw Failure("选项" + arguments[i] + "后面缺少数值。");
    }
  }
  return a;
}

}  // namespace

std::string default_path(std::string_view report_path) { return std::string(report_path) + ".xlsx"; }

Book make_book(const ReportSegments& report, const std::string& report_path, const WorstPoint& worst) {
  const Sheet alpha_c = alpha_c_sheet();
  PipeTables tables({std::string(calculation_sheet_name), alpha_c.name});
  Book book{.names = alpha_c_names()};
  book.sheets.push_back(calculation_sheet(report, report_path, tables, worst));
  book.sheets.push_back(alpha_c);
  for (const PipeTable& table : tables.all()) book.sheets.push_back(pipe_sheet(table));
  tidy(book);
  return book;
}

// The workbook is made in a scratch file and reaches the user's folder
// through the file port, as the report does, so that the book's path meets
// the same checks; its failures name the file as the Excel book.
void export_book(FilePort& files, const std::string& report_path, const std::string& book_path,
                 const WorstPoint& worst) {
  refuse_own_files(files, report_path, book_path);
  const ReportSegments report = [&] {
    try {
      return read_segments(files, report_path);
    } catch (const FileFailure& failure) {
      throw Failure(failure.about("计算书"));
    }
  }();
  if (report.segments.empty()) {
    throw Failure("计算书“" + report_path + "”中没有管段，无法导出Excel计算书。");
  }
  const ScratchFile scratch;
  write_workbook(make_book(report, report_path, worst), scratch.path(), scratch.folder());
  try {
    files.replace_atomically(book_path, scratch.bytes());
  } catch (const FileFailure& failure) {
    throw Failure(failure.about("Excel计算书"));
  }
}

int export_book_command(FilePort& files, const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& errors) {
  Arguments a;
  try {
    a = arguments_of(arguments);
  } catch (const Failure& failure) {
    errors << failure.what() << '\n' << usage;
    return 2;
  }
  if (a.paths.empty() || a.paths.size() > 2) {
    errors << usage;
    return 2;
  }
  const std::string& report = a.paths[0];
  const std::string book = a.paths.size() == 2 ? a.paths[1] : default_path(report);
  try {
    export_book(files, report, book, a.worst);
  } catch (const Failure& failure) {
    errors << failure.what() << '\n';
    return 1;
  }
  out << book << '\n';
  return 0;
}

}  // namespace aquamere::book
