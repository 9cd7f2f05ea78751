#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "common/form.h"

namespace aquamere {

// The size of the text of a control whose layout names no font.
inline constexpr double default_points = 9;

// The faces a control's text may be drawn in, best first; a front end
// draws in the first one installed. Without a font of its own a control
// has the face a Chinese Windows program of this kind uses, Song (宋体,
// SimSun), or a Chinese face for the screen where there is none. Song maps
// to the closest Song face there is; the fixed-pitch Song (新宋体, NSimSun),
// in which the report viewer's columns line up, to a face that is fixed
// pitch too, with a Chinese character two columns wide. The layouts name
// no other family.
std::span<const std::string_view> faces_for(const std::optional<Font>& font);

// The first of the faces that is installed; none when none is.
std::optional<std::string_view> first_installed(std::span<const std::string_view> faces,
                                                const std::function<bool(std::string_view face)>& installed);

}  // namespace aquamere
