// Exporting the book on a POSIX disk: links to the report or its journal,
// a file system that is full or takes no new file, a temporary folder that
// takes none. Nothing the user had is lost, and nothing is left behind.
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "book/export_book.h"
#include "expect_failure.h"
#include "files/disk_files.h"
#include "program_fixture.h"
#include "temp_folder.h"

namespace aquamere::book {
namespace {

namespace fs = std::filesystem;

// A session's report and journal on the disk, as r.txt and r.txt.json.
class Export : public ProgramTest {
 protected:
  void SetUp() override {
    type("t_Ng", "4");
    type("t_fz", "5");
    click("mnukill");
    click("cmdjsmll");
    write(report, disk.files.at("c:\\file.txt"));
    write(report + ".json", disk.files.at("c:\\file.txt.json"));
  }
  static void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static std::size_t files_in(const std::string& where) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(where), {}));
  }

  TempFolder folder;
  DiskFiles real;
  const std::string report = folder.path("r.txt");
};

TEST_F(Export, LinksToTheReportOrItsJournalAreRefused) {
  const std::string before = read(report);
  for (const std::string& own : {report, report + ".json"}) {
    const std::string hard = folder.path("hard.xlsx"), soft = folder.path("soft.xlsx");
    fs::create_hard_link(own, hard);
    fs::create_symlink(own, soft);
    for (const std::string& link : {hard, soft})
      EXPECT_FAILURE(export_book(real, report, link),
                     "Excel计算书不能保存为计算书或其记录文件“" + own + "”。");
    fs::remove(hard);
    fs::remove(soft);
  }
  EXPECT_EQ(read(report), before);
  EXPECT_EQ(files_in(folder.string()), 2u);
}

// A small file system of its own, filled up: the book before stays byte
// for byte, a new one leaves no file. Needs the right to mount (root).
TEST_F(Export, AFullDiskLeavesTheBookBeforeAndNoNewFile) {
  const std::string disk_folder = folder.path("small");
  fs::create_directory(disk_folder);
  if (::mount("tmpfs", disk_folder.c_str(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "cannot mount a small file system here (" << std::strerror(errno) << ")";
  const std::string book = disk_folder + "/book.xlsx";
  write(book, "the book before");
  {
    std::ofstream filler(disk_folder + "/filler", std::ios::binary);
    const std::string block(1024, 'x');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
    }
  }
  EXPECT_FAILURE(export_book(real, report, book), "无法写入Excel计算书“" + book + "”：磁盘已满。");
  EXPECT_EQ(read(book), "the book before");
  EXPECT_EQ(files_in(disk_folder), 2u);
  fs::remove(book);
  EXPECT_THROW(export_book(real, report, book), Failure);
  EXPECT_EQ(files_in(disk_folder), 1u);
  ::umount(disk_folder.c_str());
}

// /proc takes no new file, though the folder is there; a temporary folder
// that takes none is named, in one sentence.
TEST_F(Export, FoldersThatTakeNoFileAreNamedWithTheTrueReason) {
  EXPECT_FAILURE(export_book(real, report, "/proc/x.xlsx"),
                 "无法打开Excel计算书“/proc/"
                 "x.xlsx”：文件夹所在的文件系统不允许在其中新建文件（系统的特殊文件夹，如/proc）。");
  const char* saved = std::getenv("TMPDIR");
  const std::string before = saved == nullptr ? "" : saved;
  ::setenv("TMPDIR", "/proc", 1);
  EXPECT_FAILURE(export_book(real, report, folder.path("b.xlsx")),
                 "无法写出Excel计算书：无法在存放临时文件的文件夹“/proc”中建立临时文件。");
  if (saved == nullptr) {
    ::unsetenv("TMPDIR");
  } else {
    ::setenv("TMPDIR", before.c_str(), 1);
  }
  EXPECT_FALSE(fs::exists(folder.path("b.xlsx")));
}

}  // namespace
}  // namespace aquamere::book
