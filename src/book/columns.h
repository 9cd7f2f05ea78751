#pragma once

#include <array>
#include <string_view>

// The columns of the calculation table, one row per segment. The printed
// table runs from the segment label to the remarks and holds what a
// reviewer checks; to its right, outside the print area, stand the inputs
// of each row and the unrounded intermediate values the shown ones are
// rounded from, for the reviewer who follows a number to its last digit.
namespace aquamere::book {

enum Column : int {
  Label,
  Method,
  HouseholdNg,
  Households,
  GroupNg,
  Uo,
  AlphaC,
  SumNg,
  MeanUo,
  MeanAlphaC,
  U,
  Flow,
  Size,
  Velocity,
  VelocityCheck,
  ControlLimit,
  ControlCheck,
  Friction,
  Length,
  SegmentLoss,
  RunningLoss,
  Remarks,
  Q0,
  M,
  Kh,
  T,
  K,
  Alpha,
  FlushValve,
  Material,
  Inner,
  Share,
  SumShares,
  UoRaw,
  UoInterval,
  AlphaCRaw,
  SumSharesRaw,
  MeanUoRaw,
  MeanInterval,
  MeanAlphaCRaw,
  FlowRaw,
  VelocityRaw,
  FrictionRaw,
  column_count
};

inline constexpr int printed_columns = Remarks + 1;

struct ColumnHead {
  std::string_view group;  // the head over a run of columns, on the first of them
  std::string_view head;
  double width;  // in characters
};

inline constexpr std::array<ColumnHead, column_count> column_heads = {{
    {"管段", "编号", 5},
    {"", "计算\n方法", 4.5},
    {"住户组", "户当量", 4.5},
    {"", "户数", 3.5},
    {"", "计算\n当量Ng", 5},
    {"", "Uo\n%", 5.5},
    {"", "αc", 5.5},
    {"累计", "∑Ng", 5},
    {"", "加权Uo\n%", 5.5},
    {"", "加权αc", 5.5},
    {"设计秒流量", "U", 5.5},
    {"", "qg\nL/s", 5.5},
    {"管径选择", "管径", 5},
    {"", "流速\nm/s", 5.5},
    {"", "分级\n校核", 5},
    {"流速控制表", "限值\nm/s", 4},
    {"", "校核", 4},
    {"水头损失", "1000i\n(i) m/m", 5.5},
    {"", "管长\nm", 4.5},
    {"", "沿程\n水损m", 5.5},
    {"", "累计\n水损m", 5.5},
    {"备注", "", 18},
    {"计算参数", "q0\nL/(人·d)", 8},
    {"", "m\n人/户", 6},
    {"", "Kh", 6},
    {"", "T\nh", 6},
    {"", "k", 6},
    {"", "α", 6},
    {"", "冲洗阀\nL/s", 6},
    {"", "管材", 10},
    {"", "内径\nmm", 6},
    {"", "Ng·Uo/100", 9},
    {"", "∑(Ng·Uo/100)", 10},
    {"计算过程（未修约值）", "Uo", 11},
    {"", "αc区间", 7},
    {"", "αc", 11},
    {"", "∑(Ng·Uo/100)", 11},
    {"", "加权Uo", 11},
    {"", "加权αc区间", 9},
    {"", "加权αc", 11},
    {"", "qg", 11},
    {"", "流速", 11},
    {"", "i", 11},
}};

}  // namespace aquamere::book
