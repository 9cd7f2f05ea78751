// The C library's fopen takes a path in the system's ANSI code page, which
// cannot spell every folder: the temporary folder of a user named in Chinese
// on a Windows of another language, say. The folder's short (8.3) name is
// plain ASCII wherever the disk keeps short names; where it keeps none, the
// long name serves when the code page can spell it.
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

std::wstring short_form(const std::wstring& path) {
  std::wstring short_path(path.size() + 1, L'\0');
  const DWORD length =
      GetShortPathNameW(path.c_str(), short_path.data(), static_cast<DWORD>(short_path.size()));
  if (length == 0 || length > short_path.size()) return path;
  short_path.resize(length);
  return short_path;
}

}  // namespace

std::string scratch_folder() {
  const std::wstring folder = temporary_folder();
  std::wstring path = short_form(folder);
  while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  const int wide_length = static_cast<int>(path.size());
  BOOL unspellable = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), wide_length, nullptr, 0,
                                         nullptr, &unspellable);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), wide_length, narrow.data(), length, nullptr,
                      &unspellable);
  if (length == 0 || unspellable) {
    throw Failure("无法写出Excel计算书：存放临时文件的文件夹“" + to_utf8(folder) +
                  "”的名字含有本机代码页以外的字符，而该磁盘不保留短文件名。");
  }
  return narrow;
}

}  // namespace aquamere::book
