// The file port's behaviour on every system: whole lines in, lines out,
// and failures that name the path and the reason in the user's words.
#include "disk_files_fixture.h"

namespace aquamere {
namespace {

TEST_F(DiskFilesTest, AppendCreatesAndExtendsReplaceStartsAfresh) {
  const std::string file = path("book.txt");
  disk.append(file, "");
  EXPECT_TRUE(std::filesystem::exists(file));
  disk.append(file, "a\r\n");
  disk.append(file, "b\r\n");
  EXPECT_EQ(contents(file), "a\r\nb\r\n");
  disk.replace(file, "c\r\n");
  EXPECT_EQ(contents(file), "c\r\n");
}

// The whole file in one step: the old one stays until the new one is on
// the disk, and nothing else is left in the folder.
TEST_F(DiskFilesTest, ReplaceAtomicallyPutsTheWholeFileInPlace) {
  const std::string file = path("book.xlsx");
  disk.replace_atomically(file, "first");
  disk.replace_atomically(file, "second");
  EXPECT_EQ(contents(file), "second");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.string()), {}), 1);
  const std::string missing = path("none/book.xlsx");
  EXPECT_FAILURE(disk.replace_atomically(missing, "x"),
                 "无法打开文件“" + missing + "”：路径中的文件夹不存在。");
  const std::string a_folder = folder.string();
  EXPECT_THROW(disk.replace_atomically(a_folder, "x"), Failure);
  EXPECT_TRUE(std::filesystem::is_directory(a_folder));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.string()), {}), 1);
}

// A hard link names the same file, by device and inode or by volume serial
// number and file index; another file with the same bytes does not.
TEST_F(DiskFilesTest, IdentityTellsALinkFromAnotherFile) {
  const std::string file = path("r.txt"), link = path("link.txt"), other = path("other.txt");
  disk.append(file, "a\r\n");
  disk.append(other, "a\r\n");
  std::filesystem::create_hard_link(file, link);
  ASSERT_TRUE(disk.identity(file));
  EXPECT_EQ(disk.identity(link), disk.identity(file));
  EXPECT_NE(disk.identity(other), disk.identity(file));
  EXPECT_EQ(disk.identity(path("none.txt")), std::nullopt);
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
  EXPECT_FAILURE(disk.cut(path("none.txt"), 0), "无法打开文件“" + path("none.txt") + "”：文件不存在。");
}

// The end of a file in one reading, for undoing its last segment: its last
// bytes and its size; a missing file has none, a folder is no report.
TEST_F(DiskFilesTest, ReadTailGivesTheLastBytesAndTheSize) {
  const std::string file = path("book.txt");
  EXPECT_FALSE(disk.read_tail(file, 8).has_value());
  disk.append(file, "first\r\nsecond\r\n");
  const std::optional<FileTail> tail = disk.read_tail(file, 8);
  ASSERT_TRUE(tail.has_value());
  EXPECT_EQ(tail->size, 15u);
  EXPECT_EQ(tail->bytes, "second\r\n");
  EXPECT_EQ(disk.read_tail(file, 100)->bytes, "first\r\nsecond\r\n");
  EXPECT_EQ(disk.read_tail(file, 0)->bytes, "");
  const std::string a_folder = folder.string();
  EXPECT_FAILURE(disk.read_tail(a_folder, 8), "无法读取文件“" + a_folder + "”：这是一个文件夹，不是文件。");
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

// A report in a folder with a Chinese name: the path goes to the system in
// its own encoding, not byte by byte.
TEST_F(DiskFilesTest, ChineseFolderNamesWork) {
  const std::string file = path("给水计算/计算书.txt");
  EXPECT_FAILURE(disk.append(file, "a\r\n"), "无法打开文件“" + file + "”：路径中的文件夹不存在。");
  EXPECT_FAILURE(disk.replace(file, "a\r\n"), "无法打开文件“" + file + "”：路径中的文件夹不存在。");
  folder.make_folder("给水计算");
  disk.append(file, "a\r\n");
  EXPECT_EQ(lines(file), std::vector<std::string>{"a"});
}

TEST_F(DiskFilesTest, FailuresNameThePathAndTheReason) {
  const std::string never_written = path("book.txt");
  EXPECT_FAILURE(lines(never_written), "无法打开文件“" + never_written + "”：文件不存在。");
  const std::string a_folder = folder.string();
  EXPECT_FAILURE(disk.append(a_folder, "a\r\n"),
                 "无法打开文件“" + a_folder + "”：这是一个文件夹，不是文件。");
  EXPECT_FAILURE(lines(a_folder), "无法读取文件“" + a_folder + "”：这是一个文件夹，不是文件。");
  EXPECT_FAILURE(disk.append("", "a\r\n"), "无法打开文件“”：没有给出文件名。");
  disk.append(path("plain.txt"), "");
  const std::string under_a_file = path("plain.txt/book.txt");
  EXPECT_FAILURE(disk.append(under_a_file, ""),
                 "无法打开文件“" + under_a_file + "”：路径中有一部分不是文件夹。");
}

}  // namespace
}  // namespace aquamere
