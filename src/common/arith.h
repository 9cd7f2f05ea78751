#pragma once

#include <cmath>
#include <string>
#include <string_view>

#include "common/failure.h"

// Double arithmetic does not trap by itself: the formulas call these where a
// step could divide by zero, leave the double range or take a root of a
// negative number, and the step fails with a message naming the quantity.
namespace aquamere::arith {

inline double finite(double x, std::string_view what) {
  if (!std::isfinite(x)) throw Failure("计算失败：计算" + std::string(what) + "时数值溢出。");
  return x;
}

inline double divide(double numerator, double denominator, std::string_view what) {
  if (denominator == 0.0) throw Failure("计算失败：计算" + std::string(what) + "时除数为零。");
  return finite(numerator / denominator, what);
}

inline double square_root(double x, std::string_view what) {
  if (x < 0.0) throw Failure("计算失败：计算" + std::string(what) + "时遇到负数开平方。");
  return std::sqrt(x);
}

// A negative base has no real power with a fractional exponent.
inline double power(double base, double exponent, std::string_view what) {
  if (base < 0.0 && exponent != std::trunc(exponent)) {
    throw Failure("计算失败：计算" + std::string(what) + "时遇到负数的分数次幂。");
  }
  return finite(std::pow(base, exponent), what);
}

}  // namespace aquamere::arith
