#include "book/segments.h"

#include <deque>
#include <unordered_map>

#include "report/journal.h"
#include "report/report_codec.h"

namespace aquamere::book {
namespace {

constexpr std::string_view coefficient_lead = "局部阻力水头损失系数为";

// The percentage of a summary's third line, "局部阻力水头损失系数为25%，…".
std::optional<std::string> summary_percent(std::string_view line) {
  if (!line.starts_with(coefficient_lead)) return std::nullopt;
  line.remove_prefix(coefficient_lead.size());
  const std::size_t end = line.find('%');
  if (end == std::string_view::npos) return std::nullopt;
  return std::string(line.substr(0, end));
}

// The records by line text, each text's records in journal order.
class RecordsByLine {
 public:
  explicit RecordsByLine(std::vector<SegmentRecord> records) : records_(std::move(records)) {
    for (std::size_t i = 0; i < records_.size(); ++i) positions_[records_[i].line].push_back(i);
  }
  // The first record after the last one taken that holds exactly the line.
  std::optional<SegmentRecord> take(const std::string& line) {
    const auto found = positions_.find(line);
    if (found == positions_.end()) return std::nullopt;
    std::deque<std::size_t>& positions = found->second;
    while (!positions.empty() && positions.front() < next_) positions.pop_front();
    if (positions.empty()) return std::nullopt;
    next_ = positions.front() + 1;
    positions.pop_front();
    return std::move(records_[next_ - 1]);
  }

 private:
  std::vector<SegmentRecord> records_;
  std::unordered_map<std::string, std::deque<std::size_t>> positions_;
  std::size_t next_ = 0;
};

}  // namespace

bool is_segment_line(std::string_view line) {
  return line.size() > 1 && line[0] == ' ' && line[1] >= '0' && line[1] <= '9';
}

ReportSegments read_segments(FilePort& files, const std::string& report_path) {
  RecordsByLine records(journal::read(files, report_path));
  ReportCodec codec;
  ReportSegments report;
  files.read_lines(report_path, [&](std::string_view bytes) {
    std::string line = codec.decode(bytes);
    if (is_segment_line(line)) {
      std::optional<SegmentRecord> record = records.take(line);
      report.segments.push_back({std::move(line), std::move(record)});
      report.summary_percent.reset();
    } else if (std::optional<std::string> percent = summary_percent(line)) {
      report.summary_percent = std::move(percent);
    }
  });
  return report;
}

}  // namespace aquamere::book
