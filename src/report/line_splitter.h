#pragma once

#include <functional>
#include <string>
#include <string_view>

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

}  // namespace aquamere
