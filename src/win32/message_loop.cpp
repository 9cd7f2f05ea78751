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

bool key_down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// Whether a key typed with Ctrl into a text box stays there rather than
// choosing a menu item: Ctrl+X, C, V, A and Z cut, copy, paste, select all
// and undo the typing, and Ctrl together with Alt is AltGr on many
// keyboards, which types a character (ą is AltGr+A on a Polish one). The
// box is the one the key was sent to, not whichever window has the focus
// when the key is read: another program taking the foreground in between
// must not turn select-all into a menu command.
bool stays_in_text_box(const MSG& message) {
  if (message.message != WM_KEYDOWN || !key_down(VK_CONTROL) || !is_text_box(message.hwnd)) return false;
  return key_down(VK_MENU) || edits_text(MenuKey{.letter = static_cast<char>(message.wParam), .ctrl = true});
}

bool selects_all(const MSG& message) { return message.wParam == 'A' && !key_down(VK_MENU); }

}  // namespace

bool route_message(MSG& message) {
  HWND top = GetAncestor(message.hwnd, GA_ROOT);
  FormWindow* window = top != nullptr ? FormWindow::of(top) : nullptr;
  if (window == nullptr) return false;
  if (stays_in_text_box(message)) {
    // The edit control has no Ctrl+A of its own.
    if (!selects_all(message)) return false;
    SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
    return true;
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
