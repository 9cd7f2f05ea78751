#include "files/backward_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expect_failure.h"
#include "program_fixture.h"

namespace aquamere {
namespace {

// Every line from the last to the first, each with where it starts.
std::vector<FileLine> all_backward(MemoryFiles& disk, const std::string& path) {
  BackwardLines lines(disk, path);
  std::vector<FileLine> read;
  while (std::optional<FileLine> line = lines.previous()) read.push_back(*line);
  return read;
}

TEST(BackwardLines, GivesEveryLineFromTheLastWithWhereItStarts) {
  MemoryFiles disk;
  EXPECT_TRUE(all_backward(disk, "none.txt").empty());
  disk.files["empty.txt"] = "";
  EXPECT_TRUE(all_backward(disk, "empty.txt").empty());
  disk.files["short.txt"] = "a\r\n\nb\nlast";
  const std::vector<FileLine> read = all_backward(disk, "short.txt");
  ASSERT_EQ(read.size(), 4u);
  EXPECT_EQ(read[0].bytes, "last");
  EXPECT_EQ(read[0].offset, 6u);
  EXPECT_EQ(read[1].bytes, "b\n");
  EXPECT_EQ(read[2].bytes, "\n");
  EXPECT_EQ(read[3].bytes, "a\r\n");
  EXPECT_EQ(read[3].text(), "a");
  EXPECT_EQ(read[3].offset, 0u);
}

// Lines far longer than the first reading of the end, and many short ones
// across its edges: the file read further back gives them whole.
TEST(BackwardLines, ReadsFurtherBackForLongLines) {
  MemoryFiles disk;
  std::string bytes;
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < 300; ++i) {
    lines.push_back(std::string(i == 150 ? 9000 : i % 37, static_cast<char>('a' + i % 26)) + "\r\n");
    bytes += lines.back();
  }
  disk.files["long.txt"] = bytes;
  const std::vector<FileLine> read = all_backward(disk, "long.txt");
  ASSERT_EQ(read.size(), lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const FileLine& line = read[lines.size() - 1 - i];
    EXPECT_EQ(line.bytes, lines[i]) << i;
    EXPECT_EQ(bytes.substr(line.offset, line.bytes.size()), lines[i]) << i;
  }
  // Changed while it is read, the file is refused rather than cut wrongly.
  BackwardLines changing(disk, "long.txt");
  disk.files["long.txt"] += "x\r\n";
  const auto read_all = [&] {
    while (changing.previous()) {
    }
  };
  EXPECT_FAILURE(read_all(), "无法读取文件“long.txt”：文件在读取时被另一个程序改动。");
}

}  // namespace
}  // namespace aquamere
