#include "win32/form_window.h"

#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>
#include <windowsx.h>

#include "frontend/form_view.h"
#include "frontend/menu_keys.h"
#include "program/program.h"
#include "win32/controls.h"
#include "win32/handles.h"
#include "win32/menus.h"

namespace aquamere::win32 {
namespace {

constexpr wchar_t window_class[] = L"AquamereWindow";
constexpr int program_icon = 1;  // the icon resource of the program, if it has one
// A fixed frame, as the layouts were drawn for one size. The window paints
// its background under its controls too: a frame draws only its line and
// caption.
constexpr DWORD window_style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

void register_class(WNDPROC procedure) {
  static const ATOM registered = [procedure] {
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.style = CS_DBLCLKS;  // double-clicks on the background are commands
    c.lpfnWndProc = procedure;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hIcon = LoadIconW(c.hInstance, MAKEINTRESOURCEW(program_icon));
    c.hIconSm =
        static_cast<HICON>(LoadImageW(c.hInstance, MAKEINTRESOURCEW(program_icon), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    c.lpszClassName = window_class;
    return RegisterClassExW(&c);
  }();
  (void)registered;
}

}  // namespace

FormWindow::FormWindow(const Form& form, std::function<void(const UserAction&)> act)
    : name_(form.name), act_(std::move(act)), form_(form) {
  register_class(&FormWindow::procedure);
  CreateWindowExW(0, window_class, L"", window_style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, nullptr, make_menu_bar(form), GetModuleHandleW(nullptr), this);
  accelerators_ = make_accelerators(form);
  fonts_ = std::make_unique<Fonts>(static_cast<int>(GetDpiForWindow(hwnd_)));
  size_to_form();
  make_controls();
  show_form(form);
}

FormWindow::~FormWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

FormWindow* FormWindow::of(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (std::wstring_view(name) != window_class) return nullptr;
  return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The object arrives with WM_NCCREATE and leaves with WM_NCDESTROY, whose
// default handling frees what the system keeps for the window. No
// exception leaves a window procedure: it would unwind through the
// system's own code.
LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY && self != nullptr) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self = nullptr;
  }
  if (self == nullptr) return DefWindowProcW(window, message, w, l);
  return self->guarded([&] { return self->handle(message, w, l); });
}

// A text box keeps its own double-click (it selects the word under the
// pointer) and then reports it, as the model's double-click event. The
// subclass goes with the box.
LRESULT CALLBACK FormWindow::text_box_procedure(HWND box, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                                DWORD_PTR self) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(box, &FormWindow::text_box_procedure, id);
  const LRESULT result = DefSubclassProc(box, message, w, l);
  if (message == WM_LBUTTONDBLCLK) {
    auto* owner = reinterpret_cast<FormWindow*>(self);
    const auto place = static_cast<std::size_t>(GetDlgCtrlID(box) - first_command_id);
    const std::string control(owner->form_.controls.at(place).name);
    owner->guarded([&] {
      owner->send([window = owner->name_, control](Program& p) { p.double_click(window, control); });
      return LRESULT{0};
    });
  }
  return result;
}

// A fault of the program met while handling a message — in bringing the
// windows in step, say, which runs outside the program's events — is shown
// as the program's failure message, and the message counts as handled.
LRESULT FormWindow::guarded(const std::function<LRESULT()>& handling) {
  try {
    return handling();
  } catch (const std::exception& fault) {
    report_fault(fault.what());
    return 0;
  }
}

// Should bringing the windows in step fail again, the message has been
// shown all the same and there is nothing more to do.
void FormWindow::report_fault(const std::string& what) noexcept {
  try {
    send([what](Program& p) { p.report_fault(what); });
  } catch (const std::exception&) {
    // The windows stay as they were.
  }
}

LRESULT FormWindow::handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(w), HIWORD(w));
      return 0;
    case WM_LBUTTONDOWN:  // the background takes the focus from a text box
      SetFocus(hwnd_);
      return 0;
    case WM_LBUTTONDBLCLK:
      background_double_click(l);
      return 0;
    case WM_ACTIVATE:
      remember_focus(w);
      return 0;
    case WM_CLOSE:  // the program decides; the window goes when its form goes
      send([window = name_](Program& p) { p.close(window); });
      return 0;
    case WM_GETDPISCALEDSIZE:
      *reinterpret_cast<SIZE*>(l) = frame_size(static_cast<int>(w));
      return TRUE;
    case WM_DPICHANGED:
      change_dpi(HIWORD(w), *reinterpret_cast<const RECT*>(l));
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, w, l);
  }
}

// Menu items and accelerators send their command; controls their
// notifications, which while the program's state is being shown are the
// front end's own echo. Enter and Esc (IDOK, IDCANCEL) mean nothing here.
void FormWindow::command(int id, int code) {
  if (showing_ || id < first_command_id) return;
  const auto place = static_cast<std::size_t>(id - first_command_id);
  if (place >= shown_.controls.size()) return;
  Control& c = shown_.controls[place];
  const std::string control(c.name);
  if (c.kind == Kind::MenuItem) {
    send([window = name_, control](Program& p) { p.click(window, control); });
  } else if (c.kind == Kind::TextBox && code == EN_CHANGE) {
    send(typed(shown_, control, Handle(natives_[place]).text()));
  } else if (c.kind == Kind::ListBox && code == LBN_SELCHANGE) {
    send(chosen(shown_, control, ListBox(natives_[place]).chosen()));
  } else if (code == BN_CLICKED &&
             (c.kind == Kind::CheckBox || c.kind == Kind::OptionButton || c.kind == Kind::CommandButton)) {
    note_checks(shown_, [this](const Control& checked) {
      return CheckButton(this->control(checked.name)).checked();
    });
    send([window = name_, control](Program& p) { p.click(window, control); });
  }
}

// Only the bare background: a frame or a label is no part of it.
void FormWindow::background_double_click(LPARAM at) {
  const POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (ChildWindowFromPointEx(hwnd_, point, CWP_SKIPINVISIBLE) != hwnd_) return;
  send([window = name_](Program& p) { p.double_click(window, ""); });
}

// A window left and come back to gives the focus back to its control.
void FormWindow::remember_focus(WPARAM activation) {
  if (LOWORD(activation) == WA_INACTIVE) {
    HWND focus = GetFocus();
    focus_ = focus != nullptr && IsChild(hwnd_, focus) ? focus : nullptr;
  } else if (focus_ != nullptr && IsWindow(focus_)) {
    SetFocus(focus_);
  }
}

void FormWindow::show_form(const Form& form) {
  showing_ = true;
  if (shown_.caption != form.caption || shown_.controls.empty()) Handle(hwnd_).set_text(form.caption);
  const bool fresh = shown_.controls.empty();
  for (const std::size_t i : changed_controls(shown_, form)) {
    const Control& c = form.controls[i];
    if (natives_[i] == nullptr) continue;
    if (!aligned_as(natives_[i], c)) {
      form_.controls[i].align = c.align;
      make_native(i, (GetWindowLongPtrW(natives_[i], GWL_STYLE) & WS_GROUP) != 0);
    }
    show_control(natives_[i], c, fresh ? nullptr : &shown_.controls[i]);
  }
  shown_ = form;
  showing_ = false;
}

void FormWindow::set_visible(bool shown) {
  if (visible() == shown) return;
  ShowWindow(hwnd_, shown ? SW_SHOW : SW_HIDE);
  if (!shown || opened_) return;
  opened_ = true;
  const std::vector<const Control*> order = tab_order(form_);
  if (order.empty()) return;
  showing_ = true;  // an option button taking the focus reports a click
  SetFocus(control(order.front()->name));
  showing_ = false;
}

bool FormWindow::visible() const { return Handle(hwnd_).visible(); }

void FormWindow::bring_to_front() const {
  SetForegroundWindow(hwnd_);
  BringWindowToTop(hwnd_);
}

HWND FormWindow::control(std::string_view name) const {
  const Control* c = form_.find(name);
  if (c == nullptr) return nullptr;
  return natives_[static_cast<std::size_t>(c - form_.controls.data())];
}

int FormWindow::menu_command(std::string_view name) const {
  const Control* c = form_.find(name);
  if (c == nullptr || c->kind != Kind::MenuItem || is_separator(*c) || menu_holders(form_).contains(name))
    return 0;
  return command_id(static_cast<std::size_t>(c - form_.controls.data()));
}

// An item that holds others is found by its place on the menu bar.
std::string FormWindow::menu_text(std::string_view name) const {
  wchar_t text[128] = {};
  if (const int id = menu_command(name); id != 0) {
    GetMenuStringW(GetMenu(hwnd_), static_cast<UINT>(id), text, 128, MF_BYCOMMAND);
  } else {
    UINT place = 0;
    for (const Control& c : form_.controls) {
      if (c.kind != Kind::MenuItem || !c.parent.empty()) continue;
      if (c.name == name) break;
      ++place;
    }
    GetMenuStringW(GetMenu(hwnd_), place, text, 128, MF_BYPOSITION);
  }
  const std::wstring_view shown(text);
  return to_utf8(shown.substr(0, shown.find(L'\t')));
}

}  // namespace aquamere::win32
