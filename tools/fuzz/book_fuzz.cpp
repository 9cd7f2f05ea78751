// libFuzzer target for the calculation book: a report and its journal,
// however edited or damaged, make a book in memory that a workbook can hold
// (valid sheet names, clean texts, finite numbers), or are refused with a
// reason; never a crash. An input is the report's bytes, then the marker
// line, then the journal's.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "book/cell_texts.h"
#include "book/export_book.h"
#include "common/failure.h"
#include "files/file_port.h"
#include "files/line_splitter.h"
#include "journal/journal.h"

namespace {

using namespace aquamere;

constexpr std::string_view marker = "\n--journal--\n";

// The two files in memory, read as the disk's port reads them.
class MemoryDisk : public FilePort {
 public:
  std::map<std::string, std::string> files;

  void append(const std::string& path, std::string_view bytes) override { files[path].append(bytes); }
  void replace(const std::string& path, std::string_view bytes) override { files[path] = bytes; }
  void replace_atomically(const std::string& path, std::string_view bytes) override { files[path] = bytes; }
  // Cut into lines as the disk cuts a file it reads.
  void read_lines(const std::string& path, const std::function<void(std::string_view)>& line) override {
    LineSplitter lines;
    lines.feed(files.at(path), line);
    lines.finish(line);
  }
  std::optional<FileTail> read_tail(const std::string& path, std::uintmax_t count) override {
    const auto file = files.find(path);
    if (file == files.end()) return std::nullopt;
    const std::string& bytes = file->second;
    return FileTail{.size = bytes.size(),
                    .bytes = bytes.substr(bytes.size() - std::min<std::size_t>(count, bytes.size()))};
  }
  std::optional<FileIdentity> identity(const std::string&) override { return std::nullopt; }
  std::optional<std::uintmax_t> size(const std::string& path) override {
    const auto file = files.find(path);
    if (file == files.end()) return std::nullopt;
    return file->second.size();
  }
  void cut(const std::string& path, std::uintmax_t size) override { files.at(path).resize(size); }
  void rename(const std::string& from, const std::string& to) override {
    files[to] = files.at(from);
    files.erase(from);
  }
  void remove(const std::string& path) override { files.erase(path); }
  void sync_folder(const std::string&) override {}
  bool exists(const std::string& path) override { return files.contains(path); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find(marker);
  MemoryDisk disk;
  disk.files["r.txt"] = input.substr(0, split);
  if (split != std::string_view::npos) disk.files["r.txt.json"] = input.substr(split + marker.size());
  try {
    const book::Book book = book::make_book(book::read_segments(disk, "r.txt"), "r.txt");
    if (!book::unwritable(book).empty()) std::abort();
    // As the segment table reads it: each record only up to its window.
    journal::read_as(disk, "r.txt", journal::WindowsBefore::Skipped,
                     [](SegmentRecord&& r) { return r.label.size(); });
  } catch (const Failure&) {
    // A refusal with its reason is an answer too.
  }
  return 0;
}
