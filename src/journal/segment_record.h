#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/form.h"
#include "common/list_items.h"
#include "common/value.h"

namespace aquamere {

// Whether a running ΣNg is as a reset leaves it: nothing, or an empty text.
inline bool is_reset_sum(const Value& sum_ng) { return sum_ng.is_empty() || sum_ng.equals_text(""); }

// How the program arrived at one segment's numbers, kept beside the report
// so that a calculation book can show every step of it: the inputs as their
// boxes held them, the texts the window showed, and the unrounded numbers
// the program computed on the way. A number that the command did not come
// to compute is left out.
struct Calculation {
  enum class Method { Probability, Coefficient };
  Method method = Method::Probability;

  // The household group added: 户当量 of one household, 户数, and the
  // group's equivalents as the box 计算当量Ng showed them.
  std::string household_ng, households, group_ng;

  // Probability method: the household parameters q0, m, Kh, T; the group's
  // Uo (%) and its αc, either from the table or typed in by the designer
  // below it; the group's share Ng·Uo/100.
  std::string q0, m, kh, t;
  std::optional<double> uo;
  std::string uo_text, alpha_c;
  bool alpha_c_typed = false;
  std::optional<double> share;

  // Coefficient method: k and α.
  std::string k, alpha;

  // The running sums ΣNg and Σ(Ng·Uo/100) before the group joined (empty
  // after a reset of the sums) and as shown after it; the weighted mean Uo
  // (%) and its αc.
  Value sum_ng_before, sum_shares_before;
  std::string sum_ng, sum_shares;
  std::optional<double> mean_uo;
  std::string mean_uo_text, mean_alpha_c;

  // U, the flush valve, the design flow unrounded and as shown.
  std::optional<double> u;
  bool flush_valve = false;
  std::optional<double> flow;
  std::string flow_text;

  // The pipe table in force — the material, its 1000i coefficient (the
  // single-precision constant, widened) and its inner diameters in mm of
  // De20 … De110 — and the size chosen with its velocity and 1000i.
  std::string material;
  double coef_i = 0;
  std::array<double, 9> inner{};
  std::string size, velocity, friction;

  // Whether the sums were reset before this group joined them.
  bool sums_reset() const { return is_reset_sum(sum_ng_before); }

  friend bool operator==(const Calculation&, const Calculation&) = default;
};

// The main window and the report module as a segment's command found
// them: the texts of the window's boxes and of the labels a command
// changes (a text left out is empty), the boxes not aligned left, the
// check boxes ticked, the result lists, the window's and the report
// module's variables (a variable left out was never set) and the material
// in force. A batch's first segment keeps them as they were before the
// batch reset the sums. Undoing the segment puts them back.
struct WindowBefore {
  // The flow and the material the result lists were listed for.
  struct Listed {
    double flow = 0;
    std::string material;
    friend bool operator==(const Listed&, const Listed&) = default;
  };

  std::vector<std::pair<std::string, std::string>> texts;
  std::vector<std::pair<std::string, Align>> alignments;
  std::vector<std::pair<std::string, int>> checks;
  // The result lists: as what the program listed them for, or as their lines.
  std::optional<Listed> listed;
  std::vector<std::pair<std::string, ListItems>> lists;
  std::vector<std::pair<std::string, Value>> values;
  std::string material;

  std::string text(std::string_view name) const { return kept(texts, name).value_or(std::string()); }
  Align alignment(std::string_view name) const { return kept(alignments, name).value_or(Align::Left); }
  int check(std::string_view name) const { return kept(checks, name).value_or(0); }
  ListItems list(std::string_view name) const { return kept(lists, name).value_or(ListItems()); }
  Value value(std::string_view name) const { return kept(values, name).value_or(Value()); }

  friend bool operator==(const WindowBefore&, const WindowBefore&) = default;

 private:
  template <typename T>
  static std::optional<T> kept(const std::vector<std::pair<std::string, T>>& named, std::string_view name) {
    for (const auto& [key, value] : named) {
      if (key == name) return value;
    }
    return std::nullopt;
  }
};

// One segment line of the report with what stands behind it.
struct SegmentRecord {
  enum class Command { Calculate, Batch, Repeat };
  Command command = Command::Calculate;
  std::optional<Calculation> calculation;  // none for a repeated segment

  std::string label;  // "1-2"
  std::string line;   // the report line as written, without its line end
  std::string length;
  Value running_before;  // the running friction loss before it; empty at a fresh start
  double loss = 0;       // the segment's friction loss, 1000i × length
  double running = 0;    // the running friction loss after it, unrounded
  std::string local_loss_coefficient;
  std::optional<WindowBefore> before;  // none in a record that cannot be undone

  friend bool operator==(const SegmentRecord&, const SegmentRecord&) = default;
};

}  // namespace aquamere
