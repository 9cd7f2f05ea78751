#include "frontend/command_line.h"

#include <string_view>

#include "book/export_book.h"

namespace aquamere {
namespace {

constexpr std::string_view usage =
    "用法：\n"
    "  aquamere                     打开主窗口，逐段计算给水管段\n"
    "  aquamere --export-book 计算书文件 [Excel计算书.xlsx] [--elevation 高差m]\n"
    "           [--outlet-pressure 最低工作压力MPa] [--meter-loss 水表水头损失m]\n"
    "           [--supply-pressure 供水压力MPa]\n"
    "                               不打开窗口，把计算书导出为Excel计算书\n"
    "  aquamere --help              显示本说明\n"
    "  aquamere --version           显示版本\n";

}  // namespace

std::optional<int> answer_command_line(FilePort& files, const std::vector<std::string>& arguments,
                                       std::ostream& out, std::ostream& errors) {
  if (arguments.empty()) return std::nullopt;
  const std::string& first = arguments.front();
  if (first == "--export-book") {
    return book::export_book_command(files, {arguments.begin() + 1, arguments.end()}, out, errors);
  }
  if (first == "--help" && arguments.size() == 1) {
    out << usage;
    return 0;
  }
  if (first == "--version" && arguments.size() == 1) {
    out << "Aquamere " AQUAMERE_VERSION "\n";
    return 0;
  }
  const std::string& unknown = first == "--help" || first == "--version" ? arguments[1] : first;
  errors << "aquamere：无法识别的参数“" << unknown << "”\n" << usage;
  return 2;
}

}  // namespace aquamere
