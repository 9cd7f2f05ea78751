#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/form.h"
#include "frontend/form_windows.h"
#include "win32/fonts.h"

namespace aquamere::win32 {

// The native top-level window of one model window: a fixed client area of
// the form's size at the screen's density, a native control per control in
// tab order, the menu bar and its accelerators. It hands every user input
// to `act` and shows the form it is given. One window procedure serves
// every such window; the object is kept in the window's user data.
class FormWindow {
 public:
  FormWindow(const Form& form, std::function<void(const UserAction&)> act);
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow();

  // Brings caption and controls in step with the form, touching only what
  // changed since last shown; what the user typed or clicked counts as
  // shown, so that the program's own answer is never echoed back.
  void show_form(const Form& form);
  // Shows or hides the window; the first time it is shown, the first
  // control in the tab order takes the focus.
  void set_visible(bool shown);
  bool visible() const;
  void bring_to_front() const;

  HWND hwnd() const { return hwnd_; }
  const std::string& name() const { return name_; }
  // The native control, nullptr for a menu item or an unknown name.
  HWND control(std::string_view name) const;
  // The command a menu item sends, 0 for an unknown name or an item that
  // holds others.
  int menu_command(std::string_view name) const;
  // The caption a menu item shows, without its shortcut.
  std::string menu_text(std::string_view name) const;
  HACCEL accelerators() const { return accelerators_; }

  // The window object behind a top-level window of the program, nullptr
  // for any other window (a message box, the input box).
  static FormWindow* of(HWND window);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
  static LRESULT CALLBACK text_box_procedure(HWND box, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                             DWORD_PTR self);
  LRESULT guarded(const std::function<LRESULT()>& handling);
  void report_fault(const std::string& what) noexcept;
  LRESULT handle(UINT message, WPARAM w, LPARAM l);
  void command(int id, int code);
  void background_double_click(LPARAM at);
  void remember_focus(WPARAM activation);

  // Layout, in form_layout.cpp.
  SIZE frame_size(int dpi) const;
  void size_to_form();
  void make_controls();
  void make_native(std::size_t place, bool starts_group);
  void place_controls();
  void change_dpi(int dpi, const RECT& suggested);
  RECT pixel_rect(const Control& control) const;

  void send(const UserAction& action) { act_(action); }

  std::string name_;
  std::function<void(const UserAction&)> act_;
  HWND hwnd_ = nullptr;
  Form form_;                  // the layout, for geometry and fonts
  Form shown_;                 // what the controls show
  std::vector<HWND> natives_;  // by the control's place; nullptr for menu items
  std::unique_ptr<Fonts> fonts_;
  HACCEL accelerators_ = nullptr;
  HWND focus_ = nullptr;  // the control that had the focus when the window was left
  bool showing_ = false;  // the program's state is being shown: no user input
  bool opened_ = false;
};

}  // namespace aquamere::win32
