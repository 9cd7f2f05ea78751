#include "program/chain_window.h"

#include <span>
#include <string_view>

#include "book/cell_texts.h"
#include "common/failure.h"
#include "common/numtext.h"
#include "files/large_buffer.h"
#include "journal/journal.h"
#include "mainwindow/frmchain_names.h"
#include "mainwindow/frmmain_names.h"
#include "program/chain_replay.h"
#include "program/program.h"
#include "program/resume.h"
#include "report/report_pair.h"

namespace aquamere {
namespace {

using chain::Chain;
using chain::Replayed;
using chain::Revision;

// The columns of the table and their widths in the list's fixed pitch, a
// Chinese character counting two.
struct Column {
  std::string_view head;
  std::size_t width;
};
constexpr Column columns[] = {{"", 3},     {"管段", 8}, {"户数×户当量", 14}, {"∑Ng", 10}, {"设计秒流量", 11},
                              {"管径", 7}, {"流速", 8}, {"1000i", 9},        {"管长", 8}, {"水损", 10},
                              {"管材", 0}};

std::string row_of(std::span<const std::string_view> cells) {
  std::string row;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    row += cells[k];
    const std::size_t width = book::display_width(cells[k]);
    if (columns[k].width > width) row.append(columns[k].width - width, ' ');
    if (columns[k].width <= width && columns[k].width > 0) row += ' ';
  }
  while (row.ends_with(' ')) row.pop_back();
  return row;
}

bool starts_afresh(const SegmentRecord& r) {
  return r.running_before.is_empty() || (r.calculation && r.calculation->sums_reset());
}

std::string method_text(const SegmentRecord& r) {
  if (!r.calculation) return "重复管段：只可修改管长";
  const Calculation& c = *r.calculation;
  if (c.method == Calculation::Method::Coefficient)
    return "系数法，k " + c.k + "，α " + c.alpha + "，" + c.material;
  return "概率法，q0 " + c.q0 + "，m " + c.m + "，Kh " + c.kh + "，T " + c.t + "，" + c.material;
}

// A window's question and messages reach the designer through the program.
class ProgramAsks final : public DialogPort {
 public:
  explicit ProgramAsks(Program& program) : program_(program) {}
  void message(std::string_view, std::string_view text, bool) override { program_.message(text); }
  std::string input(std::string_view, std::string_view prompt) override { return program_.input(prompt); }
  std::string save_path(std::string_view, std::string_view) override { return {}; }
  std::string open_path(std::string_view, std::string_view) override { return {}; }

 private:
  Program& program_;
};

[[noreturn]] void refuse(Program& p, std::string_view doing, std::string_view why) {
  p.message("无法" + std::string(doing) + "：" + std::string(why) + "。");
  throw Refusal();
}

// The report and its journal as they stand: by path, identity, size and
// last bytes, which the next segment, an undo, a revision or a file put in
// their place changes.
std::string source_of(FilePort& files, const std::string& path) {
  constexpr std::uintmax_t last_bytes = 512;
  std::string source = path;
  for (const std::string& file : {path, journal::path_for(path)}) {
    const std::optional<FileIdentity> identity = files.identity(file);
    const std::optional<FileTail> tail = files.read_tail(file, last_bytes);
    source.append("\n");
    if (identity)
      source.append(std::to_string(identity->volume)).append(":").append(std::to_string(identity->file));
    source.append("\n");
    if (tail) {
      source.append(std::to_string(tail->size)).append("\n").append(tail->bytes);
    } else {
      source.append("-");
    }
  }
  return source;
}

// What a row shows of its record, and the record's own inputs for when the
// row is chosen: all that the table keeps of a long journal.
struct RowRecord {
  std::string label, line;  // as the pairing with the report's lines needs them
  bool afresh = false;
  std::string group, loss, material;
  ChainRowInputs inputs;
};

RowRecord row_record(const SegmentRecord& r) {
  const Calculation* c = r.calculation ? &*r.calculation : nullptr;
  return {.label = r.label,
          .line = r.line,
          .afresh = starts_afresh(r),
          .group = c ? c->households + "×" + c->household_ng : "重复",
          .loss = four_decimal_text(r.loss),
          .material = c          ? c->material
                      : r.before ? r.before->material
                                 : "",
          .inputs = {.household_ng = c ? c->household_ng : "",
                     .households = c ? c->households : "",
                     .length = r.length,
                     .method = method_text(r),
                     .flush_valve = c && c->flush_valve}};
}

// The journal's records as the table keeps them; none where it cannot be
// read, the rows then standing without them as in the calculation book.
std::vector<RowRecord> row_records(FilePort& files, const std::string& path) {
  try {
    return journal::read_as(files, path, journal::WindowsBefore::Skipped,
                            [](SegmentRecord&& r) { return row_record(r); });
  } catch (const Failure&) {
    return {};
  }
}

std::string table_row(const book::LineFields& fields, const RowRecord* r) {
  const auto& f = fields.fields;
  const std::string_view none;
  const std::string_view cells[] = {r && r->afresh ? "※" : none, f[book::FieldLabel],    r ? r->group : none,
                                    f[book::FieldSumNg],         f[book::FieldFlow],     f[book::FieldSize],
                                    f[book::FieldVelocity],      f[book::FieldFriction], f[book::FieldLength],
                                    r ? r->loss : none,          r ? r->material : none};
  return row_of(cells);
}

// The table's rows and their inputs, and what they were made from.
void show_rows(Program& p, std::string source, std::vector<std::string> rows,
               std::vector<std::optional<ChainRowInputs>> inputs) {
  ChainTable& table = p.chain_table();
  table.source = std::move(source);
  table.inputs = std::move(inputs);
  Control& list = p.window(frmchain::name).at(frmchain::lstchain);
  if (list.selected >= static_cast<int>(rows.size())) list.selected = -1;
  list.items.assign(std::move(rows));
}

// The revised chain's rows, as filling the table from the files it was
// written to gives them: every line is its record's.
void show_revised(Program& p, std::vector<RowRecord> records) {
  std::vector<std::string> rows;
  std::vector<std::optional<ChainRowInputs>> inputs;
  reserve_large(rows, records.size());
  reserve_large(inputs, records.size());
  for (RowRecord& r : records) {
    rows.push_back(table_row(book::fields_of(r.line), &r));
    inputs.emplace_back(std::move(r.inputs));
  }
  show_rows(p, source_of(p.modfile().files(), p.modfile().report_path()), std::move(rows), std::move(inputs));
}

// The chain calculated again with the revision takes the place of the
// report and its journal; the main window then stands as after the chain's
// last segment, as 继续计算 would show it.
void revise(Program& p, std::string_view doing, const Revision& revision) {
  FilePort& files = p.modfile().files();
  const std::string path = p.modfile().report_path();
  const Chain chain = chain::read_chain(files, path);
  if (const auto why = chain::not_replayable(chain)) refuse(p, doing, *why);
  ProgramAsks asks(p);
  Replayed revised;
  std::vector<RowRecord> rows;
  reserve_large(rows, chain.segments.size());
  try {
    revised =
        chain::replay(chain, revision, asks, [&](const SegmentRecord& r) { rows.push_back(row_record(r)); });
  } catch (const Failure& failure) {
    refuse(p, doing, failure.what());
  }
  if (revised.cancelled) return;
  report_pair::replace(files, path, revised.report, revised.journal);
  resume_chain(p);
  show_revised(p, std::move(rows));
  if (!revised.notices.empty()) {
    std::string told = "重新计算的管段中：";
    for (const std::string& notice : revised.notices) told += "\n" + notice;
    p.message(told);
  }
}

void revert(Program& p) {
  if (report_pair::revert(p.modfile().files(), p.modfile().report_path()) ==
      report_pair::Reverted::NothingKept) {
    p.message("没有可以回到的修改前的计算书。");
    return;
  }
  resume_chain(p);
}

// The row's inputs from what the table was filled from; the table is
// filled again first where the files have changed since.
void show_row(Program& p, int row) {
  const ChainTable& table = p.chain_table();
  if (table.source != source_of(p.modfile().files(), p.modfile().report_path())) fill_chain(p);
  if (row < 0 || static_cast<std::size_t>(row) >= table.inputs.size() || !table.inputs[row]) return;
  const ChainRowInputs& inputs = *table.inputs[row];
  Form& f = p.window(frmchain::name);
  f.set_text(frmchain::t_Ng, inputs.household_ng);
  f.set_text(frmchain::t_fz, inputs.households);
  f.set_text(frmchain::txt_l, inputs.length);
  f.at(frmchain::chk_d).value = inputs.flush_valve ? 1 : 0;
  f.set_text(frmchain::lab_method, inputs.method);
}

}  // namespace

Form frmchain_layout() {
  Form form{.name = std::string(frmchain::name), .caption = "管段表", .width = 10800, .height = 5700};
  const Font fixed{"新宋体", 9};
  auto& c = form.controls;
  c.push_back({.name = frmchain::lab_head,
               .kind = Kind::Label,
               .text = chain_head(),
               // In from the list's edge by its frame and its items' margin,
               // so that each head stands over its column.
               .rect = {135, 60, 10605, 240},
               .font = fixed});
  c.push_back({.name = frmchain::lstchain,
               .kind = Kind::ListBox,
               .rect = {60, 300, 10680, 4140},
               .tab = 0,
               .font = fixed});
  const auto label = [&](std::string_view name, const char* text, int left, int width) {
    c.push_back({.name = name, .kind = Kind::Label, .text = text, .rect = {left, 4590, width, 240}});
  };
  const auto box = [&](std::string_view name, std::string_view said, int left, int tab) {
    c.push_back(
        {.name = name, .kind = Kind::TextBox, .rect = {left, 4530, 900, 300}, .tab = tab, .label = said});
  };
  label(frmchain::Label1, "户当量", 60, 700);
  box(frmchain::t_Ng, "户当量:", 780, 1);
  label(frmchain::Label2, "户数", 1800, 500);
  box(frmchain::t_fz, "户数:", 2340, 2);
  label(frmchain::Label3, "管长", 3360, 500);
  box(frmchain::txt_l, "管长:", 3900, 3);
  c.push_back({.name = frmchain::chk_d,
               .kind = Kind::CheckBox,
               .text = "有延时自闭冲洗阀",
               .rect = {4980, 4550, 2160, 270},
               .tab = 4});
  c.push_back({.name = frmchain::lab_method, .kind = Kind::Label, .rect = {4980, 5130, 5760, 240}});
  const auto button = [&](std::string_view name, const char* text, int left, int tab) {
    c.push_back({.name = name,
                 .kind = Kind::CommandButton,
                 .text = text,
                 .rect = {left, 5040, 1500, 420},
                 .tab = tab});
  };
  button(frmchain::cmdapply, "重新计算", 60, 5);
  button(frmchain::cmdrerun, "全部重算", 1680, 6);
  button(frmchain::cmdrevert, "回到修改前", 3300, 7);
  return form;
}

std::string chain_head() {
  std::vector<std::string_view> heads;
  for (const Column& column : columns) heads.push_back(column.head);
  return row_of(heads);
}

void fill_chain(Program& p) {
  FilePort& files = p.modfile().files();
  const std::string path = p.modfile().report_path();
  ChainTable& table = p.chain_table();
  // Known only once the table has been filled from it.
  table.source.clear();
  table.inputs.clear();
  std::string source = source_of(files, path);
  std::vector<std::string> rows;
  std::vector<std::optional<ChainRowInputs>> inputs;
  if (files.size(path)) {
    std::vector<RowRecord> records = row_records(files, path);
    const book::ReportLines paired = book::pair_lines(files, path, book::record_lines(records));
    reserve_large(rows, paired.lines.size());
    reserve_large(inputs, paired.lines.size());
    for (const book::PairedLine& l : paired.lines) {
      RowRecord* r = l.record ? &records[*l.record] : nullptr;
      rows.push_back(table_row(l.fields, r));
      inputs.push_back(r ? std::optional(std::move(r->inputs)) : std::nullopt);
    }
  }
  show_rows(p, std::move(source), std::move(rows), std::move(inputs));
}

void handle_frmchain(Program& p, const Event& event) {
  Form& f = p.window(frmchain::name);
  if (event.type == Event::Type::Select && event.control == frmchain::lstchain) {
    show_row(p, f.at(frmchain::lstchain).selected);
    return;
  }
  if (event.type != Event::Type::Click) return;
  if (event.control == frmchain::cmdapply) {
    const int row = f.at(frmchain::lstchain).selected;
    if (row < 0) refuse(p, "重新计算", "请先在管段表中选择要修改的管段");
    revise(p, "重新计算",
           {.row = static_cast<std::size_t>(row),
            .inputs = {.household_ng = f.text(frmchain::t_Ng),
                       .households = f.text(frmchain::t_fz),
                       .length = f.text(frmchain::txt_l),
                       .flush_valve = f.value(frmchain::chk_d) == 1}});
  } else if (event.control == frmchain::cmdrerun) {
    const Form& main = p.window(frmmain::name);
    Revision rerun;
    rerun.in_force = chain::InForce{.q0 = main.text(frmmain::t_q0),
                                    .m = main.text(frmmain::t_m),
                                    .kh = main.text(frmmain::t_kh),
                                    .t = main.text(frmmain::t_t),
                                    .material = p.frmmain().material_in_force(),
                                    .local_loss_coefficient = p.modfile().local_loss_coefficient()};
    revise(p, "全部重算", rerun);
  } else if (event.control == frmchain::cmdrevert) {
    revert(p);
    fill_chain(p);
  }
}

}  // namespace aquamere
