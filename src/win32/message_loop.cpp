#include "win32/message_loop.h"

#include "frontend/menu_keys.h"
#include "win32/form_window.h"

namespace aquamere::win32 {
namespace {

bool is_text_box(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return lstrcmpiW(name, L"EDIT") == 0;
}

bool ctrl_down() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

// A key that edits the focused text box rather than choosing a menu item.
bool edits_focused_text(const MSG& message) {
  if (message.message != WM_KEYDOWN || !ctrl_down() || !is_text_box(GetFocus())) return false;
  const auto key = static_cast<char>(message.wParam);
  return edits_text(MenuKey{.letter = key, .ctrl = true});
}

}  // namespace

bool route_message(MSG& message) {
  HWND top = GetAncestor(message.hwnd, GA_ROOT);
  FormWindow* window = top != nullptr ? FormWindow::of(top) : nullptr;
  if (window == nullptr) return false;
  if (edits_focused_text(message)) {
    // The edit control has no Ctrl+A of its own.
    if (message.wParam == 'A') {
      SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
      return true;
    }
    return false;
  }
  if (window->accelerators() != nullptr && TranslateAcceleratorW(top, window->accelerators(), &message))
    return true;
  return IsDialogMessageW(top, &message) != FALSE;
}

int run_message_loop(const std::function<void()>& after_each) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!route_message(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    after_each();
  }
  return static_cast<int>(message.wParam);
}

}  // namespace aquamere::win32
