#include "win32/modal_box.h"

namespace aquamere::win32 {
namespace {

// The program's windows other than the box's owner take no input while the
// box is up.
struct Others {
  HWND owner;
  BOOL enabled;
};

BOOL CALLBACK set_enabled(HWND window, LPARAM others) {
  const auto& o = *reinterpret_cast<const Others*>(others);
  if (window != o.owner && IsWindowVisible(window)) EnableWindow(window, o.enabled);
  return TRUE;
}

void enable_others(HWND owner, BOOL enabled) {
  Others others{owner, enabled};
  EnumThreadWindows(GetCurrentThreadId(), &set_enabled, reinterpret_cast<LPARAM>(&others));
}

BOOL CALLBACK first_shown(HWND window, LPARAM found) {
  if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The active window; when the program has none (another program took the
// foreground in the middle of a command), its first window shown, so that
// the box still belongs to the program and the program is active again
// when it goes.
HWND box_owner() {
  HWND owner = GetActiveWindow();
  if (owner == nullptr)
    EnumThreadWindows(GetCurrentThreadId(), &first_shown, reinterpret_cast<LPARAM>(&owner));
  return owner;
}

}  // namespace

// Disabling a window takes the focus from its controls, so the control
// that had it is noted first.
BoxOverTheProgram::BoxOverTheProgram() : owner_(box_owner()), focus_(GetFocus()) {
  if (owner_ == nullptr || (focus_ != owner_ && !IsChild(owner_, focus_))) focus_ = nullptr;
  enable_others(owner_, FALSE);
}

BoxOverTheProgram::~BoxOverTheProgram() {
  enable_others(owner_, TRUE);
  if (owner_ == nullptr || !IsWindow(owner_)) return;
  if (GetActiveWindow() != owner_) SetActiveWindow(owner_);
  if (focus_ != nullptr && IsWindow(focus_) && GetFocus() != focus_) SetFocus(focus_);
}

}  // namespace aquamere::win32
