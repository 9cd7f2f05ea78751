// Where a window's native controls stand: made in tab order at the form's
// geometry, scaled with the density of the window's screen, and laid out
// afresh when the window moves to a screen of another density.
#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>

#include "frontend/form_view.h"
#include "frontend/geometry.h"
#include "win32/controls.h"
#include "win32/form_window.h"
#include "win32/menus.h"

namespace aquamere::win32 {
namespace {

Rect intersection(const Rect& a, const Rect& b) {
  const int left = std::max(a.left, b.left), top = std::max(a.top, b.top);
  const int right = std::min(a.left + a.width, b.left + b.width);
  const int bottom = std::min(a.top + a.height, b.top + b.height);
  return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

// The order in which the controls are made is the tab order: those that
// take no focus follow the others.
std::vector<std::size_t> making_order(const Form& form) {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    if (form.controls[i].kind != Kind::MenuItem) order.push_back(i);
  }
  const auto rank = [&](std::size_t i) {
    const int tab = form.controls[i].tab;
    return tab < 0 ? static_cast<int>(form.controls.size()) + 1000 : tab;
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return rank(a) < rank(b); });
  return order;
}

}  // namespace

// A control is cut to the edges of its frame and of the window, as a
// window clips a control drawn past them.
RECT FormWindow::pixel_rect(const Control& c) const {
  Rect rect = intersection(client_rect(form_, c), {0, 0, form_.width, form_.height});
  if (!c.parent.empty()) rect = intersection(rect, client_rect(form_, form_.at(c.parent)));
  const PixelRect at = to_pixels(rect, fonts_->dpi());
  return {at.left, at.top, at.left + at.width, at.top + at.height};
}

void FormWindow::size_to_form() {
  const int dpi = fonts_->dpi();
  RECT frame{0, 0, to_pixels(form_.width, dpi), to_pixels(form_.height, dpi)};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)),
                           GetMenu(hwnd_) != nullptr, 0, static_cast<UINT>(dpi));
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Each option that follows no option of its frame begins a group, and so
// does every other control: the arrow keys move among one frame's options.
void FormWindow::make_controls() {
  natives_.assign(form_.controls.size(), nullptr);
  const Control* before = nullptr;
  for (const std::size_t i : making_order(form_)) {
    const Control& c = form_.controls[i];
    const bool in_group = c.kind == Kind::OptionButton && before != nullptr &&
                          before->kind == Kind::OptionButton && before->parent == c.parent;
    make_native(i, !in_group);
    before = &c;
  }
}

// Makes the native control of the control at `place`; one made before is
// replaced where it stood in the tab order.
void FormWindow::make_native(std::size_t place, bool starts_group) {
  const Control& c = form_.controls[place];
  const RECT at = pixel_rect(c);
  HWND made = make_control(c, hwnd_, {at.left, at.top, at.right - at.left, at.bottom - at.top}, starts_group,
                           command_id(place));
  SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->font(c.font)), FALSE);
  if (c.kind == Kind::TextBox)
    SetWindowSubclass(made, &FormWindow::text_box_procedure, 0, reinterpret_cast<DWORD_PTR>(this));
  HWND old = natives_[place];
  if (old != nullptr) {
    SetWindowPos(made, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (GetFocus() == old) SetFocus(made);
    DestroyWindow(old);
  }
  natives_[place] = made;
}

void FormWindow::place_controls() {
  for (std::size_t i = 0; i < natives_.size(); ++i) {
    if (natives_[i] == nullptr) continue;
    const RECT at = pixel_rect(form_.controls[i]);
    MoveWindow(natives_[i], at.left, at.top, at.right - at.left, at.bottom - at.top, FALSE);
    SendMessageW(natives_[i], WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->font(form_.controls[i].font)),
                 FALSE);
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
}

// On a screen of another density: the suggested frame, the controls laid
// out and their fonts made again at the new density, the old fonts deleted
// once no control uses them.
void FormWindow::change_dpi(int dpi, const RECT& suggested) {
  std::unique_ptr<Fonts> old = std::move(fonts_);
  fonts_ = std::make_unique<Fonts>(dpi);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  place_controls();
}

}  // namespace aquamere::win32
