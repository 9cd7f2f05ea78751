#include "settings/reference_windows.h"

#include "settings/fmuo_names.h"
#include "settings/frma_names.h"
#include "settings/frmabout_names.h"
#include "settings/frmdj2_names.h"
#include "settings/frmv_names.h"

namespace aquamere {
namespace {

// Song is the face of the diameter lines, so that the fixed-width digits
// stand in columns under the sizes, and of the about text.
constexpr double song_lines = 14.25;
constexpr double song_about = 12;
// Song at 8.25 pt keeps the six values of a Uo–αc column inside its narrow
// label, one value a line. At 9 pt its rows are short enough for the nine
// rows of the α lists to show without a scroll bar, and its Latin letters are
// half as wide as its Chinese ones, so the blanks of the velocity table line
// its two rows up in columns.
constexpr double song_small = 8.25;
constexpr double song_rows = 9;

Font song(double points) { return {.family = "宋体", .points = points}; }

// α of the coefficient method qg = 0.2·α·√Ng + k·Ng by building use. The
// values are texts with one decimal, as printed in the design code.
struct AlphaRow {
  const char* use;
  const char* alpha;
};
constexpr AlphaRow alpha_rows[] = {
    {"        建筑物名称", "α值"},
    {"----------------------------", "-----"},
    {"幼儿园、托儿所、养老院", "1.2"},
    {"门诊部、诊疗所", "1.4"},
    {"办公楼、商场", "1.5"},
    {"学校", "1.8"},
    {"医院、疗养所、休养所", "2.0"},
    {"集体宿舍、旅馆、招待所、宾馆", "2.5"},
    {"客运站、会展中心、公共厕所", "3.0"},
};

// Always the PP-R sizes, whatever material is in force; De40 is written
// "33.0" so that every inner diameter has one decimal under its size.
constexpr const char* ppr_sizes = "De20 De25 De32 De40 De50 De63 De75 De90 De110";
constexpr const char* ppr_inner = "15.6 20.4 26.2 33.0 41.4 52.2 62.2 74.8 91.6";

}  // namespace

Form frma_layout() {
  Form form{.name = std::string(frma::name),
            .caption = "根据建筑物用途而定的系数α值",
            .width = 3510,
            .height = 1860};
  form.controls.push_back({.name = frma::lsta1,
                           .kind = Kind::ListBox,
                           .rect = {0, 0, 2655, 1860},
                           .tab = 0,
                           .font = song(song_rows)});
  form.controls.push_back({.name = frma::lsta2,
                           .kind = Kind::ListBox,
                           .rect = {2640, 0, 855, 1860},
                           .tab = 1,
                           .font = song(song_rows)});
  return form;
}

void frma_fill(Form& window) {
  for (const AlphaRow& row : alpha_rows) window.at(frma::lsta1).items.add(row.use);
  for (const AlphaRow& row : alpha_rows) window.at(frma::lsta2).items.add(row.alpha);
}

Form frmdj2_layout() {
  Form form{.name = std::string(Frmdj2::name), .caption = "PP-R管水力计算", .width = 7560, .height = 1110};
  form.controls.push_back({.name = Frmdj2::Frame1,
                           .kind = Kind::Frame,
                           .text = "PP-R管公称直径与计算内径对应表",
                           .rect = {0, 0, 7455, 1095}});
  form.controls.push_back({.name = Frmdj2::lstdj,
                           .kind = Kind::ListBox,
                           .parent = Frmdj2::Frame1,
                           .rect = {120, 240, 7215, 345},
                           .tab = 1,
                           .font = song(song_lines)});
  form.controls.push_back({.name = Frmdj2::lstdjj,
                           .kind = Kind::ListBox,
                           .parent = Frmdj2::Frame1,
                           .rect = {120, 600, 7215, 345},
                           .tab = 2,
                           .font = song(song_lines)});
  return form;
}

void frmdj2_fill(Form& window) {
  window.at(Frmdj2::lstdj).items.add(ppr_sizes);
  window.at(Frmdj2::lstdjj).items.add(ppr_inner);
}

// Two pairs of narrow labels; each caption is six values that wrap into a
// column, Uo in percent beside its αc, the twelve rows of the lookup table.
Form fmuo_layout() {
  Form form{.name = std::string(Fmuo::name), .caption = "", .width = 2910, .height = 1470};
  form.controls.push_back(
      {.name = Fmuo::Frame1, .kind = Kind::Frame, .text = "Uo-αc值对应表:", .rect = {0, 0, 2895, 1455}});
  struct Column {
    std::string_view name;
    int left, width;
    const char* values;
  };
  constexpr Column columns[] = {
      {Fmuo::uoz0, 240, 255, "1.0 1.5 2.0 2.5 3.0 3.5"},
      {Fmuo::acz0, 720, 615, "0.00323 0.00697 0.01097 0.01512 0.01939 0.02374"},
      {Fmuo::uoz1, 1560, 255, "4.0 4.5 5.0 6.0 7.0 8.0"},
      {Fmuo::acz1, 2040, 615, "0.02816 0.03263 0.03715 0.04629 0.05555 0.06489"},
  };
  for (const Column& c : columns) {
    form.controls.push_back({.name = c.name,
                             .kind = Kind::Label,
                             .text = c.values,
                             .parent = Fmuo::Frame1,
                             .rect = {c.left, 240, c.width, 1095},
                             .font = song(song_small)});
  }
  return form;
}

// The box accepts typing, but nothing keeps it: the next opening shows the
// table again.
Form frmv_layout() {
  Form form{
      .name = std::string(frmv::name), .caption = "生活给水管道水流流速控制", .width = 4065, .height = 855};
  const std::string table = std::string(44, '-') + "\r\n" +
                            "公称直径(mm)   15-20  25-40  50-70  >=80\r\n"
                            "水流速度(m/s)  <=1.0 <=1.2  <=1.5  <=1.8\r\n";
  form.controls.push_back({.name = frmv::Text1,
                           .kind = Kind::TextBox,
                           .text = table,
                           .rect = {0, 0, 4095, 855},
                           .tab = 0,
                           .multiline = true,
                           .font = song(song_rows)});
  return form;
}

Form frmabout_layout() {
  Form form{.name = std::string(frmabout::name), .caption = "Aquamere", .width = 3795, .height = 1530};
  form.controls.push_back({.name = frmabout::Label1,
                           .kind = Kind::Label,
                           .text = "AquamereV0.90测试版",
                           .rect = {480, 240, 2895, 375},
                           .font = song(song_about)});
  return form;
}

}  // namespace aquamere
