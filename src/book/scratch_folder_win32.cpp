// The C library's fopen takes a path in the system's ANSI code page, which
// cannot spell every folder: the temporary folder of a user named in Chinese
// on a Windows of another language, say. The folder's short (8.3) name is
// plain ASCII wherever the disk keeps short names; where it keeps none, the
// long name serves when the code page can spell it.
#include "book/scratch_folder_win32.h"

#include <windows.h>

#include "book/scratch_folder.h"
#include "common/failure.h"
#include "common/wide_text.h"

namespace aquamere::book {
namespace {

std::wstring temporary_folder() {
  std::wstring folder(MAX_PATH + 1, L'\0');
  const DWORD length = GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
  if (length == 0 || length > folder.size()) {
    throw Failure("无法写出Excel计算书：找不到存放临时文件的文件夹。");
  }
  folder.resize(length);
  return folder;
}

}  // namespace

// The short form can be longer than the long one ("…\张三" has a
// 19-character short form): its size is asked for first.
std::wstring short_form(const std::wstring& path) {
  const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (needed == 0) return path;
  std::wstring short_path(needed, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), short_path.data(), needed);
  if (length == 0 || length >= needed) return path;
  short_path.resize(length);
  return short_path;
}

// UTF-8, which a Windows may take as its code page, spells every path and
// refuses the flags that ask whether a character was unspellable.
std::optional<std::string> in_code_page(std::wstring_view path, unsigned code_page) {
  const int wide_length = static_cast<int>(path.size());
  const bool utf8 = code_page == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL unspellable = FALSE;
  BOOL* asked = utf8 ? nullptr : &unspellable;
  const int length =
      WideCharToMultiByte(code_page, flags, path.data(), wide_length, nullptr, 0, nullptr, asked);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(code_page, flags, path.data(), wide_length, narrow.data(), length, nullptr, asked);
  if (length == 0 || unspellable) return std::nullopt;
  return narrow;
}

std::string scratch_folder() {
  const std::wstring folder = temporary_folder();
  std::wstring path = short_form(folder);
  while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  const std::optional<std::string> narrow = in_code_page(path, GetACP());
  if (!narrow) {
    throw Failure("无法写出Excel计算书：存放临时文件的文件夹“" + to_utf8(folder) +
                  "”的名字含有本机代码页以外的字符，而该磁盘不保留短文件名。");
  }
  return *narrow;
}

}  // namespace aquamere::book
