#include "scenario/win32_driver.h"

#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>

#include <stdexcept>

#include "frontend/menu_keys.h"
#include "program/program.h"
#include "scenario/gui_mode.h"
#include "scenario/variables.h"
#include "scenario/window_picture.h"
#include "win32/desktop.h"
#include "win32/handles.h"
#include "win32/menus.h"
#include "win32/message_loop.h"

namespace aquamere::scenario {
namespace {

using win32::FormWindow;
using win32::Handle;

std::wstring class_of(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return name;
}

bool is_class(HWND window, const wchar_t* name) { return lstrcmpiW(class_of(window).c_str(), name) == 0; }

LONG_PTR button_type(HWND button) { return Handle(button).style() & BS_TYPEMASK; }

bool is_check(HWND window) {
  const LONG_PTR type = button_type(window);
  return is_class(window, L"BUTTON") && (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON);
}

// A spot of the window's background that no control covers.
POINT free_spot(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  for (LONG y = 2; y < client.bottom; y += 4) {
    for (LONG x = 2; x < client.right; x += 4) {
      if (ChildWindowFromPointEx(window, {x, y}, CWP_SKIPINVISIBLE) == window) return {x, y};
    }
  }
  throw std::invalid_argument("the window has no free background");
}

// Where a user clicks a control: the middle, or for a check box or option
// the box or circle at its left.
POINT click_point(HWND control) {
  RECT r{};
  GetClientRect(control, &r);
  const LONG middle = r.bottom / 2;
  return is_check(control) ? POINT{middle, middle} : POINT{r.right / 2, middle};
}

LPARAM at(POINT p) { return MAKELPARAM(p.x, p.y); }

void press_and_release(HWND target, POINT p) {
  SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at(p));
  SendMessageW(target, WM_LBUTTONUP, 0, at(p));
}

std::string align_name(HWND control) {
  const LONG_PTR align = Handle(control).style() & (ES_CENTER | ES_RIGHT);  // as SS_CENTER, SS_RIGHT
  if (align == ES_RIGHT) return "right";
  if (align == ES_CENTER) return "center";
  return "left";
}

class Win32Driver : public Driver {
 public:
  Win32Driver(DialogPort& dialogs, FilePort& files, KeptSettings& kept)
      : program_(dialogs, files, kept), desktop_(program_) {
    settle();
  }

  // As typed over the whole text: it replaces the selection, all of it.
  void type(const std::string& window, const std::string& control, const std::string& text) override {
    HWND box = reachable(window, control);
    if (!is_class(box, L"EDIT")) throw std::invalid_argument(control + " is no text box");
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(to_wide(text).c_str()));
    settle();
  }

  void click(const std::string& window, const std::string& control) override {
    FormWindow& form = open_window(window);
    if (form.control(control) == nullptr) {
      const int command = form.menu_command(control);
      if (command == 0 && form.menu_text(control).empty())
        throw std::invalid_argument(window + " has no " + control);
      if (command != 0) SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    } else {
      HWND target = reachable(window, control);
      press_and_release(target, click_point(target));
    }
    settle();
  }

  // A click on the line, scrolled into view first as a user would.
  void select(const std::string& window, const std::string& control, int row) override {
    HWND list = reachable(window, control);
    if (!is_class(list, L"LISTBOX")) throw std::invalid_argument(control + " is no list box");
    if (row >= SendMessageW(list, LB_GETCOUNT, 0, 0))
      throw std::invalid_argument(control + " has no line " + std::to_string(row + 1));
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    RECT line{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&line));
    press_and_release(list, {(line.left + line.right) / 2, (line.top + line.bottom) / 2});
    settle();
  }

  void double_click(const std::string& window, const std::string& control) override {
    HWND target = control.empty() ? open_window(window).hwnd() : reachable(window, control);
    const POINT p = control.empty() ? free_spot(target) : click_point(target);
    press_and_release(target, p);
    SendMessageW(target, WM_LBUTTONDBLCLK, MK_LBUTTON, at(p));
    SendMessageW(target, WM_LBUTTONUP, 0, at(p));
    settle();
  }

  // The key as typed into the main window itself, with no text box
  // focused, where Ctrl+A/C/V/X would keep their editing meaning. It is
  // addressed to the window rather than to whatever has the focus, which
  // another program under the same Wine server may hold.
  void key(const std::string& keys) override {
    FormWindow& main = open_window("frmmain");
    const auto key = parse_menu_key(keys);
    if (!key || !answers(main, *key)) throw std::invalid_argument("no menu item answers " + keys);
    hold_ctrl(key->ctrl);
    MSG message{main.hwnd(), WM_KEYDOWN, win32::virtual_key(*key), 1, 0, {}};
    if (!win32::route_message(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    hold_ctrl(false);
    settle();
  }

  // As the close box does.
  void close(const std::string& window) override {
    SendMessageW(open_window(window).hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    settle();
  }

  // The display takes the drawing a moment after the window has drawn it.
  void screenshot(const std::string& window, const std::string& path) override {
    HWND shown = existing(window).hwnd();
    SetWindowPos(shown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    constexpr int rounds = 10, round_ms = 20;
    for (int i = 0; i < rounds; ++i) {
      settle();
      Sleep(round_ms);
    }
    save_window_picture(shown, path);
  }

  std::string text(const std::string& window, const std::string& control) override {
    FormWindow& form = existing(window);
    if (control.empty()) return Handle(form.hwnd()).text();
    HWND native = form.control(control);
    if (native == nullptr) {
      const std::string caption = form.menu_text(control);
      if (caption.empty()) throw std::invalid_argument(window + " has no control " + control);
      return caption;
    }
    if (is_check(native)) return win32::CheckButton(native).checked() ? "1" : "0";
    return Handle(native).text();
  }

  std::vector<std::string> items(const std::string& window, const std::string& control) override {
    HWND list = control_of(existing(window), control);
    if (!is_class(list, L"LISTBOX")) throw std::invalid_argument(control + " is no list box");
    return win32::ListBox(list).lines();
  }

  int selected(const std::string& window, const std::string& control) override {
    HWND list = control_of(existing(window), control);
    if (!is_class(list, L"LISTBOX")) throw std::invalid_argument(control + " is no list box");
    return win32::ListBox(list).chosen();
  }

  std::string align(const std::string& window, const std::string& control) override {
    HWND native = control_of(existing(window), control);
    return is_class(native, L"EDIT") || is_class(native, L"STATIC") ? align_name(native) : "left";
  }

  bool window_open(const std::string& window) override {
    const FormWindow* form = desktop_.window(window);
    return form != nullptr && IsWindowVisible(form->hwnd());
  }

  std::string variable(const std::string& name) override { return variable_text(program_.state(), name); }
  std::string report_path() override { return scenario::report_path(program_); }

 private:
  // Lets the front end finish what the last step started, windows it
  // discarded included.
  void settle() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!win32::route_message(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    desktop_.collect();
  }

  static void hold_ctrl(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    keys[VK_LCONTROL] = keys[VK_CONTROL];
    SetKeyboardState(keys);
  }

  // The main window's accelerators hold the key.
  static bool answers(const FormWindow& main, const MenuKey& key) {
    if (main.accelerators() == nullptr) return false;
    ACCEL table[32] = {};
    const int count = CopyAcceleratorTableW(main.accelerators(), table, 32);
    const WORD wanted = win32::virtual_key(key);
    for (int i = 0; i < count; ++i) {
      if (table[i].key == wanted && ((table[i].fVirt & FCONTROL) != 0) == key.ctrl) return true;
    }
    return false;
  }

  FormWindow& existing(const std::string& window) {
    FormWindow* form = desktop_.window(window);
    if (form == nullptr) throw std::invalid_argument("window " + window + " does not exist");
    return *form;
  }

  // The user reaches only windows that are open.
  FormWindow& open_window(const std::string& window) {
    FormWindow& form = existing(window);
    if (!IsWindowVisible(form.hwnd())) throw std::invalid_argument("window " + window + " is not open");
    return form;
  }

  static HWND control_of(const FormWindow& form, const std::string& control) {
    HWND native = form.control(control);
    if (native == nullptr) throw std::invalid_argument(form.name() + " has no control " + control);
    return native;
  }

  HWND reachable(const std::string& window, const std::string& control) {
    HWND native = control_of(open_window(window), control);
    if (!IsWindowVisible(native) || !IsWindowEnabled(native))
      throw std::invalid_argument(control + " cannot be reached");
    return native;
  }

  Program program_;
  win32::Desktop desktop_;
};

}  // namespace

std::unique_ptr<Driver> make_win32_driver(DialogPort& dialogs, FilePort& files, KeptSettings& kept) {
  return std::make_unique<Win32Driver>(dialogs, files, kept);
}

int play_with_gui(int, char**, const Player& play) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  return play(make_win32_driver);
}

}  // namespace aquamere::scenario
