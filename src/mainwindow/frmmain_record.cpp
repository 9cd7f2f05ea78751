// The record of a segment for the journal beside the report: the inputs as
// the boxes hold them, the texts shown, and the unrounded numbers noted on
// the way.
#include <algorithm>

#include "hydraulics/materials.h"
#include "hydraulics/pipe_sizing.h"
#include "mainwindow/frmmain.h"

namespace aquamere {
namespace {

// The material whose table is in force; the table holds no name of its own.
std::string material_name(const std::array<double, size_count>& inner, float coef_i) {
  for (const Material& material : materials) {
    bool same = material.coef_i == coef_i;
    for (std::size_t k = 0; k + 1 < size_count; ++k) same = same && material.inner[k] == inner[k];
    if (same) return std::string(material.name);
  }
  return {};
}

// The labels whose captions the program changes: the segment counter (its
// label follows it), the flow the lists were filled for, and the name of
// the table in force.
constexpr std::string_view changing_labels[] = {frmmain::lab_3, frmmain::lbqg, frmmain::Label5};
constexpr std::pair<const char*, Value MainVars::*> segment_variables[] = {
    {"Ng", &MainVars::Ng},       {"Qg", &MainVars::Qg},   {"ac", &MainVars::ac},   {"U", &MainVars::U},
    {"zg1", &MainVars::zg1},     {"zg2", &MainVars::zg2}, {"ng1", &MainVars::ng1}, {"ng3", &MainVars::ng3},
    {"de_de", &MainVars::de_de}, {"v_v", &MainVars::v_v}, {"i_i", &MainVars::i_i}};
// With the report's three that it adds.
constexpr std::size_t kept_values = std::size(segment_variables) + 3;

bool changes_caption(const Control& c) {
  return c.kind == Kind::Label && std::ranges::find(changing_labels, c.name) != std::end(changing_labels);
}

}  // namespace

WindowBefore FrmMain::window_before() const {
  const Form& f = form();
  WindowBefore before;
  before.texts.reserve(f.controls.size());
  std::vector<const Control*> lists;
  for (const Control& c : f.controls) {
    if (c.kind == Kind::TextBox || changes_caption(c)) before.texts.emplace_back(c.name, c.text);
    if (c.kind == Kind::TextBox && c.align != Align::Left) before.alignments.emplace_back(c.name, c.align);
    if (c.kind == Kind::CheckBox && c.value != 0) before.checks.emplace_back(c.name, c.value);
    if (c.kind == Kind::ListBox) lists.push_back(&c);
  }
  if (listing_ && std::ranges::equal(lists, listing_->lists, [](const Control* c, const ListItems& listed) {
        return c->items.same_lines(listed);
      })) {
    before.listed = {.flow = listing_->flow, .material = listing_->material};
  } else {
    for (const Control* c : lists) before.lists.emplace_back(c->name, c->items);
  }
  before.values.reserve(kept_values);
  for (const auto& [name, variable] : segment_variables) before.values.emplace_back(name, vars().*variable);
  before.material = material_in_force();
  return before;
}

// Puts the window back as it was; the sum Σ(Ng·Uo/100) is a four-decimal
// number again.
void FrmMain::put_back(const WindowBefore& before) {
  Form& f = form();
  for (Control& c : f.controls) {
    if (c.kind == Kind::TextBox || changes_caption(c)) c.text.clear();
    if (c.kind == Kind::TextBox) c.align = Align::Left;
    if (c.kind == Kind::CheckBox) c.value = 0;
  }
  for (const auto& [name, text] : before.texts) put_back_text(name, text);
  for (const auto& [name, align] : before.alignments) {
    if (Control* c = f.find(name); c != nullptr && c->kind == Kind::TextBox) c->align = align;
  }
  for (const auto& [name, value] : before.checks) {
    if (Control* c = f.find(name); c != nullptr && c->kind == Kind::CheckBox) c->value = value;
  }
  show_counter(f.text(frmmain::lab_3));
  if (before.listed) {
    list_again(*before.listed);
  } else {
    for (Control& c : f.controls) {
      if (c.kind == Kind::ListBox) c.items = before.list(c.name);
    }
    listing_.reset();
  }
  for (const auto& [name, variable] : segment_variables) vars().*variable = before.value(name);
  if (!vars().ng3.is_text() && !vars().ng3.is_empty()) vars().ng3 = Fixed4::from(vars().ng3.number(""));
  put_material_in_force(before.material);
  modfile_.put_back(before);
}

// Only into a box or a label the program writes: a record edited outside
// reaches nothing else.
void FrmMain::put_back_text(const std::string& name, const std::string& text) {
  Control* c = form().find(name);
  if (c != nullptr && (c->kind == Kind::TextBox || changes_caption(*c))) c->text = text;
}

void FrmMain::begin_segment(SegmentRecord::Command command, Calculation::Method method) {
  notes_ = {.command = command,
            .method = method,
            .sum_ng_before = vars().zg2,
            .sum_shares_before = vars().ng3,
            .before = batch_before_ ? std::move(*batch_before_) : window_before()};
  batch_before_.reset();
}

std::string FrmMain::material_in_force() const {
  std::array<double, size_count> inner{};
  for (std::size_t k = 0; k < size_count; ++k) inner[k] = vars().de[k].number(diameter_quantity);
  return material_name(inner, coef_i_);
}

Calculation FrmMain::calculation() const {
  const Form& f = form();
  const bool probability = notes_.method == Calculation::Method::Probability;
  Calculation c{.method = notes_.method,
                .household_ng = f.text(frmmain::t_Ng),
                .households = f.text(frmmain::t_fz),
                .group_ng = f.text(frmmain::t_ngz),
                .sum_ng_before = notes_.sum_ng_before,
                .sum_shares_before = notes_.sum_shares_before,
                .sum_ng = f.text(frmmain::t_nguo),
                .flush_valve = f.value(frmmain::chk_d) == 1,
                .flow = notes_.flow,
                .flow_text = f.text(frmmain::t_qg),
                .coef_i = static_cast<double>(coef_i_),
                .size = vars().de_de.text(),
                .velocity = vars().v_v.text(),
                .friction = vars().i_i.text()};
  if (probability) {
    c.q0 = f.text(frmmain::t_q0);
    c.m = f.text(frmmain::t_m);
    c.kh = f.text(frmmain::t_kh);
    c.t = f.text(frmmain::t_t);
    c.uo = notes_.uo;
    c.uo_text = f.text(frmmain::t_Uo);
    c.alpha_c = f.text(frmmain::t_ac);
    c.alpha_c_typed = notes_.alpha_c_typed;
    c.share = notes_.share;
    c.sum_shares = f.text(frmmain::txtnguo);
    c.mean_uo = notes_.mean_uo;
    c.mean_uo_text = f.text(frmmain::txtsave);
    c.mean_alpha_c = f.text(frmmain::t_ac2);
    c.u = notes_.u;
  } else {
    c.k = f.text(frmmain::t_ky);
    c.alpha = f.text(frmmain::t_ay);
  }
  for (std::size_t k = 0; k < size_count; ++k) c.inner[k] = vars().de[k].number(diameter_quantity);
  c.material = material_name(c.inner, coef_i_);
  return c;
}

}  // namespace aquamere
