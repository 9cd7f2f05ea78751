#include "files/backward_lines.h"

#include <algorithm>
#include <utility>

#include "files/line_splitter.h"

namespace aquamere {
namespace {

// Enough for a segment's record in the journal, or a segment line with the
// blocks of a viewing after it, in one reading.
constexpr std::uintmax_t first_reading = 2048;

}  // namespace

std::string_view FileLine::text() const { return without_line_end(bytes); }

BackwardLines::BackwardLines(FilePort& files, std::string path) : files_(files), path_(std::move(path)) {
  read(first_reading);
  if (tail_) end_ = tail_->size;
}

std::optional<FileLine> BackwardLines::previous() {
  if (!tail_ || end_ == 0) return std::nullopt;
  for (;;) {
    const std::uintmax_t tail_start = tail_->size - tail_->bytes.size();
    const auto held = static_cast<std::size_t>(end_ - tail_start);  // of this line and those before
    // The line's own last byte, its LF, cannot end the line before it.
    const auto before = std::lower_bound(breaks_.begin(), breaks_.end(), held == 0 ? 0 : held - 1);
    if (held > 0 && (before != breaks_.begin() || tail_start == 0)) {
      const std::size_t from = before == breaks_.begin() ? 0 : *(before - 1) + 1;
      FileLine line{.offset = tail_start + from, .bytes = tail_->bytes.substr(from, held - from)};
      end_ = line.offset;
      return line;
    }
    read_more();
  }
}

void BackwardLines::read(std::uintmax_t count) {
  tail_ = files_.read_tail(path_, count);
  breaks_.clear();
  if (!tail_) return;
  const std::string_view bytes = tail_->bytes;
  for (std::size_t at = bytes.find('\n'); at != std::string_view::npos; at = bytes.find('\n', at + 1)) {
    breaks_.push_back(at);
  }
}

// Twice as much of the end of the file, which must not have changed since.
void BackwardLines::read_more() {
  const std::uintmax_t size = tail_->size;
  read(std::max<std::uintmax_t>(2 * tail_->bytes.size(), first_reading));
  if (!tail_ || tail_->size != size) throw FileFailure("无法读取", path_, "文件在读取时被另一个程序改动");
}

}  // namespace aquamere
