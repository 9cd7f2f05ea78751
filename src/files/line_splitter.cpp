#include "files/line_splitter.h"

namespace aquamere {
namespace {

std::string_view without_cr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

std::string_view without_line_end(std::string_view line) {
  if (line.ends_with('\n')) line.remove_suffix(1);
  return without_cr(line);
}

void LineSplitter::feed(std::string_view chunk, const LineFn& line) {
  for (std::size_t end = chunk.find('\n'); end != std::string_view::npos; end = chunk.find('\n')) {
    if (straddling_.empty()) {
      line(without_cr(chunk.substr(0, end)));
    } else {
      straddling_.append(chunk.substr(0, end));
      line(without_cr(straddling_));
      straddling_.clear();
    }
    chunk.remove_prefix(end + 1);
  }
  straddling_.append(chunk);
}

void LineSplitter::finish(const LineFn& line) {
  if (!straddling_.empty()) line(straddling_);
  straddling_.clear();
}

void read_in_chunks(const std::function<std::string_view(std::vector<char>& buffer)>& read,
                    const LineSplitter::LineFn& line) {
  constexpr std::size_t chunk_size = 1 << 20;
  std::vector<char> buffer(chunk_size);
  LineSplitter lines;
  for (std::string_view chunk = read(buffer); !chunk.empty(); chunk = read(buffer)) lines.feed(chunk, line);
  lines.finish(line);
}

}  // namespace aquamere
