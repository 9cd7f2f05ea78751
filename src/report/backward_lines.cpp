#include "report/backward_lines.h"

#include <algorithm>

namespace aquamere {
namespace {

// Enough for a segment's record in the journal, or a segment line with the
// blocks of a viewing after it, in one reading.
constexpr std::uintmax_t first_reading = 4096;

}  // namespace

std::string_view FileLine::text() const {
  std::string_view text = bytes;
  if (text.ends_with('\n')) text.remove_suffix(1);
  if (text.ends_with('\r')) text.remove_suffix(1);
  return text;
}

BackwardLines::BackwardLines(FilePort& files, const std::string& path)
    : files_(files), path_(path), tail_(files.read_tail(path, first_reading)) {
  if (tail_) end_ = tail_->size;
}

std::optional<FileLine> BackwardLines::previous() {
  if (!tail_ || end_ == 0) return std::nullopt;
  for (;;) {
    const std::uintmax_t tail_start = tail_->size - tail_->bytes.size();
    const std::string_view held = std::string_view(tail_->bytes).substr(0, end_ - tail_start);
    // The line's own last byte, its LF, cannot end the line before it.
    const std::size_t line_end = held.size() < 2 ? std::string_view::npos : held.rfind('\n', held.size() - 2);
    if (line_end != std::string_view::npos || tail_start == 0) {
      const std::size_t from = line_end == std::string_view::npos ? 0 : line_end + 1;
      FileLine line{.offset = tail_start + from, .bytes = std::string(held.substr(from))};
      end_ = line.offset;
      return line;
    }
    read_more();
  }
}

// Twice as much of the end of the file, which must not have changed since.
void BackwardLines::read_more() {
  const std::uintmax_t size = tail_->size;
  const std::uintmax_t more = std::max<std::uintmax_t>(2 * tail_->bytes.size(), first_reading);
  tail_ = files_.read_tail(path_, more);
  if (!tail_ || tail_->size != size) throw FileFailure("无法读取", path_, "文件在读取时被另一个程序改动");
}

}  // namespace aquamere
