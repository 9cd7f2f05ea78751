#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace aquamere::bench {

// The report file every benchmark works on: the program's default report
// path, taken relative to the scratch directory the benchmark runs in.
inline const std::string report_path = "c:\\file.txt";
// The journal of its segments beside it.
inline const std::string journal_path = report_path + ".json";

// A fresh empty directory that the process works in while the object lives;
// it is removed with everything in it afterwards.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

 private:
  std::string previous_;
  std::string path_;
};

// The least a program can do to add a line to a report that is closed
// between two user actions: open it for appending, write, close.
void bare_append(const std::string& path, std::string_view bytes);
// The whole file in one string.
std::string read_whole(const std::string& path);
// Reads the file in chunks of about a megabyte, each cut after its last line
// end, and hands each to `chunk`.
void read_chunks(const std::string& path, const std::function<void(std::string_view)>& chunk);
// The file's lines without their CR LF.
std::vector<std::string> read_lines(const std::string& path);
// Cuts the file back to `size` bytes.
void cut_to(const std::string& path, long size);
long file_size(const std::string& path);

// Writes a report of `lines` lines at `path` the way a user builds one: the
// title block, then runs of batch segments, each run closed by a viewing
// (summary and header block), and segments up to the count.
void build_report(const std::string& path, std::size_t lines);
// Puts such a report of `lines` lines at the report path, built once per
// process and copied from then on; returns its size in bytes.
long place_built_report(std::size_t lines);

}  // namespace aquamere::bench
