// The POSIX file port with what only a POSIX system has: devices that
// never end or are always full, pipes, and a file-size limit.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "disk_files_fixture.h"

namespace aquamere {
namespace {

TEST_F(DiskFilesTest, DevicesAndPipesAreNoReports) {
  EXPECT_FAILURE(disk.append("/dev/full", "a\r\n"), "无法写入文件“/dev/full”：磁盘已满。");
  // A device that never ends, or a pipe, is no report to read: it would
  // fill the memory or wait for ever.
  EXPECT_FAILURE(lines("/dev/full"), "无法读取文件“/dev/full”：这不是一个普通文件。");
  const std::string pipe = path("pipe");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0666), 0);
  EXPECT_FAILURE(lines(pipe), "无法读取文件“" + pipe + "”：这不是一个普通文件。");
  EXPECT_FAILURE(disk.read_tail("/dev/zero", 8), "无法读取文件“/dev/zero”：这不是一个普通文件。");
  EXPECT_THROW(disk.append(pipe, "a\r\n"), Failure);  // nobody reads it: fails, never hangs
}

// While one lives, the system lets a file grow to 12 bytes at most, as a
// nearly full disk would.
class TwelveByteFiles {
 public:
  TwelveByteFiles() : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit tight = saved_;
    tight.rlim_cur = 12;
    setrlimit(RLIMIT_FSIZE, &tight);
  }
  ~TwelveByteFiles() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }
  TwelveByteFiles(const TwelveByteFiles&) = delete;
  TwelveByteFiles& operator=(const TwelveByteFiles&) = delete;

 private:
  rlimit saved_{};
  void (*handler_)(int);
};

// The disk takes the first bytes of a segment line, then refuses the rest
// (here through the file-size limit): the half line is cut away again.
TEST_F(DiskFilesTest, WriteFailingPartWayLeavesTheEarlierLinesAlone) {
  const std::string file = path("book.txt");
  disk.append(file, "first\r\n");
  {
    const TwelveByteFiles limit;
    EXPECT_FAILURE(disk.append(file, " 0-1          12.5\r\n"),
                   "无法写入文件“" + file + "”：文件超出了系统允许的大小。");
  }
  EXPECT_EQ(contents(file), "first\r\n");
}

// The disk refuses the new file part-way: the old one stays byte for byte,
// and no part of the new one is left; a device is never replaced.
TEST_F(DiskFilesTest, AReplaceThatFailsLeavesTheOldFileAndNoOther) {
  const std::string file = path("book.xlsx");
  disk.replace_atomically(file, "old book");
  {
    const TwelveByteFiles limit;
    EXPECT_FAILURE(disk.replace_atomically(file, std::string(100, 'x')),
                   "无法写入文件“" + file + "”：文件超出了系统允许的大小。");
  }
  EXPECT_EQ(contents(file), "old book");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.string()), {}), 1);
  EXPECT_FAILURE(disk.replace_atomically("/dev/null", "x"), "无法写入文件“/dev/null”：这不是一个普通文件。");
}

// A symbolic link to the book keeps pointing at it, and the file keeps its
// permissions.
TEST_F(DiskFilesTest, ReplaceAtomicallyWritesThroughALinkAndKeepsThePermissions) {
  const std::string file = path("book.xlsx");
  const std::string link = path("link.xlsx");
  disk.replace_atomically(file, "old");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  ASSERT_EQ(::symlink(file.c_str(), link.c_str()), 0);
  disk.replace_atomically(link, "new");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(contents(file), "new");
  struct stat status {};
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace aquamere
