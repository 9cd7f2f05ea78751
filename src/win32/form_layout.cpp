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
// take no focus (labels, frames) follow the others, each frame behind the
// controls it holds.
std::vector<std::size_t> making_order(const Form& form) {
  std::vector<std::size_t> order;
  for (const Control* c : tab_order(form))
    order.push_back(static_cast<std::size_t>(c - form.controls.data()));
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const Control& c = form.controls[i];
    if (c.kind != Kind::MenuItem && !takes_focus(c)) order.push_back(i);
  }
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

// The window's outer size for a client area of the form's size at that
// density.
SIZE FormWindow::frame_size(int dpi) const {
  RECT frame{0, 0, to_pixels(form_.width, dpi), to_pixels(form_.height, dpi)};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)),
                           GetMenu(hwnd_) != nullptr, 0, static_cast<UINT>(dpi));
  return {frame.right - frame.left, frame.bottom - frame.top};
}

// The window sized for a client area of the form's size at its density,
// put right once more where the frame the system draws (its caption and
// menu bar) is not the one it measured.
void FormWindow::size_to_form() {
  const int dpi = fonts_->dpi();
  const SIZE wanted{to_pixels(form_.width, dpi), to_pixels(form_.height, dpi)};
  SIZE size = frame_size(dpi);
  for (int tries = 0; tries < 2; ++tries) {
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right == wanted.cx && client.bottom == wanted.cy) return;
    size.cx += wanted.cx - client.right;
    size.cy += wanted.cy - client.bottom;
  }
}

// Each control begins a group but an option that follows an option of its
// choice: the arrow keys move among the options of one choice, which the
// tab order keeps together.
void FormWindow::make_controls() {
  natives_.assign(form_.controls.size(), nullptr);
  const Control* before = nullptr;
  for (const std::size_t i : making_order(form_)) {
    const Control& c = form_.controls[i];
    make_native(i, before == nullptr || !same_choice(*before, c));
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

// On a screen of another density: the window where the system suggests,
// at the size whose client area is the form's at the new density (the
// size the system asked for first, which its own scaling of the frame can
// miss by a pixel or two), the controls laid out and their fonts made again
// at the new density, the old fonts deleted once no control uses them.
void FormWindow::change_dpi(int dpi, const RECT& suggested) {
  std::unique_ptr<Fonts> old = std::move(fonts_);
  fonts_ = std::make_unique<Fonts>(dpi);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  size_to_form();
  place_controls();
}

}  // namespace aquamere::win32
