#include "book/calculation_sheet.h"

#include "book/columns.h"
#include "book/formulas.h"
#include "book/segment_rows.h"
#include "common/convert.h"
#include "common/numtext.h"
#include "hydraulics/pipe_sizing.h"

namespace aquamere::book {
namespace {

constexpr std::string_view sheet_name = "计算书";
constexpr const char* title = "建筑给水管道设计秒流量及水力计算书";

Cell text(std::string s, Style style = Style::Text) { return {.value = std::move(s), .style = style}; }

// The design basis as the program applies it.
std::vector<std::string> design_basis() {
  std::string limits = "8. 管径自小而大按分级流速限值选取：";
  double smaller_than = 0;
  for (const VelocityStage& stage : velocity_stages) {
    if (stage.final_from_mm > 0) {
      limits += formula::joined(
          {"内径≥", number_text(stage.final_from_mm), " mm时v≤", number_text(stage.limit), " m/s，"});
      smaller_than = stage.final_from_mm;
    } else {
      limits +=
          formula::joined({"<", number_text(smaller_than), " mm时v<", number_text(stage.limit), " m/s"});
    }
  }
  limits += "；";
  return {
      "1. 依据《建筑给水排水设计标准》GB 50015：住宅生活给水管道按概率法计算设计秒流量，",
      "   集体宿舍等建筑按系数法计算。",
      "2. 最大用水时卫生器具给水当量平均出流概率：Uo = q0·m·Kh/(0.2·Ng·T·3600)×100%，",
      "   Ng为每户卫生器具给水当量数。",
      "3. 多种户型的管段取按当量加权的平均出流概率 ∑(Ng·Uo)/∑Ng；αc按Uo在Uo-αc表中直线内插，",
      "   Uo>8%时取0.06489，Uo<1%时由设计人员给定。",
      "4. 同时出流概率：U = (1+αc·(Ng−1)^0.49)/√Ng；设计秒流量：qg = 0.2·U·Ng（L/s）。",
      "5. 系数法：qg = 0.2·α·√Ng + k·Ng（L/s）。",
      "6. 设有延时自闭冲洗阀时，设计秒流量另加1.1 L/s。",
      "7. 流速 v = 4·qg/(π·dj²)×1000（m/s），π取3.14；",
      "   单位长度沿程水头损失 1000i = 系数·qg^1.774/dj^4.774×10^5，系数见各管材表。",
      limits,
      "   流速修约至四位小数后比较。",
      "9. 管段沿程水损 = 1000i×管长（同计算书，不作单位换算）；",
      "   总水头损失 = 沿程水损×(1+局部水头损失系数)。",
      "10. 数值修约同计算程序：显示值取15位有效数字后按四舍六入五成双修约至四位小数，",
      "    累计值取15位有效数字。表中计算值均为公式，表右列出修约前的中间值。",
  };
}

class Builder {
 public:
  Builder(const ReportSegments& report, const std::string& report_path, PipeTables& tables)
      : report_(report), report_path_(report_path), tables_(tables) {}

  Sheet build() {
    sheet_.name = std::string(sheet_name);
    sheet_.landscape = true;
    sheet_.print_columns = printed_columns;
    for (const ColumnHead& head : column_heads) sheet_.widths.push_back(head.width);
    head_block();
    section("一、设计依据");
    for (std::string& line : design_basis()) sheet_.put(row_++, 0, text(std::move(line)));
    ++row_;
    const int parameters_row = row_;
    row_ += 4;
    section("三、水力计算表");
    table_head();
    SegmentRows rows(sheet_, tables_, row_);
    for (const BookSegment& segment : report_.segments) rows.add(segment);
    row_ = rows.last_row() + 2;
    const std::string coefficient = totals(rows.last_row(), rows.last_calculation());
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

  // Title, the boxes the designer and the checker fill in, and the source.
  void head_block() {
    merged(0, printed_columns - 1, text(title, Style::Title));
    ++row_;
    const std::pair<const char*, int> boxes[] = {
        {"工程名称：", 0}, {"设计：", 10}, {"校对：", 16}, {"日期：", 22}};
    for (const auto& [label, column] : boxes) {
      merged(column, column + 1, text(label));
      merged(column + 2, column + (column == 0 ? 8 : 4), text("", Style::Blank));
    }
    ++row_;
    sheet_.put(row_++, 0, text("计算书文件：" + report_path_ + "（Aquamere导出，计算值可在表格软件中重算）"));
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
    row_ += 2;
  }

  // The totals as the report's summary states them: the load and flow of
  // the last segment, its running friction loss, and the total with the
  // local losses as a share of it. Returns the local-loss coefficient used.
  std::string totals(int last_row, const SegmentRecord* last) {
    section("四、合计");
    std::string coefficient = "0.25";
    if (last != nullptr) coefficient = last->local_loss_coefficient;
    if (report_.summary_percent) {
      coefficient = number_text(leading_number(*report_.summary_percent).value_or(0) / 100);
    }
    const auto value_at = [&](int column) {
      if (last_row < 0) return CellValue();
      return sheet_.rows[static_cast<std::size_t>(last_row)][static_cast<std::size_t>(column)].value;
    };
    const auto reference = [&](int column) {
      return last_row < 0 ? std::string() : formula::cell(column, last_row);
    };
    total("当量总数", {.formula = reference(SumNg), .value = value_at(SumNg)});
    total("设计秒流量 L/s", {.formula = reference(Flow), .value = value_at(Flow)});
    total("沿程阻力水损 m", {.formula = reference(RunningLoss), .value = value_at(RunningLoss)});
    const int coefficient_row = row_;
    const double coef = strict_number(coefficient).value_or(0);
    total("局部阻力水头损失系数", {.value = coef});
    const std::string friction = formula::cell(3, coefficient_row - 1);
    const double loss =
        std::holds_alternative<double>(value_at(RunningLoss)) ? std::get<double>(value_at(RunningLoss)) : 0;
    total("总水头损失 m",
          {.formula = formula::joined({friction, "+", friction, "*", formula::cell(3, coefficient_row)}),
           .value = loss + loss * coef});
    ++row_;
    return coefficient;
  }

  void total(const char* label, Cell value) {
    merged(0, 2, text(label, Style::Head));
    if (value.formula.empty() && std::holds_alternative<std::monostate>(value.value))
      value.value = std::string();
    sheet_.put(row_++, 3, std::move(value));
  }

  void legend() {
    section("说明");
    const char* lines[] = {
        "灰底：照录计算书的数值——该管段无计算记录（记录文件缺失，或计算书在程序外编辑过），",
        "      或其记录不能重算出计算书的数值。",
        "黄底：设计人员给定的αc（Uo低于Uo-αc表）。",
        "累计值与上一行衔接；备注列注明累计重新开始或接续前值的管段。",
        "流速校核按所选管径内径所在的分级流速限值；“超限”表示最大管径De110仍超过限值。",
    };
    for (const char* line : lines) sheet_.put(row_++, 0, text(line));
  }

  const ReportSegments& report_;
  const std::string& report_path_;
  PipeTables& tables_;
  Sheet sheet_;
  int row_ = 0;
};

}  // namespace

Sheet calculation_sheet(const ReportSegments& report, const std::string& report_path, PipeTables& tables) {
  return Builder(report, report_path, tables).build();
}

}  // namespace aquamere::book
