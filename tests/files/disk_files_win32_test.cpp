// The Windows file port with what only Windows has: devices by name, files
// another program holds open, and read-only files, where the root of a
// drive gets the hint to choose another folder.
#include "files/disk_files_win32.h"

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
  EXPECT_FAILURE(disk.append("NUL", "a\r\n"), "无法写入文件“NUL”：这不是一个普通文件。");
  EXPECT_FAILURE(lines("NUL"), "无法读取文件“NUL”：这不是一个普通文件。");
}

// The report open in another program that shares it with nobody.
TEST_F(DiskFilesTest, AFileHeldByAnotherProgramIsNamedSo) {
  const std::string file = path("book.txt");
  disk.append(file, "a\r\n");
  HANDLE held = CreateFileW(to_wide(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FAILURE(disk.append(file, "b\r\n"), "无法打开文件“" + file + "”：文件正被另一个程序占用。");
  EXPECT_FAILURE(disk.rename(file, path("moved.txt")),
                 "无法替换文件“" + file + "”：文件正被另一个程序占用。");
  EXPECT_FALSE(disk.exists(path("moved.txt")));
  CloseHandle(held);
  EXPECT_EQ(contents(file), "a\r\n");
}

// A read-only file is named so wherever it is; only a file Windows will
// not create at a drive's root gets the hint to choose another folder.
// (Wine run as root writes read-only files: the reasons are asked directly.)
TEST_F(DiskFilesTest, AReadOnlyFileIsNamedSoBeforeTheDriveRootsHint) {
  const std::string root_file = "c:\\aquamere-read-only.txt";
  disk.append(root_file, "");
  SetFileAttributesW(to_wide(root_file).c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(windows_files::reason(root_file, ERROR_ACCESS_DENIED, true), "文件是只读的");
  SetFileAttributesW(to_wide(root_file).c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(to_wide(root_file).c_str());
  EXPECT_EQ(windows_files::reason(root_file, ERROR_ACCESS_DENIED, true),
            "没有访问权限。Windows 只让管理员在磁盘的根文件夹中写文件");
  EXPECT_EQ(windows_files::reason(path("book.txt"), ERROR_ACCESS_DENIED, true), "没有访问权限");
}

// Windows' own texts end in a full stop of their language; the message
// adds its own, once.
TEST_F(DiskFilesTest, WindowsOwnTextsLoseTheirFullStop) {
  EXPECT_EQ(windows_files::without_closing_stop(L"设备未就绪。\r\n"), L"设备未就绪");
  EXPECT_EQ(windows_files::without_closing_stop(L"The device is not ready.\r\n"), L"The device is not ready");
  const std::string said = windows_files::reason(path("book.txt"), ERROR_NOT_READY, true);
  EXPECT_FALSE(said.ends_with("。") || said.ends_with(".")) << said;
}

// Characters no Windows file name may hold are named, not taken for a
// missing folder.
TEST_F(DiskFilesTest, InvalidFileNamesGetTheirOwnReason) {
  for (const char* name : {"a?b.txt", "a*b.txt", "a<b.txt"}) {
    const std::string file = path(name);
    EXPECT_FAILURE(disk.append(file, "a\r\n"),
                   "无法打开文件“" + file + "”：文件名中有 Windows 不允许的字符（\\ / : * ? \" < > |）。");
  }
}

// A path longer than MAX_PATH works where the system allows long paths;
// where it does not, or beyond any length, it is named as too long.
TEST_F(DiskFilesTest, LongPathsWorkOrAreNamedTooLong) {
  std::vector<std::wstring> made;
  std::string deep = folder.string();
  while (deep.size() < 300) {
    deep += "\\" + std::string(40, 'd');
    made.push_back(L"\\\\?\\" + to_wide(deep));
    CreateDirectoryW(made.back().c_str(), nullptr);
  }
  const std::string file = deep + "\\book.txt";
  try {
    disk.append(file, "a\r\n");
    EXPECT_EQ(lines(file), std::vector<std::string>{"a"});
  } catch (const Failure& failure) {
    EXPECT_NE(std::string(failure.what()).find("路径太长"), std::string::npos) << failure.what();
  }
  DeleteFileW((made.back() + L"\\book.txt").c_str());
  for (auto folder_made = made.rbegin(); folder_made != made.rend(); ++folder_made)
    RemoveDirectoryW(folder_made->c_str());
  std::string endless = folder.string();
  while (endless.size() < 33000) endless += "\\" + std::string(200, 'x');
  try {
    disk.append(endless, "a\r\n");
    ADD_FAILURE() << "a path of " << endless.size() << " characters was taken";
  } catch (const Failure& failure) {
    EXPECT_TRUE(std::string(failure.what()).ends_with("”：路径太长。")) << failure.what();
  }
}

}  // namespace
}  // namespace aquamere
