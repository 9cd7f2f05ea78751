#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_port.h"

namespace aquamere {

// A line of a file: where it starts, and its bytes with its line end (the
// last line of a file may have none).
struct FileLine {
  std::uintmax_t offset = 0;
  std::string bytes;

  // The line without its line end, LF or CR LF.
  std::string_view text() const;
};

// Reads a file's lines from the last towards the first, as undo and resume
// take up the last segment of a report of any length: the end of the file
// is read once, and a longer end only when the lines at hand run out.
class BackwardLines {
 public:
  // Reads the end of the file at once; a missing file has no lines.
  BackwardLines(FilePort& files, std::string path);

  // The line before the one given last, the file's last line first;
  // nothing once the first line has been given. Throws Failure when the
  // file changed size while it was read.
  std::optional<FileLine> previous();

 private:
  void read(std::uintmax_t count);
  void read_more();

  FilePort& files_;
  std::string path_;
  std::optional<FileTail> tail_;
  std::vector<std::size_t> breaks_;  // where the LFs of the tail stand
  std::uintmax_t end_ = 0;           // where the line given last starts
};

}  // namespace aquamere
