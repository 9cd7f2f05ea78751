// The scratch folder libxlsxwriter writes in, named to the C library on
// Windows: by its short form when the code page cannot spell it, and in
// UTF-8 where that is the system's code page.
#include "book/scratch_folder_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "book/scratch_folder.h"
#include "common/wide_text.h"

namespace aquamere::book {
namespace {

bool ascii(std::wstring_view text) {
  return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

// "…\张三" is two characters longer than its folder; its short form, as
// "…\ABCD~1", is longer than the long one where the folders on the way are
// short names themselves.
TEST(ScratchFolder, AShortFormLongerThanTheLongOneIsFound) {
  wchar_t temp[MAX_PATH + 1];
  const std::wstring parent = std::wstring(temp, GetTempPathW(MAX_PATH + 1, temp)) + L"aq" +
                              std::to_wstring(GetCurrentProcessId() % 10000);
  const std::wstring folder = parent + L"\\张三";
  CreateDirectoryW(parent.c_str(), nullptr);
  CreateDirectoryW(folder.c_str(), nullptr);
  wchar_t asked[1024];
  const DWORD length = GetShortPathNameW(folder.c_str(), asked, 1024);
  if (std::wstring_view(asked, length) == folder) GTEST_SKIP() << "this disk keeps no short names";
  const std::wstring short_path = short_form(folder);
  EXPECT_TRUE(ascii(short_path)) << to_utf8(short_path);
  EXPECT_NE(GetFileAttributesW(short_path.c_str()), INVALID_FILE_ATTRIBUTES);
  SetEnvironmentVariableW(L"TMP", folder.c_str());
  const std::string scratch = scratch_folder();
  SetEnvironmentVariableW(L"TMP", nullptr);
  RemoveDirectoryW(folder.c_str());
  RemoveDirectoryW(parent.c_str());
  EXPECT_TRUE(std::all_of(scratch.begin(), scratch.end(), [](char c) { return (c & 0x80) == 0; })) << scratch;
}

// With the system's code page set to UTF-8 every path is spelt; a code page
// that lacks a character spells nothing.
TEST(ScratchFolder, PathsInTheCodePages) {
  EXPECT_EQ(in_code_page(L"C:\\用户\\张三", CP_UTF8), "C:\\用户\\张三");
  EXPECT_EQ(in_code_page(L"C:\\用户\\张三", 936), "C:\\\xD3\xC3\xBB\xA7\\\xD5\xC5\xC8\xFD");
  EXPECT_EQ(in_code_page(L"C:\\用户\\张三", 1252), std::nullopt);
  EXPECT_EQ(in_code_page(L"C:\\Temp", 1252), "C:\\Temp");
}

}  // namespace
}  // namespace aquamere::book
