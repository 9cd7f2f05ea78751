#pragma once

#include <array>
#include <string_view>

// The columns of the calculation table, one row per segment. The printed
// table runs from the segment label to the remarks; to its right stand the
// unrounded intermediate values the shown ones are rounded from, for the
// reviewer who follows a number to its last digit.
namespace aquamere::book {

enum Column : int {
  Label,
  Method,
  Q0,
  M,
  Kh,
  T,
  K,
  Alpha,
  HouseholdNg,
  Households,
  GroupNg,
  Uo,
  AlphaC,
  Share,
  SumShares,
  SumNg,
  MeanUo,
  MeanAlphaC,
  U,
  FlushValve,
  Flow,
  Material,
  Size,
  Inner,
  Velocity,
  VelocityCheck,
  Friction,
  Length,
  SegmentLoss,
  RunningLoss,
  Remarks,
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
    {"管段", "编号", 7},
    {"", "计算方法", 7},
    {"计算参数", "q0\nL/(人·d)", 7},
    {"", "m\n人/户", 5},
    {"", "Kh", 5},
    {"", "T\nh", 4},
    {"", "k", 6},
    {"", "α", 5},
    {"住户组", "户当量", 6},
    {"", "户数", 5},
    {"", "计算当量\nNg", 7},
    {"", "Uo\n%", 7},
    {"", "αc", 7},
    {"", "Ng·Uo/100", 9},
    {"累计", "∑(Ng·Uo/100)", 10},
    {"", "∑Ng", 7},
    {"", "加权Uo\n%", 7},
    {"", "加权αc", 7},
    {"设计秒流量", "U", 9},
    {"", "冲洗阀\nL/s", 6},
    {"", "qg\nL/s", 7},
    {"管径选择", "管材", 8},
    {"", "管径", 6},
    {"", "内径\nmm", 6},
    {"", "流速\nm/s", 7},
    {"", "流速校核", 7},
    {"水头损失", "1000i", 7},
    {"", "管长\nm", 6},
    {"", "沿程水损\n1000i×L", 9},
    {"", "累计水损", 9},
    {"备注", "", 18},
    {"计算过程（未修约值）", "Uo", 11},
    {"", "αc区间", 7},
    {"", "αc", 11},
    {"", "∑(Ng·Uo/100)", 11},
    {"", "加权Uo", 11},
    {"", "加权αc区间", 9},
    {"", "加权αc", 11},
    {"", "qg", 11},
    {"", "流速", 11},
    {"", "1000i", 11},
}};

}  // namespace aquamere::book
