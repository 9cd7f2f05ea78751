#include "program/chain_window.h"

#include "book/cell_texts.h"
#include "common/failure.h"
#include "common/numtext.h"
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

std::string row_of(const std::vector<std::string>& cells) {
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
  try {
    const Replayed same = chain::replay(chain, {}, asks);
    if (const auto where = chain::not_reproduced(chain, same)) refuse(p, doing, *where);
    Revision with_blocks = revision;
    with_blocks.carried = same.carried;
    revised = chain::replay(chain, with_blocks, asks);
  } catch (const Failure& failure) {
    refuse(p, doing, failure.what());
  }
  if (revised.cancelled) return;
  report_pair::replace(files, path, revised.report, revised.journal);
  resume_chain(p);
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

void show_row(Program& p, int row) {
  const std::vector<book::BookSegment> segments =
      book::read_segments(p.modfile().files(), p.modfile().report_path()).segments;
  Form& f = p.window(frmchain::name);
  if (row < 0 || static_cast<std::size_t>(row) >= segments.size() || !segments[row].record) return;
  const SegmentRecord& r = *segments[row].record;
  const Calculation* c = r.calculation ? &*r.calculation : nullptr;
  f.set_text(frmchain::t_Ng, c ? c->household_ng : "");
  f.set_text(frmchain::t_fz, c ? c->households : "");
  f.set_text(frmchain::txt_l, r.length);
  f.at(frmchain::chk_d).value = c && c->flush_valve ? 1 : 0;
  f.set_text(frmchain::lab_method, method_text(r));
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

std::vector<std::string> chain_rows(const std::vector<book::BookSegment>& segments) {
  std::vector<std::string> rows;
  rows.reserve(segments.size());
  for (const book::BookSegment& s : segments) {
    const auto& f = s.fields.fields;
    const SegmentRecord* r = s.record ? &*s.record : nullptr;
    const Calculation* c = r && r->calculation ? &*r->calculation : nullptr;
    const std::string material = c ? c->material : r && r->before ? r->before->material : "";
    rows.push_back(row_of({r && starts_afresh(*r) ? "※" : "", f[book::FieldLabel],
                           c   ? c->households + "×" + c->household_ng
                           : r ? "重复"
                               : "",
                           f[book::FieldSumNg], f[book::FieldFlow], f[book::FieldSize],
                           f[book::FieldVelocity], f[book::FieldFriction], f[book::FieldLength],
                           r ? four_decimal_text(r->loss) : "", material}));
  }
  return rows;
}

std::string chain_head() {
  std::vector<std::string> heads;
  for (const Column& column : columns) heads.emplace_back(column.head);
  return row_of(heads);
}

void fill_chain(Program& p) {
  FilePort& files = p.modfile().files();
  const std::string path = p.modfile().report_path();
  std::vector<std::string> rows;
  if (files.size(path)) rows = chain_rows(book::read_segments(files, path).segments);
  Control& list = p.window(frmchain::name).at(frmchain::lstchain);
  if (list.selected >= static_cast<int>(rows.size())) list.selected = -1;
  list.items.assign(std::move(rows));
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
    revise(p, "全部重算",
           {.in_force = chain::InForce{.q0 = main.text(frmmain::t_q0),
                                       .m = main.text(frmmain::t_m),
                                       .kh = main.text(frmmain::t_kh),
                                       .t = main.text(frmmain::t_t),
                                       .material = p.frmmain().material_in_force(),
                                       .local_loss_coefficient = p.modfile().local_loss_coefficient()}});
  } else if (event.control == frmchain::cmdrevert) {
    revert(p);
  } else {
    return;
  }
  fill_chain(p);
}

}  // namespace aquamere
