#include "book/calculation_sheet.h"

#include <cmath>

#include "book/cell_texts.h"
#include "book/columns.h"
#include "book/formulas.h"
#include "book/segment_rows.h"
#include "book/tables.h"
#include "common/convert.h"
#include "common/numtext.h"
#include "designflow/design_flow.h"
#include "designflow/outflow_probability.h"
#include "hydraulics/pipe_sizing.h"

namespace aquamere::book {
namespace {

using formula::joined;

constexpr const char* title = "建筑给水管道设计秒流量及水力计算书";

Cell text(std::string s, Style style = Style::Text) { return {.value = std::move(s), .style = style}; }

double printed_width() {
  double width = 0;
  for (int c = 0; c < printed_columns; ++c) width += column_heads[static_cast<std::size_t>(c)].width;
  return width;
}

// The staged walk as the program applies it, from its own table of stages.
std::string size_walk() {
  std::string walk = "自De20起逐级增大管径：";
  const char* stage_names[] = {"第一级", "第二级", "第三级", "第四级"};
  std::size_t n = 0;
  for (const VelocityStage& stage : velocity_stages) {
    walk += joined({n == 0 ? "" : "；", stage_names[std::min<std::size_t>(n, 3)], "流速",
                    stage.at_limit_too ? "≥" : ">", number_text(stage.limit), " m/s时增大"});
    if (stage.final_from_mm > 0)
      walk += joined({"，停止时内径≥", number_text(stage.final_from_mm), " mm即选定"});
    ++n;
  }
  return walk + "。各级自上一级停止处继续，流速按四位小数比较；De110为最大管径，流速超过2 m/s时仍取De110。";
}

// What the program computes, as it computes it. The standard is named only
// where the program applies its formula as written.
std::vector<std::string> design_basis() {
  const std::string q = number_text(flow_per_equivalent);
  return {
      joined({"1. 概率法（住宅）：Uo = 100·q0·m·Kh/(", q, "·Ng·T·", number_text(seconds_per_hour),
              ")（%），Ng为户当量；", "U = (1+αc·(Ng−1)^", number_text(ng_exponent),
              ")/√Ng，Ng为管段的∑Ng；qg = ", q, "·U·Ng（L/s）。",
              "三式与《建筑给水排水设计标准》GB 50015的概率法公式相同，U以小数计。"}),
      joined({"2. αc：按Uo在本程序的Uo-αc表（见“Uo-αc表”工作表）中直线内插，",
              "修约至四位小数；Uo>8%时本程序取表末值0.06489。住户组的Uo<1%时",
              "本程序请设计人员给定αc：该值只显示在“αc”列（黄底），不进入U和qg。"}),
      joined({"3. 多种户型（本程序的算法）：∑(Ng·Uo/100)逐组累加，每组取Uo的四位小数",
              "显示值，累计值修约至四位小数；加权Uo = ∑(Ng·Uo/100)/∑Ng×100（%），",
              "修约至四位小数；计算U所用的αc为加权Uo查表内插所得的“加权αc”，",
              "加权Uo<1%时本程序拒绝计算。"}),
      joined({"4. 系数法（集体宿舍等，本程序的公式）：qg = ", q, "·α·√Ng + k·Ng（L/s）。",
              "k·Ng一项为本程序所加，GB 50015现行的系数法公式中没有；α、k取自主窗口的",
              "α、k框，勾选“集体宿舍等”时预设为α 2.5、k 0，取消时为α 1.1、k 0.005，",
              "设置参数中的住宅类别预设k 0.005或0.0045，设计人员可改写；", "所用值见各行的“k”“α”列。"}),
      joined({"5. 延时自闭冲洗阀（本程序的规则）：两种方法的设计秒流量均另加", number_text(flush_valve_flow),
              " L/s。"}),
      joined({"6. 流速 v = ", number_text(velocity_scale), "·4·qg/(", number_text(pi_of_the_tables),
              "·dj²)（m/s），π取", number_text(pi_of_the_tables), "，",
              "qg取四位小数显示值，dj为计算内径（mm）。"}),
      joined({"7. 水力坡降（本程序的公式）：", friction_formula_text(),
              "（m/m，即每米管长的米水柱），系数为各管材表所列单精度数；",
              "本程序在“1000i”栏下列出的就是i，未乘1000。"}),
      joined({"8. 管径选择（本程序的分级流速规则）：", size_walk()}),
      joined({"9. 流速控制校核（本书对本程序“流速控制”表的核对，不改变所选管径）：",
              "DN15～DN20 ≤1.0、DN25～DN40 ≤1.2、DN50～DN70 ≤1.5、DN80及以上 ≤1.8 m/s，",
              "各管材De与DN的对应见各管材表；超出者标“超出”，合计中计数。"}),
      joined({"10. 水头损失（本程序的规则）：管段沿程水损 = i×管长（m水柱）；",
              "累计水损为本计算书各段沿程水损之和（m）；总水头损失 = ",
              "沿程水损×(1+局部水头损失系数)（m），局部损失按沿程损失的百分数计。"}),
      joined({"11. 修约同本程序：显示值按四舍六入五成双修约至四位小数",
              "（先取15位有效数字），累计值取15位有效数字。表中计算值均为公式；",
              "打印区以外（W列起）为各行的输入值和修约前的中间值。"}),
      joined({"12. 单位：q0 L/(人·d)，m 人/户，T h，Ng为当量，Uo %，U、αc、α、k无量纲，",
              "qg L/s，内径mm，v m/s，i m/m，管长m，水损m（米水柱），压力MPa。"}),
  };
}

class Builder {
 public:
  Builder(const ReportSegments& report, const std::string& report_path, PipeTables& tables,
          const WorstPoint& worst)
      : report_(report), report_path_(report_path), tables_(tables), worst_(worst) {}

  Sheet build() {
    sheet_.name = std::string(calculation_sheet_name);
    sheet_.landscape = true;
    sheet_.fit_width = true;
    sheet_.print_columns = printed_columns;
    for (const ColumnHead& head : column_heads) sheet_.widths.push_back(head.width);
    head_block();
    section("一、设计依据及计算方法");
    for (std::string& line : design_basis()) running_text(std::move(line));
    ++row_;
    const int parameters_row = row_;
    row_ += 4;
    section("三、水力计算表");
    if (!report_.journal_trouble.empty())
      running_text(report_.journal_trouble + "各管段照录计算书，未能重算。");
    table_head();
    SegmentRows rows(sheet_, tables_, row_);
    for (const BookSegment& segment : report_.segments) rows.add(segment);
    remark_heights(rows);
    row_ = rows.last_row() + 2;
    const std::string coefficient = totals(rows);
    worst_point();
    legend();
    parameters(parameters_row, rows.last_calculation(), coefficient);
    return std::move(sheet_);
  }

 private:
  void section(const char* heading) { sheet_.put(row_++, 0, text(heading, Style::Heading)); }

  void merged(int column, int last_column, Cell cell) {
    merged_at(row_, column, last_column, std::move(cell));
  }
  void merged_at(int row, int column, int last_column, Cell cell) {
    sheet_.put(row, column, std::move(cell));
    sheet_.merges.push_back({row, column, last_column});
  }

  // A line of text across the printed width, as high as it wraps.
  void running_text(std::string line) {
    if (const double height = wrapped_height(line, printed_width(), 10); height > 0)
      sheet_.height(row_, height);
    merged(0, printed_columns - 1, text(std::move(line), Style::Wrapped));
    ++row_;
  }

  // Title, the boxes the designer and the checker fill in, and the source.
  void head_block() {
    merged(0, printed_columns - 1, text(title, Style::Title));
    sheet_.height(row_, 24);
    ++row_;
    const std::pair<const char*, int> boxes[] = {
        {"工程名称：", 0}, {"设计：", 8}, {"校对：", 12}, {"日期：", 16}};
    for (const auto& [label, column] : boxes) {
      merged(column, column + 1, text(label));
      merged(column + 2, column + (column == 0 ? 6 : 3), text("", Style::Blank));
    }
    ++row_;
    running_text("计算书文件：" + report_path_ + "（Aquamere导出，计算值可在表格软件中重算）");
    ++row_;
  }

  void parameters(int first, const SegmentRecord* last, const std::string& coefficient) {
    row_ = first;
    section("二、计算参数（最后一个计算管段所用）");
    const Calculation none;
    const Calculation& c = last != nullptr ? *last->calculation : none;
    const std::pair<const char*, std::string> shown[] = {
        {"q0 L/(人·d)", c.q0},
        {"m 人/户", c.m},
        {"Kh", c.kh},
        {"T h", c.t},
        {"k", c.k},
        {"α", c.alpha},
        {"冲洗阀", last == nullptr ? ""
                   : c.flush_valve ? "有"
                                   : "无"},
        {"管材", c.material},
        {"局部水头损失系数", coefficient},
    };
    int column = 0;
    for (const auto& [label, value] : shown) {
      const int last_column = column + (std::string_view(label) == "局部水头损失系数" ? 2 : 1);
      merged_at(row_, column, last_column, text(label, Style::Head));
      const std::optional<double> number = strict_number(value);
      merged_at(row_ + 1, column, last_column, number ? Cell{.value = *number} : text(value, Style::Number));
      column = last_column + 1;
    }
  }

  void table_head() {
    sheet_.head_rows_first = row_;
    sheet_.head_rows_last = row_ + 1;
    for (int column = 0; column < column_count; ++column) {
      const ColumnHead& head = column_heads[static_cast<std::size_t>(column)];
      if (!head.group.empty()) {
        int last = column;
        while (last + 1 < column_count && column_heads[static_cast<std::size_t>(last) + 1].group.empty() &&
               last + 1 != printed_columns)
          ++last;
        merged(column, last, text(std::string(head.group), Style::Head));
      }
      sheet_.put(row_ + 1, column, text(std::string(head.head), Style::Head));
    }
    sheet_.height(row_ + 1, 3 * line_height(9) + 2);
    row_ += 2;
  }

  // A row is as high as its wrapped remarks.
  void remark_heights(const SegmentRows& rows) {
    const double width = column_heads[Remarks].width;
    for (int r = rows.first_row(); r <= rows.last_row(); ++r) {
      const std::vector<Cell>& cells = sheet_.rows[static_cast<std::size_t>(r)];
      const auto* remark = std::get_if<std::string>(&cells[Remarks].value);
      if (remark == nullptr) continue;
      if (const double height = wrapped_height(*remark, width, 9); height > 0) sheet_.height(r, height);
    }
  }

  // The totals as formulas of the segment rows: the load, the flow and the
  // running friction loss of the last row that holds them, the total head
  // loss with the local losses as a share of it, and the rows over the
  // velocity limits counted. Returns the local-loss coefficient used.
  std::string totals(const SegmentRows& rows) {
    section("四、合计");
    const SegmentRecord* last = rows.last_calculation();
    std::string coefficient = last != nullptr ? last->local_loss_coefficient : "0.25";
    if (report_.summary_percent) {
      coefficient = number_text(leading_number(*report_.summary_percent).value_or(0) / 100);
    }
    const auto last_of = [&](int column) -> Cell {
      const int r = rows.last_number_row(column);
      if (r < 0) return {.value = std::string()};
      return {.formula = formula::cell(column, r),
              .value = sheet_.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(column)].value};
    };
    total("当量总数", last_of(SumNg));
    total("设计秒流量 L/s", last_of(Flow));
    const Cell friction = last_of(RunningLoss);
    friction_row_ = row_;
    total("沿程阻力水损 m", friction);
    coefficient_row_ = row_;
    const double coef = strict_number(coefficient).value_or(0);
    total("局部阻力水头损失系数", {.value = coef, .style = Style::Input});
    const std::string f = formula::cell(3, friction_row_);
    const std::string k = formula::cell(3, coefficient_row_);
    const double* loss = std::get_if<double>(&friction.value);
    total_row_ = row_;
    total("总水头损失 m",
          {.formula = joined({f, "+", f, "*", k}), .value = loss ? *loss + *loss * coef : 0.0});
    const auto count = [&](int column, const char* word) -> Cell {
      if (rows.last_row() < 0) return {.value = 0.0};
      const std::string range =
          joined({formula::cell(column, rows.first_row()), ":", formula::cell(column, rows.last_row())});
      double n = 0;
      for (int r = rows.first_row(); r <= rows.last_row(); ++r) {
        const Cell& cell = sheet_.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(column)];
        const auto* s = std::get_if<std::string>(&cell.value);
        n += s != nullptr && *s == word ? 1 : 0;
      }
      return {.formula = joined({"COUNTIF(", range, ",\"", word, "\")"}), .value = n};
    };
    total("分级流速校核超限的管段数", count(VelocityCheck, "超限"));
    total("超出流速控制表的管段数", count(ControlCheck, "超出"));
    ++row_;
    return coefficient;
  }

  void total(const char* label, Cell value) {
    merged(0, 2, text(label, Style::Head));
    merged(3, 4, std::move(value));
    ++row_;
  }

  // The pressure the most unfavourable outlet needs at the start of the
  // path, against the pressure available there: marked inputs, the rest
  // formulas of them and of the totals.
  void worst_point() {
    section("五、最不利点水压校核（蓝底为输入值，可按工程实际改写，其余为公式）");
    const auto input = [&](const char* label, double value, const char* note) {
      const int r = row_;
      line(label, {.value = value, .style = Style::Input}, note);
      return formula::cell(5, r);
    };
    const std::string h1 = input("H1 最不利配水点与计算管路起点的高差 m", worst_.elevation, "默认0 m");
    const std::string h4 = input("H4 最不利配水点的最低工作压力 MPa", worst_.outlet_pressure, "默认0.10 MPa");
    const std::string h3 = input("H3 水表水头损失 m", worst_.meter_loss, "默认0 m，管路上有水表时填入");
    const std::string p0 = input("P0 计算管路起点的可用供水压力 MPa", worst_.supply_pressure, "默认0.20 MPa");
    const double* total = std::get_if<double>(&sheet_.rows[static_cast<std::size_t>(total_row_)][3].value);
    const double path = total != nullptr ? *total : 0;
    const int path_row = row_;
    line("H2 计算管路水头损失 m", {.formula = formula::cell(3, total_row_), .value = path},
         "= 沿程阻力水损×(1+局部水头损失系数)，即合计中的总水头损失");
    const std::string h2 = formula::cell(5, path_row);
    const double need =
        (worst_.elevation + path + worst_.meter_loss) * mpa_per_metre + worst_.outlet_pressure;
    const int need_row = row_;
    line("H 计算管路起点所需水压 MPa",
         {.formula = joined({"(", h1, "+", h2, "+", h3, ")*", number_text(mpa_per_metre), "+", h4}),
          .value = need,
          .style = Style::Fixed},
         "H = H1+H2+H3+H4，米水柱按1 m = " + number_text(mpa_per_metre) + " MPa换算");
    const std::string h = formula::cell(5, need_row);
    const int margin_row = row_;
    line("压力余量 MPa",
         {.formula = joined({p0, "-", h}), .value = worst_.supply_pressure - need, .style = Style::Fixed},
         "= P0 − H");
    const std::string margin = formula::cell(5, margin_row);
    line("结论",
         {.formula = joined({"IF(", margin, ">=0,\"满足\",\"不满足\")"}),
          .value = worst_.supply_pressure - need >= 0 ? "满足" : "不满足"},
         "余量不小于0为满足");
    ++row_;
  }

  void line(const char* label, Cell value, std::string note) {
    merged(0, 4, text(label, Style::Head));
    sheet_.put(row_, 5, std::move(value));
    merged(6, 16, text(std::move(note)));
    ++row_;
  }

  void legend() {
    section("说明");
    const char* lines[] = {
        "灰底：照录计算书的数值——该管段无计算记录（记录文件缺失或无法读取，或计算书在程序外编辑过），"
        "其记录不能重算出计算书的数值，或计算书中缺少该行；原因见备注。",
        "黄底：设计人员给定的αc（Uo低于Uo-αc表），不进入计算。蓝底：可改写的输入值。",
        "累计值与上一行衔接；备注列注明累计重新开始、接续前值或与上一行不衔接（其间缺少管段行）的管段。",
        "分级流速校核按所选管径内径所在的分级限值，“超限”表示最大管径De110仍超过限值；"
        "流速控制校核按本程序“流速控制”表，“超出”表示所选管径超过该表的限值。",
    };
    for (const char* l : lines) running_text(l);
  }

  const ReportSegments& report_;
  const std::string& report_path_;
  PipeTables& tables_;
  const WorstPoint& worst_;
  Sheet sheet_;
  int row_ = 0;
  int friction_row_ = 0, coefficient_row_ = 0, total_row_ = 0;
};

}  // namespace

Sheet calculation_sheet(const ReportSegments& report, const std::string& report_path, PipeTables& tables,
                        const WorstPoint& worst) {
  return Builder(report, report_path, tables, worst).build();
}

}  // namespace aquamere::book
