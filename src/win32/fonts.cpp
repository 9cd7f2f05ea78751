#include "win32/fonts.h"

#include "frontend/geometry.h"

namespace aquamere::win32 {
namespace {

constexpr double default_points = 9;

bool installed(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  HDC screen = GetDC(nullptr);
  bool found = false;
  EnumFontFamiliesExW(
      screen, &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM seen) {
        *reinterpret_cast<bool*>(seen) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

const wchar_t* song_face() {
  static const bool simsun = installed(L"SimSun");
  return simsun ? L"SimSun" : L"Microsoft YaHei UI";
}

std::wstring face_of(const std::optional<Font>& font) {
  if (!font || font->family == "宋体" || font->family == "SimSun") return song_face();
  if (font->family == "新宋体" || font->family == "NSimSun") return L"NSimSun";
  return to_wide(font->family);
}

}  // namespace

Fonts::~Fonts() {
  for (const auto& [key, font] : made_) DeleteObject(font);
}

HFONT Fonts::font(const std::optional<Font>& font) {
  const std::pair<std::wstring, double> key{face_of(font), font ? font->points : default_points};
  HFONT& made = made_[key];
  if (made == nullptr) {
    made = CreateFontW(-point_pixels(key.second, dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, key.first.c_str());
  }
  return made;
}

}  // namespace aquamere::win32
