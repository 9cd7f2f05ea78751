#include "program/chain_replay.h"

#include <algorithm>

#include "common/convert.h"
#include "common/failure.h"
#include "common/numtext.h"
#include "files/large_buffer.h"
#include "files/line_splitter.h"
#include "files/memory_disk.h"
#include "hydraulics/materials.h"
#include "journal/journal.h"
#include "mainwindow/frmmain_names.h"
#include "program/program.h"
#include "report/frmlookover_names.h"
#include "report/report_codec.h"
#include "settings/frmset_names.h"

namespace aquamere::chain {
namespace {

using book::Pairing;
using Command = SegmentRecord::Command;

// The file's lines, each with its line end.
std::vector<std::string_view> lines_of(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find('\n'), bytes.size() - 1);
    lines.push_back(bytes.substr(0, end + 1));
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

// The boxes of the main window that a designer types a segment's inputs
// into, in the order they are typed.
constexpr std::string_view input_boxes[] = {frmmain::t_q0,  frmmain::t_m,   frmmain::t_kh, frmmain::t_t,
                                            frmmain::t_ky,  frmmain::t_ay,  frmmain::t_Ng, frmmain::t_fz,
                                            frmmain::t_ngz, frmmain::txt_l, frmmain::t_fs};

// The boxes a program calculating the chain again would show: each αc that
// a record holds is answered from it while the segment's Uo is the one it
// was typed for; any other is asked of the designer, naming the segment.
// What would have been told is kept, segment by segment.
class ReplayDialogs final : public DialogPort {
 public:
  explicit ReplayDialogs(DialogPort& asks) : asks_(asks) {}

  void begin(const SegmentRecord& record, Program& program) {
    record_ = &record;
    program_ = &program;
    told.clear();
  }
  void message(std::string_view, std::string_view text, bool) override { told.emplace_back(text); }
  std::string input(std::string_view title, std::string_view prompt) override {
    const std::optional<Calculation>& c = record_->calculation;
    if (c && c->alpha_c_typed && program_->window(frmmain::name).text(frmmain::t_Uo) == c->uo_text)
      return c->alpha_c;
    std::string answer = asks_.input(title, "管段" + record_->label + "：" + std::string(prompt));
    if (answer.empty()) cancelled = true;
    return answer;
  }
  std::string save_path(std::string_view, std::string_view) override { return {}; }
  std::string open_path(std::string_view, std::string_view) override { return {}; }

  std::vector<std::string> told;
  bool cancelled = false;

 private:
  DialogPort& asks_;
  const SegmentRecord* record_ = nullptr;
  Program* program_ = nullptr;
};

// Another material comes into force as 设置参数 puts it there, its table
// named above the lists.
void use_material(Program& p, const std::string& name) {
  if (name == p.frmmain().material_in_force()) return;
  for (const Material& material : materials) {
    if (material.name == name) p.window(frmset::name).select_option(material.option);
  }
  p.frmmain().set_dj();
}

void set_check(Program& p, std::string_view box, int value) {
  if (p.window(frmmain::name).value(box) != value) p.click(frmmain::name, box);
}

// A batch's first segment: the batch's reset has set the counter back.
bool starts_batch(const SegmentRecord& r) { return r.command == Command::Batch && r.label == "1-2"; }

// The segment's own command, as the designer gave it: a batch's first
// segment starts with the batch's reset of the sums.
void calculate_as_recorded(FrmMain& main, const SegmentRecord& r) {
  switch (r.command) {
    case Command::Calculate:
      main.cmdjsmll_click();
      break;
    case Command::Batch:
      if (starts_batch(r)) main.start_batch();
      main.sj_qg();
      break;
    case Command::Repeat:
      main.repeat_segment();
      break;
  }
}

// The segment calculated again as the designer typed it: from the state the
// segment before it left, except where the recorded chain started afresh
// (the first segment, a restart without taking the chain up) or had its
// sums reset (清空数据); with the inputs, material and local-loss
// coefficient it was calculated with, but for the revision's.
void calculate_again(Program& p, const SegmentRecord& r, std::size_t row, const Revision& revision) {
  const WindowBefore& before = *r.before;
  // A batch resets the sums itself; the window before it shows whether
  // they had been reset before that.
  const bool reset =
      starts_batch(r) ? is_reset_sum(before.value("zg2")) : r.calculation && r.calculation->sums_reset();
  if (row == 0 || r.running_before.is_empty()) {
    p.frmmain().put_back(before);
  } else if (reset) {
    p.click(frmmain::name, frmmain::mnuclear);
  }
  const bool revised = revision.row == row;
  const std::optional<InForce>& in_force = revision.in_force;
  p.window(frmset::name)
      .set_text(frmset::txt_h, in_force ? in_force->local_loss_coefficient : r.local_loss_coefficient);
  use_material(p, in_force ? in_force->material : before.material);
  set_check(p, frmmain::chk_j, before.check(frmmain::chk_j));
  set_check(p, frmmain::chk_d,
            revised ? static_cast<int>(revision.inputs.flush_valve) : before.check(frmmain::chk_d));
  for (const std::string_view box : input_boxes) {
    std::string text = before.text(box);
    if (in_force && r.calculation && r.calculation->method == Calculation::Method::Probability) {
      if (box == frmmain::t_q0) text = in_force->q0;
      if (box == frmmain::t_m) text = in_force->m;
      if (box == frmmain::t_kh) text = in_force->kh;
      if (box == frmmain::t_t) text = in_force->t;
    }
    if (revised && box == frmmain::txt_l) text = revision.inputs.length;
    if (revised && r.command != Command::Repeat && box == frmmain::t_Ng) text = revision.inputs.household_ng;
    if (revised && r.command != Command::Repeat && box == frmmain::t_fz) text = revision.inputs.households;
    // The group follows the revised household count and equivalents.
    if (revised && r.command != Command::Repeat && box == frmmain::t_ngz) continue;
    p.type(frmmain::name, box, std::move(text));
  }
  // A dwelling class confirmed in 设置参数 between two segments empties
  // the results shown last; the record before the next one shows it.
  for (const std::string_view result : {frmmain::t_qg, frmmain::t_ac, frmmain::t_Uo}) {
    if (before.text(result).empty()) p.window(frmmain::name).set_text(result, "");
  }
  if (r.command == Command::Repeat) {
    p.double_click(frmmain::name, "");
  } else if (r.command == Command::Batch) {
    // A batch's segment is no event of its own: it is calculated as the
    // batch calculated it, and undone alone where it fails, as there.
    p.attempt([&] { calculate_as_recorded(p.frmmain(), r); });
  } else {
    p.click(frmmain::name, frmmain::cmdjsmll);
  }
}

// The local-loss coefficient, in percent, that the summary of a viewing
// states: "局部阻力水头损失系数为25%，…".
std::optional<std::string> summary_percent(std::string_view block) {
  ReportCodec codec;
  constexpr std::string_view lead = "局部阻力水头损失系数为";
  for (const std::string_view line : lines_of(block)) {
    const std::string text = codec.decode(line);
    if (!text.starts_with(lead)) continue;
    const std::size_t end = text.find('%');
    if (end != std::string::npos) return text.substr(lead.size(), end - lead.size());
  }
  return std::nullopt;
}

void view_report(Program& p) {
  p.click(frmmain::name, frmmain::mnulook);
  p.close(frmlookover::name);
}

// Two records of one segment: the result lists before it may be kept as
// their lines or as the flow they were listed for, the same lists either way.
bool same_record(std::string_view a, std::string_view b) {
  std::optional<SegmentRecord> one = journal::record_in(a), other = journal::record_in(b);
  for (std::optional<SegmentRecord>* r : {&one, &other}) {
    if (*r && (*r)->before) {
      (*r)->before->lists.clear();
      (*r)->before->listed.reset();
    }
  }
  return one == other;
}

std::string no_window(const std::string& label) {
  return "管段" + label + "的记录中没有重新计算它所需的窗口状态";
}
std::string report_not_reproduced(std::size_t line) {
  return "计算书第" + std::to_string(line) + "行不能由记录文件重现，可能是另行输入的";
}
std::string journal_not_reproduced(std::size_t line) {
  return "记录文件第" + std::to_string(line) + "行与重现的记录不符";
}

// A program that calculates the chain again in memory beside the
// designer's, and the report and the journal it writes.
struct Run {
  Run(const Chain& chain, DialogPort& asks)
      : dialogs(asks),
        program(dialogs, disk),
        report(disk.files[chain.report_path]),
        journal(disk.files[journal::path_for(chain.report_path)]) {
    program.window(frmset::name).set_text(frmset::txtfile, chain.report_path);
    report = chain.blocks.front();
  }
  Run(const Run&) = delete;
  Run& operator=(const Run&) = delete;

  MemoryDisk disk;
  ReplayDialogs dialogs;
  Program program;
  std::string& report;
  std::string& journal;
  // What the program told on the way, each with the segment it came at.
  std::vector<std::string> notices;
};

// Calculates the record's segment again in the run; false when the
// designer cancelled an αc asked for. Throws Failure naming the segment
// where it is refused or fails.
bool calculate(Run& run, const SegmentRecord& record, std::size_t row, const Revision& revision) {
  run.dialogs.begin(record, run.program);
  const std::size_t written = run.journal.size();
  calculate_again(run.program, record, row, revision);
  if (run.dialogs.cancelled) return false;
  if (run.journal.size() == written) {
    std::string why = run.dialogs.told.empty() ? std::string("计算未能完成") : run.dialogs.told.back();
    while (why.ends_with("。")) why.resize(why.size() - std::string_view("。").size());
    throw Failure("管段" + record.label + "：" + why);
  }
  for (const std::string& told : run.dialogs.told) run.notices.push_back(record.label + "：" + told);
  return true;
}

// The local-loss coefficient a viewing takes: the one its summary states.
void view_with(Run& run, const std::string& block) {
  const std::optional<std::string> percent = summary_percent(block);
  if (const std::optional<double> number = percent ? strict_number(*percent) : std::nullopt)
    run.program.window(frmset::name).set_text(frmset::txt_h, number_text(*number / 100));
  view_report(run.program);
}

// A block of lines before a segment line, or after the last, in the chain
// as it was: where the designer viewed the report, viewing it again gives
// the block; where that does not (a summary an undo left behind, a remark
// typed in an editor), the block stands as it is. Whether it does is the
// answer.
bool view_or_carry(Run& run, const std::string& block) {
  if (block.empty()) return false;
  const ProgramState state = run.program.state();
  const std::size_t at = run.report.size();
  view_with(run, block);
  if (run.report.compare(at, std::string::npos, block) == 0) return false;
  run.program.state() = state;
  run.report.resize(at);
  run.report += block;
  return true;
}

// The same block in the revised chain: viewed again where the chain as it
// was viewed it, its summary's totals as the revised chain gives them
// there, with the local-loss coefficient the revision puts in force.
void view_unless_carried(Run& run, const std::string& block, bool carried, const Revision& revision) {
  if (block.empty()) return;
  if (carried) {
    run.report += block;
  } else if (revision.in_force) {
    run.program.window(frmset::name).set_text(frmset::txt_h, revision.in_force->local_loss_coefficient);
    view_report(run.program);
  } else {
    view_with(run, block);
  }
}

}  // namespace

std::string whole_file(FilePort& files, const std::string& path) {
  const std::optional<std::uintmax_t> size = files.size(path);
  if (!size) return {};
  std::optional<FileTail> tail = files.read_tail(path, *size);
  return tail ? std::move(tail->bytes) : std::string();
}

Chain read_chain(FilePort& files, const std::string& report_path) {
  Chain c{.report_path = report_path,
          .report = whole_file(files, report_path),
          .journal = whole_file(files, journal::path_for(report_path))};
  if (!files.size(report_path)) return c;
  // What pairing the report's lines takes of each record since the last
  // clearing, and where its line stands in the journal.
  struct Kept {
    std::string label, line;
    bool windowed = false;
    std::size_t at = 0, size = 0, number = 0;
  };
  std::vector<Kept> kept;
  // A segment's record takes a kilobyte or more of its line.
  reserve_large(kept, c.journal.size() / 1024);
  journal::LineReader reader(journal::WindowsBefore::Skipped);
  std::size_t at = 0, number = 0;
  for (const std::string_view line : lines_of(c.journal)) {
    ++number;
    journal::LineRead read = reader.read(without_line_end(line));
    if (read.cleared) {
      kept.clear();
      c.journal_lead = at + line.size();
      c.stray_record_line.reset();
    } else if (SegmentRecord* r = read.record ? &*read.record : nullptr) {
      kept.push_back({.label = std::move(r->label),
                      .line = std::move(r->line),
                      .windowed = r->before.has_value() || read.window_skipped,
                      .at = at,
                      .size = line.size(),
                      .number = number});
    } else if (!c.stray_record_line) {
      c.stray_record_line = number;
    }
    at += line.size();
  }
  std::vector<book::RecordLine> record_lines;
  record_lines.reserve(kept.size());
  for (const Kept& k : kept) record_lines.push_back({k.line, k.label});
  const book::ReportLines paired = book::pair_lines(files, report_path, record_lines);

  // The segment lines where they stand, and the blocks between them.
  struct Place {
    std::size_t at, size, number;
  };
  std::vector<Place> places;
  reserve_large(places, paired.lines.size());
  c.blocks.emplace_back();
  at = 0;
  number = 0;
  for (const std::string_view line : lines_of(c.report)) {
    ++number;
    if (book::is_segment_line(line)) {
      places.push_back({at, line.size(), number});
      c.blocks.emplace_back();
    } else {
      c.blocks.back() += line;
    }
    at += line.size();
  }
  // A line the pairing split at a carriage return alone has no place of
  // its own: it stands at the report's end, where nothing reproduces it.
  const Place beyond{c.report.size(), 0, number + 1};
  std::size_t next_place = 0;
  reserve_large(c.segments, paired.lines.size());
  for (const book::PairedLine& l : paired.lines) {
    ChainSegment s{.label = l.fields.fields[book::FieldLabel], .pairing = l.pairing};
    if (l.record) {
      const Kept& k = kept[*l.record];
      s.label = k.label;
      s.windowed = k.windowed;
      s.record_at = k.at;
      s.record_size = k.size;
      s.record_number = k.number;
    }
    if (l.pairing != Pairing::NoLine) {
      const Place& place = next_place < places.size() ? places[next_place++] : beyond;
      s.line_at = place.at;
      s.line_size = place.size;
      s.line_number = place.number;
    }
    c.segments.push_back(std::move(s));
  }
  return c;
}

std::optional<std::string> not_replayable(const Chain& chain) {
  if (chain.journal.empty()) return "计算书“" + chain.report_path + "”没有记录文件";
  if (chain.segments.empty()) return "计算书“" + chain.report_path + "”中没有管段";
  for (const ChainSegment& s : chain.segments) {
    switch (s.pairing) {
      case Pairing::Same:
        break;
      case Pairing::NoRecord:
        return "计算书中管段" + s.label + "的一行在记录文件中没有记录";
      case Pairing::NoLine:
        return "记录文件中管段" + s.label + "的记录在计算书中已没有对应的一行";
      case Pairing::Differs:
        return "计算书中管段" + s.label + "的一行已不是其记录中的数字，计算书可能已被另行修改";
      case Pairing::Annotated:
        return "计算书中管段" + s.label + "的一行后有另行输入的文字";
    }
    if (!s.windowed) return no_window(s.label);
  }
  return std::nullopt;
}

Replayed replay(const Chain& chain, const Revision& revision, DialogPort& asks,
                const std::function<void(const SegmentRecord&)>& written) {
  if (chain.stray_record_line) throw Failure(journal_not_reproduced(*chain.stray_record_line));
  // The chain as it was, calculated again beside the revised one to check
  // that its journal reproduces it; the result where nothing is revised.
  Run same(chain, asks);
  std::optional<Run> revised;
  if (revision.revises()) revised.emplace(chain, asks);
  Run& result = revised ? *revised : same;
  if (written) result.program.modfile().watch_records(written);
  // The chain calculated again is about as long as the chain: its files
  // are not copied again as they grow.
  const auto about = [](const std::string& bytes) { return bytes.size() + bytes.size() / 8; };
  reserve_large(same.report, about(chain.report));
  if (revised) reserve_large(revised->report, about(chain.report));
  reserve_large(result.journal, about(chain.journal));
  result.journal.assign(chain.journal, 0, chain.journal_lead);
  const auto block = [&](std::size_t k) {
    const bool carried = view_or_carry(same, chain.blocks[k]);
    if (revised) view_unless_carried(*revised, chain.blocks[k], carried, revision);
  };
  const std::string_view report = chain.report, journal = chain.journal;
  journal::LineReader reader(journal::WindowsBefore::Read);
  for (std::size_t row = 0; row < chain.segments.size(); ++row) {
    const ChainSegment& s = chain.segments[row];
    if (row > 0) block(row);
    const std::string_view recorded = journal.substr(s.record_at, s.record_size);
    const std::optional<SegmentRecord> record = reader.read(without_line_end(recorded)).record;
    if (!record || !record->before) throw Failure(no_window(s.label));
    const std::size_t line_at = same.report.size(), record_at = same.journal.size();
    if (!calculate(same, *record, row, {})) return {.cancelled = true};
    if (std::string_view(same.report).substr(line_at) != report.substr(s.line_at, s.line_size))
      throw Failure(report_not_reproduced(s.line_number));
    const std::string_view again = std::string_view(same.journal).substr(record_at);
    if (again != recorded && !same_record(again, recorded))
      throw Failure(journal_not_reproduced(s.record_number));
    if (!revised) continue;
    // Only the revised chain's journal is kept.
    same.journal.clear();
    if (!calculate(*revised, *record, row, revision)) return {.cancelled = true};
  }
  block(chain.blocks.size() - 1);
  return {.report = std::move(result.report),
          .journal = std::move(result.journal),
          .notices = std::move(result.notices)};
}

std::optional<std::string> not_reproduced(const Chain& chain, const Replayed& same) {
  const auto report = lines_of(chain.report), again = lines_of(same.report);
  for (std::size_t k = 0; k < std::max(report.size(), again.size()); ++k) {
    if (k >= report.size() || k >= again.size() || report[k] != again[k]) return report_not_reproduced(k + 1);
  }
  const auto journal = lines_of(chain.journal), written = lines_of(same.journal);
  for (std::size_t k = 0; k < std::max(journal.size(), written.size()); ++k) {
    if (k < journal.size() && k < written.size() &&
        (journal[k] == written[k] || same_record(journal[k], written[k])))
      continue;
    return journal_not_reproduced(k + 1);
  }
  return std::nullopt;
}

bool take_up(Program& p, const SegmentRecord& last) {
  MemoryDisk disk;
  ScriptedDialogs none;
  ReplayDialogs dialogs(none);
  Program scratch(dialogs, disk);
  dialogs.begin(last, scratch);
  scratch.state() = p.state();
  scratch.frmmain().put_back(*last.before);
  if (!scratch.attempt([&] { calculate_as_recorded(scratch.frmmain(), last); })) return false;
  std::string_view line = disk.files[scratch.modfile().report_path()];
  if (!line.ends_with("\r\n")) return false;
  line.remove_suffix(2);
  if (ReportCodec().decode(line) != last.line) return false;
  p.state() = std::move(scratch.state());
  p.frmmain().carry_on_from(scratch.frmmain());
  return true;
}

}  // namespace aquamere::chain
