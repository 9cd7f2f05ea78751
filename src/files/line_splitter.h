#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace aquamere {

// Cuts a file read in chunks into its lines: a line ends at LF, and a CR
// before the LF belongs to the line end. Only a line that straddles two
// chunks is copied.
class LineSplitter {
 public:
  using LineFn = std::function<void(std::string_view line)>;

  void feed(std::string_view chunk, const LineFn& line);
  // The last line, when the file does not end with a line end.
  void finish(const LineFn& line);

 private:
  std::string straddling_;
};

// A line without its line end, LF or CR LF (or a CR alone, at a file's end).
std::string_view without_line_end(std::string_view line);

// Reads a file in chunks of 1 MB and hands on its lines. `read` fills the
// buffer with the next chunk and returns what it read, empty at the end.
void read_in_chunks(const std::function<std::string_view(std::vector<char>& buffer)>& read,
                    const LineSplitter::LineFn& line);

}  // namespace aquamere
