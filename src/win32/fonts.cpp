#include "win32/fonts.h"

#include "frontend/faces.h"
#include "frontend/geometry.h"

namespace aquamere::win32 {
namespace {

bool installed(const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
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

// The first face installed, asked once a face; with none, the first, for
// the system's font mapper to match.
std::wstring face_of(const std::optional<Font>& font) {
  static std::map<std::string_view, bool> known;
  const auto faces = faces_for(font);
  const auto chosen = first_installed(faces, [](std::string_view face) {
    const auto [it, fresh] = known.try_emplace(face, false);
    if (fresh) it->second = installed(to_wide(face));
    return it->second;
  });
  return to_wide(chosen.value_or(faces.front()));
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
