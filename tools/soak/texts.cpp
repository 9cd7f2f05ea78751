#include "soak/texts.h"

#include <cmath>

#include "common/numtext.h"

namespace aquamere::soak {
namespace {

template <typename T>
const T& pick(std::mt19937_64& random, const std::initializer_list<T>& choices) {
  std::uniform_int_distribution<std::size_t> index(0, choices.size() - 1);
  return *(choices.begin() + index(random));
}

std::string random_number(std::mt19937_64& random) {
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 12);
  const double x = mantissa(random) * std::pow(10.0, exponent(random));
  return number_text(x);
}

}  // namespace

std::string random_text(std::mt19937_64& random) {
  std::uniform_int_distribution<int> kind(0, 9);
  switch (kind(random)) {
    case 0:
    case 1:
    case 2:
      return random_number(random);
    case 3:
      return std::to_string(std::uniform_int_distribution<int>(0, 40)(random));
    case 4:
      return pick<std::string>(random, {"", " ", "   ", "1e308", "-1e308", "1e309", "-0", "NaN", "inf", "0",
                                        "1", "0.5", "-1", "1e-320", "4.9e-324"});
    case 5:
      return pick<std::string>(random, {"abc", "q250", "12abc", "１２", "３.５", "😀", "户当量", "∑Ng", "αc",
                                        "1,000", "0x10", "1 2", "\t3", "—", "€"});
    case 6:
      return std::string(1000, "0123456789.-e"[std::uniform_int_distribution<int>(0, 12)(random)]);
    case 7:
      return pick<std::string>(random, {"4", "2", "10", "16", "14.2", "3.5", "100", "0.2"});
    case 8:
      return random_number(random) + pick<std::string>(random, {"", "x", " l/s", "米"});
    default:
      return std::string(std::uniform_int_distribution<int>(0, 300)(random), '9');
  }
}

std::string random_count(std::mt19937_64& random) {
  std::uniform_int_distribution<int> kind(0, 99);
  const int k = kind(random);
  if (k < 80) return std::to_string(std::uniform_int_distribution<int>(-2, 5)(random));
  if (k < 95) return pick<std::string>(random, {"2.5", "3.5", "0.5", "-0.5", "abc", "", "40000", "-40000"});
  if (k < 99) return std::to_string(std::uniform_int_distribution<int>(6, 60)(random));
  return std::to_string(std::uniform_int_distribution<int>(100, 2000)(random));
}

}  // namespace aquamere::soak
