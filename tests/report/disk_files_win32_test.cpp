// The Windows file port with what only Windows has: devices by name, files
// another program holds open, and read-only files, where the root of a
// drive gets the hint to choose another folder.
#include <windows.h>

#include "common/wide_text.h"
#include "disk_files_fixture.h"

namespace aquamere {
namespace {

TEST_F(DiskFilesTest, DevicesAreNoReports) {
  HANDLE nul = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  const bool disk_file = GetFileType(nul) == FILE_TYPE_DISK;
  CloseHandle(nul);
  if (disk_file) GTEST_SKIP() << "this system reports the NUL device as a disk file (Wine does)";
  EXPECT_FAILURE(disk.append("NUL", "a\r\n"), "无法写入计算书“NUL”：这不是一个普通文件。");
  EXPECT_FAILURE(lines("NUL"), "无法读取计算书“NUL”：这不是一个普通文件。");
}

// The report open in another program that shares it with nobody.
TEST_F(DiskFilesTest, AFileHeldByAnotherProgramIsNamedSo) {
  const std::string file = path("book.txt");
  disk.append(file, "a\r\n");
  HANDLE held = CreateFileW(to_wide(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FAILURE(disk.append(file, "b\r\n"), "无法打开计算书“" + file + "”：文件正被另一个程序占用。");
  CloseHandle(held);
  EXPECT_EQ(contents(file), "a\r\n");
}

TEST_F(DiskFilesTest, AReadOnlyFileIsRefusedWithAHintAtADrivesRoot) {
  const std::string file = path("book.txt");
  disk.append(file, "a\r\n");
  SetFileAttributesW(to_wide(file).c_str(), FILE_ATTRIBUTE_READONLY);
  HANDLE writable = CreateFileW(to_wide(file).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (writable != INVALID_HANDLE_VALUE) {
    CloseHandle(writable);
    SetFileAttributesW(to_wide(file).c_str(), FILE_ATTRIBUTE_NORMAL);
    GTEST_SKIP() << "this system lets a read-only file be written (Wine run as root does)";
  }
  EXPECT_FAILURE(disk.append(file, "b\r\n"), "无法打开计算书“" + file + "”：没有访问权限。");
  SetFileAttributesW(to_wide(file).c_str(), FILE_ATTRIBUTE_NORMAL);
  const std::string root_file = "c:\\aquamere-read-only.txt";
  disk.append(root_file, "");
  SetFileAttributesW(to_wide(root_file).c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FAILURE(
      disk.append(root_file, "a\r\n"),
      "无法打开计算书“c:\\aquamere-read-only.txt”：没有访问权限。Windows 只让管理员在磁盘的根文件夹中写文件，"
      "请在“计算 → 设置参数”中把计算书保存路径改到自己的文件夹。");
  SetFileAttributesW(to_wide(root_file).c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(to_wide(root_file).c_str());
}

}  // namespace
}  // namespace aquamere
