#include "report/report_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace aquamere::report {
namespace {

TEST(PrintedNumber, SpaceOrMinusThenTheNumberThenASpace) {
  const std::pair<Value, const char*> cases[] = {
      {Value(), ""},           {Value(30.0), " 30 "},    {Value(-6.0), "-6 "},
      {Value(0.35), " 0.35 "}, {Value(-0.35), "-0.35 "}, {Value(0.0), " 0 "},
      {Value(-0.0), " 0 "},    {Value(1e20), " 1E+20 "},
  };
  for (const auto& [value, printed] : cases) EXPECT_EQ(printed_number(value), printed) << value.text();
}

struct Zones {
  std::vector<std::string> fields;
  std::string line;
};

// Columns count bytes of the encoded text: "\xA1\xC6" is the GBK "∑".
const Zones zone_cases[] = {
    {{" 0-1", "12.5", " 30 "}, " 0-1          12.5           30 "},
    {{" 0-1", "", "0.35"}, " 0-1                        0.35"},
    {{"", "De25"}, "              De25"},
    {{"\xA1\xC6Ng", "x"}, "\xA1\xC6Ng          x"},
    {{"1234567890123", "x"}, "1234567890123 x"},
    {{"12345678901234", "x"}, "12345678901234              x"},
    {{"123456789012345", "x"}, "123456789012345             x"},
    {{"\xB9\xDC\xB6\xCE\xB1\xE0\xBA\xC5\xBC\xC6\xCB\xE3\xB5\xB1", "x"},
     "\xB9\xDC\xB6\xCE\xB1\xE0\xBA\xC5\xBC\xC6\xCB\xE3\xB5\xB1              x"},
};

TEST(PrintZones, FieldsStartAtTheZoneAfterTheFieldBefore) {
  for (const Zones& z : zone_cases) EXPECT_EQ(print_zones(z.fields), z.line) << z.line;
}

}  // namespace
}  // namespace aquamere::report
