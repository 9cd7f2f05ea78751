// The report's side of undoing the last segment and of taking up the chain
// where the report ends: the last segment found from the end of the journal
// and of the report, checked against each other, and taken out of both.
#include <vector>

#include "common/failure.h"
#include "journal/journal.h"
#include "report/modfile.h"
#include "report/report_text.h"

namespace aquamere {
namespace {

// Lines compare as the designer sees them: an editor that drops trailing
// blanks changes nothing that matters.
std::string_view without_trailing_blanks(std::string_view line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  return line;
}

// The report's lines from its end, decoded, for finding its last segment
// line behind the blocks that viewings appended after it.
class ReportEnd {
 public:
  ReportEnd(FilePort& files, const std::string& path, ReportCodec& codec)
      : lines_(files, path), codec_(codec) {}

  // Passes over the column-header and summary blocks at the end, each whole.
  void pass_viewing_blocks() {
    while (block_ahead(3, report::is_header_block) || block_ahead(5, report::is_summary_block)) {
    }
  }

  // The line before those passed over; nothing when the report has no more.
  const FileLine* next_line() { return have(passed_ + 1) ? &pending_[passed_].line : nullptr; }
  const std::string& next_text() { return text(passed_); }

  // The bytes of the lines passed over, in the file's order.
  std::string passed_bytes() const {
    std::string bytes;
    for (std::size_t i = passed_; i-- > 0;) bytes += pending_[i].line.bytes;
    return bytes;
  }

 private:
  struct Pending {
    FileLine line;
    std::optional<std::string> text;  // decoded, without trailing blanks, once asked for
  };

  bool have(std::size_t count) {
    while (pending_.size() < count) {
      std::optional<FileLine> line = lines_.previous();
      if (!line) return false;
      pending_.push_back({std::move(*line), std::nullopt});
    }
    return true;
  }

  const std::string& text(std::size_t i) {
    Pending& p = pending_[i];
    if (!p.text) p.text = std::string(without_trailing_blanks(codec_.decode(p.line.text())));
    return *p.text;
  }

  // Both blocks end with a rule of hyphens: a report that ends otherwise
  // has no block to pass, whatever its lines before.
  template <typename Block>
  bool block_ahead(std::size_t count, Block is_block) {
    if (!have(passed_ + count) || !pending_[passed_].line.text().starts_with('-')) return false;
    std::vector<std::string> texts;
    for (std::size_t i = passed_ + count; i-- > passed_;) texts.push_back(text(i));
    if (!is_block(texts)) return false;
    passed_ += count;
    return true;
  }

  BackwardLines lines_;
  ReportCodec& codec_;
  std::vector<Pending> pending_;  // the last line first
  std::size_t passed_ = 0;
};

}  // namespace

void ModFile::refuse(std::string_view doing, const std::string& reason) {
  host_.message("无法" + std::string(doing) + "：" + reason + "。");
  throw Refusal();
}

LastSegment ModFile::last_segment(std::string_view doing) {
  const std::string path = report_path();
  const std::string journal_path = journal::path_for(path);
  BackwardLines journal(files_, journal_path);
  std::optional<FileLine> record_line = journal.previous();
  std::optional<SegmentRecord> record;
  if (record_line) record = journal::record_in(record_line->text());
  if (record && !record->before) record.reset();
  if (!record && (!record_line || journal::is_cleared_line(record_line->text()))) {
    refuse(doing, "计算书“" + path + "”中没有管段记录");
  }
  if (!record) refuse(doing, "记录文件“" + journal_path + "”的最后一行不是完整的管段记录");
  ReportEnd report(files_, path, codec_);
  report.pass_viewing_blocks();
  const FileLine* segment_line = report.next_line();
  if (segment_line == nullptr || report.next_text() != without_trailing_blanks(record->line)) {
    refuse(doing, "计算书“" + path + "”的最后一个管段与记录文件中的不符，计算书可能已被另行修改");
  }
  return {.record = std::move(*record),
          .record_line = std::move(*record_line),
          .segment_line = *segment_line,
          .after = report.passed_bytes()};
}

// The report goes first: a report that another program holds open is the
// likelier refusal, and then nothing has changed. When the journal cannot
// follow, the report gets its line back.
void ModFile::take_out(const LastSegment& last) {
  const std::string path = report_path();
  const std::uintmax_t at = last.segment_line.offset;
  files_.cut(path, at);
  try {
    if (!last.after.empty()) files_.append(path, last.after);
    files_.cut(journal::path_for(path), last.record_line.offset);
  } catch (const Failure&) {
    try {
      files_.cut(path, at);
      files_.append(path, last.segment_line.bytes + last.after);
    } catch (const Failure&) {
      // The user hears of the first failure.
    }
    throw;
  }
}

}  // namespace aquamere
