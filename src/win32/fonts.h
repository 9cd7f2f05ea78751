#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "common/form.h"
#include "common/wide_text.h"

namespace aquamere::win32 {

// The faces of one window's controls at the density of its screen: the
// model's font, or the default face at 9 pt, each the first of its faces
// installed (frontend/faces.h). Every font made is deleted with the object.
class Fonts {
 public:
  explicit Fonts(int dpi) : dpi_(dpi) {}
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;
  ~Fonts();

  HFONT font(const std::optional<Font>& font);
  int dpi() const { return dpi_; }

 private:
  int dpi_;
  std::map<std::pair<std::wstring, double>, HFONT> made_;
};

}  // namespace aquamere::win32
