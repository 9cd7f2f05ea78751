#include "frontend/faces.h"

#include <array>

namespace aquamere {
namespace {

// Windows' faces first, then those of the Linux desktops; AR PL UMing is
// a Ming face of SimSun's measures, WenQuanYi Micro Hei a sans-serif face
// that reads well on a screen at 9 pt.
constexpr std::array<std::string_view, 6> default_faces{
    "SimSun",           "Microsoft YaHei UI", "WenQuanYi Micro Hei",
    "Noto Sans CJK SC", "Microsoft YaHei",    "AR PL UMing CN"};
constexpr std::array<std::string_view, 6> song_faces{"SimSun",
                                                     "AR PL UMing CN",
                                                     "AR PL UMing TW",
                                                     "Noto Serif CJK SC",
                                                     "Microsoft YaHei UI",
                                                     "WenQuanYi Micro Hei"};
// The fixed-pitch Song where NSimSun is missing: AR PL UMing is a Ming face
// whose Chinese characters take two cells of its Latin ones, exactly, as
// the report's columns count them; the Mono faces after it draw a Chinese
// character narrower than two. SimHei and MS Gothic are fixed pitch on
// Windows as NSimSun is; monospace is fontconfig's own fixed-pitch face.
constexpr std::array<std::string_view, 8> fixed_song_faces{
    "NSimSun",   "AR PL UMing CN", "Noto Sans Mono CJK SC", "WenQuanYi Micro Hei Mono", "SimHei", "MS Gothic",
    "monospace", "Courier New"};

bool is_song(std::string_view family) { return family == "宋体" || family == "SimSun"; }
bool is_fixed_song(std::string_view family) { return family == "新宋体" || family == "NSimSun"; }

}  // namespace

std::span<const std::string_view> faces_for(const std::optional<Font>& font) {
  if (!font) return default_faces;
  if (is_song(font->family)) return song_faces;
  if (is_fixed_song(font->family)) return fixed_song_faces;
  return default_faces;
}

std::optional<std::string_view> first_installed(std::span<const std::string_view> faces,
                                                const std::function<bool(std::string_view face)>& installed) {
  for (const std::string_view face : faces) {
    if (installed(face)) return face;
  }
  return std::nullopt;
}

}  // namespace aquamere
