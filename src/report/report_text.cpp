#include "report/report_text.h"

#include <algorithm>
#include <cmath>

#include "common/arith.h"

namespace aquamere::report {
namespace {

std::string rule(std::size_t hyphens) { return std::string(hyphens, '-'); }

// The summary's last line.
std::string summary_end() { return rule(47) + "END" + rule(56); }

}  // namespace

std::vector<std::string> title_block() {
  return {"", std::string(40, '*') + "管道设计秒流量计算结果" + std::string(43, '*'), rule(105),
          std::string(column_header)};
}

std::vector<std::string> header_block() { return {rule(107), std::string(column_header), rule(107)}; }

std::vector<std::string> summary_block(const Value& ng, const Value& qg, const Value& friction, double coef) {
  const double percent = arith::finite(coef * 100, "局部阻力水头损失系数");
  const double loss = friction.number("沿程阻力水损");
  const double total = arith::finite(loss + loss * coef, "总水头损失");
  return {
      rule(105),
      "当量总数为" + ng.text() + "，设计秒流量为" + qg.text() +
          "l/s。沿程阻力水损为:" + printed_number(friction) + "米水柱。",
      "局部阻力水头损失系数为" + number_text(percent) + "%，总水头损失为; " + number_text(total) + "米水柱。",
      "", summary_end()};
}

bool is_header_block(std::span<const std::string> lines) { return std::ranges::equal(lines, header_block()); }

bool is_summary_block(std::span<const std::string> lines) {
  const auto stating = [](std::string_view line, std::string_view first, std::string_view last) {
    return line.starts_with(first) && line.ends_with(last);
  };
  return lines.size() == 5 && lines[0] == rule(105) && stating(lines[1], "当量总数为", "米水柱。") &&
         stating(lines[2], "局部阻力水头损失系数为", "米水柱。") && lines[3].empty() &&
         lines[4] == summary_end();
}

std::string printed_number(const Value& value) {
  if (value.is_empty()) return {};
  const double x = value.number("沿程阻力水损");
  std::string text(1, x < 0 ? '-' : ' ');
  text += number_text(std::fabs(x));
  text += ' ';
  return text;
}

std::string print_zones(std::span<const std::string> fields) {
  std::string line;
  line.reserve(fields.size() * zone_width + zone_width);
  for (const std::string& field : fields) {
    if (&field != &fields.front()) line.resize((line.size() / zone_width + 1) * zone_width, ' ');
    line += field;
  }
  return line;
}

}  // namespace aquamere::report
