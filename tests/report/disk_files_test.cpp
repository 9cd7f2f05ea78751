#include "report/disk_files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "expect_failure.h"

namespace aquamere {
namespace {

namespace fs = std::filesystem;

class DiskFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "aquamere-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern;
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string path(const char* name) const { return (folder / name).string(); }
  static std::string contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> lines(const std::string& file) {
    std::vector<std::string> read;
    disk.read_lines(file, [&](std::string_view line) { read.emplace_back(line); });
    return read;
  }

  fs::path folder;
  DiskFiles disk;
};

TEST_F(DiskFilesTest, AppendCreatesAndExtendsReplaceStartsAfresh) {
  const std::string file = path("book.txt");
  disk.append(file, "");
  EXPECT_TRUE(fs::exists(file));
  disk.append(file, "a\r\n");
  disk.append(file, "b\r\n");
  EXPECT_EQ(contents(file), "a\r\nb\r\n");
  disk.replace(file, "c\r\n");
  EXPECT_EQ(contents(file), "c\r\n");
}

// What an event appended and cannot keep is cut away again; a device has
// nothing to cut.
TEST_F(DiskFilesTest, SizeAndCutTakeBackAnAppend) {
  const std::string file = path("book.txt");
  EXPECT_EQ(disk.size(file), std::nullopt);
  disk.append(file, "first\r\n");
  const std::uintmax_t before = disk.size(file).value();
  disk.append(file, "second\r\n");
  disk.cut(file, before);
  EXPECT_EQ(contents(file), "first\r\n");
  disk.cut("/dev/null", 0);
  EXPECT_FAILURE(disk.cut(path("none.txt"), 0), "无法打开计算书“" + path("none.txt") + "”：文件不存在。");
}

TEST_F(DiskFilesTest, LinesEndAtLfWithOrWithoutCr) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"\r\n\r\n", {"", ""}},
      {"a\r\nlast", {"a", "last"}},
      {"x\ry\r\n", {"x\ry"}},
  };
  const std::string file = path("book.txt");
  for (const auto& [bytes, expected] : cases) {
    disk.replace(file, bytes);
    EXPECT_EQ(lines(file), expected) << testing::PrintToString(bytes);
  }
}

// Long enough to cross the reader's chunks several times, with lines of
// varying length so that lines straddle the chunk boundaries.
TEST_F(DiskFilesTest, ReadsAHundredThousandLines) {
  constexpr int count = 100000;
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    bytes += "\xB9\xDC\xB6\xCE " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), '-');
    if (i + 1 < count) bytes += "\r\n";
  }
  const std::string file = path("long.txt");
  disk.replace(file, bytes);
  const std::vector<std::string> read = lines(file);
  ASSERT_EQ(read.size(), static_cast<std::size_t>(count));
  for (int i : {0, 1, 4096, 54321, count - 1}) {
    EXPECT_EQ(read[static_cast<std::size_t>(i)],
              "\xB9\xDC\xB6\xCE " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), '-'));
  }
}

TEST_F(DiskFilesTest, FailuresNameThePathAndTheReason) {
  const std::string missing = path("没有的文件夹/book.txt");
  EXPECT_FAILURE(disk.append(missing, "a\r\n"), "无法打开计算书“" + missing + "”：路径中的文件夹不存在。");
  EXPECT_FAILURE(disk.replace(missing, "a\r\n"), "无法打开计算书“" + missing + "”：路径中的文件夹不存在。");
  const std::string never_written = path("book.txt");
  EXPECT_FAILURE(lines(never_written), "无法打开计算书“" + never_written + "”：文件不存在。");
  const std::string a_folder = folder.string();
  EXPECT_FAILURE(disk.append(a_folder, "a\r\n"),
                 "无法打开计算书“" + a_folder + "”：这是一个文件夹，不是文件。");
  EXPECT_FAILURE(lines(a_folder), "无法读取计算书“" + a_folder + "”：这是一个文件夹，不是文件。");
  EXPECT_FAILURE(disk.append("", "a\r\n"), "无法打开计算书“”：没有给出文件名。");
  EXPECT_FAILURE(disk.append("/dev/full", "a\r\n"), "无法写入计算书“/dev/full”：磁盘已满。");
  // A device that never ends, or a pipe, is no report to read: it would
  // fill the memory or wait for ever.
  EXPECT_FAILURE(lines("/dev/full"), "无法读取计算书“/dev/full”：这不是一个普通文件。");
  const std::string pipe = path("pipe");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0666), 0);
  EXPECT_FAILURE(lines(pipe), "无法读取计算书“" + pipe + "”：这不是一个普通文件。");
  EXPECT_THROW(disk.append(pipe, "a\r\n"), Failure);  // nobody reads it: fails, never hangs
  disk.append(path("plain.txt"), "");
  const std::string under_a_file = path("plain.txt/book.txt");
  EXPECT_FAILURE(disk.append(under_a_file, ""),
                 "无法打开计算书“" + under_a_file + "”：路径中有一部分不是文件夹。");
}

// The disk takes the first bytes of a segment line, then refuses the rest
// (here through the file-size limit): the half line is cut away again.
TEST_F(DiskFilesTest, WriteFailingPartWayLeavesTheEarlierLinesAlone) {
  const std::string file = path("book.txt");
  disk.append(file, "first\r\n");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tight = saved;
  tight.rlim_cur = 12;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
  EXPECT_FAILURE(disk.append(file, " 0-1          12.5\r\n"),
                 "无法写入计算书“" + file + "”：文件超出了系统允许的大小。");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(contents(file), "first\r\n");
}

}  // namespace
}  // namespace aquamere
