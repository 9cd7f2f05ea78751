#include "scenario/window_picture.h"

// GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>

// After objidl.h.
#include <gdiplus.h>

#include <stdexcept>

#include "common/wide_text.h"

namespace aquamere::scenario {
namespace {

// The PNG encoder every GDI+ has.
constexpr CLSID png_encoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

class GdiPlus {
 public:
  GdiPlus() {
    const Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
  }
  GdiPlus(const GdiPlus&) = delete;
  GdiPlus& operator=(const GdiPlus&) = delete;
  ~GdiPlus() { Gdiplus::GdiplusShutdown(token_); }

 private:
  ULONG_PTR token_ = 0;
};

// The window's rectangle of the screen, copied into a bitmap.
HBITMAP copy_of_screen(const RECT& at) {
  const int width = at.right - at.left, height = at.bottom - at.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ before = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, at.left, at.top, SRCCOPY);
  SelectObject(memory, before);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

}  // namespace

void save_window_picture(HWND window, const std::string& path) {
  RECT at{};
  GetWindowRect(window, &at);
  const GdiPlus gdi_plus;
  HBITMAP bitmap = copy_of_screen(at);
  Gdiplus::Status saved = Gdiplus::GenericError;
  {
    Gdiplus::Bitmap picture(bitmap, nullptr);
    saved = picture.Save(to_wide(path).c_str(), &png_encoder, nullptr);
  }
  DeleteObject(bitmap);
  if (saved != Gdiplus::Ok) throw std::runtime_error("cannot write the screenshot " + path);
}

}  // namespace aquamere::scenario
