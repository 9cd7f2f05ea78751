#include "mainwindow/program.h"

#include <algorithm>
#include <cassert>
#include <optional>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "common/failure.h"
#include "mainwindow/windows.h"

namespace aquamere {
namespace {

// The user reaches only windows that are open.
Form& open_form(ProgramState& state, std::string_view window) {
  const auto it = state.windows.find(window);
  if (it == state.windows.end() || !it->second.shown) {
    throw std::invalid_argument("window " + std::string(window) + " is not open");
  }
  return it->second;
}

Control& control_of(Form& form, std::string_view control) {
  Control* c = form.find(control);
  if (c == nullptr) throw std::invalid_argument(form.name + " has no control " + std::string(control));
  return *c;
}

// What a window's layout fixes for good: the names, kinds, frames, places,
// tab order, fonts, shortcuts and failure labels of its controls.
[[maybe_unused]] auto fixed_by_layout(const Control& c) {
  return std::tie(c.name, c.kind, c.parent, c.rect, c.tab, c.multiline, c.font, c.shortcut, c.label);
}

bool same_windows(const ProgramState& a, const ProgramState& b) {
  return std::equal(a.windows.begin(), a.windows.end(), b.windows.begin(), b.windows.end(),
                    [](const auto& x, const auto& y) {
                      return x.first == y.first && x.second.controls.size() == y.second.controls.size();
                    });
}

// Copies the state over an older copy of it. With the same windows open, as
// from one event to the next, a window is copied over its older self, and
// only in what changes while the program runs (caption, shown, and the texts,
// alignments, values and list lines of its controls): the rest its layout
// fixed. A control whose change mark the older copy bears already is that
// copy. This is the larger part of the work of an event's snapshot.
void copy_over(const ProgramState& from, ProgramState& to) {
  if (!same_windows(from, to)) {
    to = from;
    return;
  }
  auto older = to.windows.begin();
  for (const auto& [name, form] : from.windows) {
    Form& copy = (older++)->second;
    copy.caption = form.caption;
    copy.width = form.width;
    copy.height = form.height;
    copy.shown = form.shown;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
      const Control& c = form.controls[i];
      Control& d = copy.controls[i];
      assert(fixed_by_layout(c) == fixed_by_layout(d));
      if (c.change.same_as(d.change)) {
        assert(c == d);
        continue;
      }
      d.text = c.text;
      d.align = c.align;
      d.value = c.value;
      d.items = c.items;
      d.change = c.change;
    }
  }
  to.main = from.main;
  to.book = from.book;
  to.coef_i = from.coef_i;
}

}  // namespace

Program::Program(DialogPort& dialogs, FilePort& files) : dialogs_(dialogs), files_(files) { show("frmmain"); }

const Form* Program::find_window(std::string_view name) const {
  const auto it = state_.windows.find(name);
  return it == state_.windows.end() ? nullptr : &it->second;
}

Form* Program::find_window(std::string_view name) {
  return const_cast<Form*>(std::as_const(*this).find_window(name));
}

Form& Program::window(std::string_view name) {
  if (Form* form = find_window(name)) return *form;
  const WindowType* type = window_type(name);
  if (type == nullptr) throw std::invalid_argument("no window " + std::string(name));
  state_.windows.emplace(std::string(name), type->layout());
  if (type->load != nullptr) type->load(*this);
  return state_.windows.find(name)->second;
}

void Program::show(std::string_view name) {
  Form& form = window(name);
  form.shown = true;
  raised_ = std::string(name);
  raised_at_ = ++revision_;
  if (const WindowType* type = window_type(name); type->on_show != nullptr) type->on_show(*this);
}

void Program::hide(std::string_view name) {
  if (auto it = state_.windows.find(name); it != state_.windows.end()) it->second.shown = false;
}

void Program::unload(std::string_view name) {
  if (auto it = state_.windows.find(name); it != state_.windows.end()) {
    state_.windows.erase(it);
    ++windows_moved_;
  }
}

bool Program::running() const {
  for (const auto& [name, form] : state_.windows) {
    if (form.shown) return true;
  }
  return false;
}

// Attempts nest (a batch runs each segment as an attempt inside its own), so
// there is one snapshot per level. Each is kept for the next attempt at its
// level, which copies the state over it (see copy_over).
bool Program::attempt(const std::function<void()>& step) {
  if (snapshots_.size() == attempts_under_way_) snapshots_.emplace_back();
  ProgramState& snapshot = snapshots_[attempts_under_way_];
  copy_over(state_, snapshot);
  struct Level {
    std::size_t& under_way;
    ~Level() { --under_way; }
  } level{++attempts_under_way_};
  std::optional<std::string> failure;  // a refusal has shown its own message
  try {
    step();
    return true;
  } catch (const Refusal&) {
  } catch (const Failure& error) {
    failure = error.what();
  } catch (const std::exception& error) {
    // A fault of the program itself: the user keeps the state and the run.
    failure = std::string("程序内部错误：") + error.what();
  }
  std::swap(state_, snapshot);
  ++windows_moved_;
  if (failure) dialogs_.message(app_title, *failure, true);
  return false;
}

void Program::message(std::string_view text) { dialogs_.message(app_title, text, false); }

std::string Program::input(std::string_view prompt) { return dialogs_.input(app_title, prompt); }

void Program::type(std::string_view window, std::string_view control, std::string text) {
  Form& form = open_form(state_, window);
  Control& box = control_of(form, control);
  if (box.kind != Kind::TextBox) throw std::invalid_argument(std::string(control) + " is no text box");
  if (box.text == text) return;
  box.text = std::move(text);
  dispatch({Event::Type::Change, std::string(window), std::string(control)});
}

void Program::click(std::string_view window, std::string_view control) {
  Form& form = open_form(state_, window);
  Control& target = control_of(form, control);
  if (target.kind == Kind::CheckBox) target.value = 1 - target.value;
  if (target.kind == Kind::OptionButton) form.select_option(control);
  dispatch({Event::Type::Click, std::string(window), std::string(control)});
}

void Program::double_click(std::string_view window, std::string_view control) {
  Form& form = open_form(state_, window);
  if (!control.empty()) control_of(form, control);
  dispatch({Event::Type::DoubleClick, std::string(window), std::string(control)});
}

void Program::close(std::string_view window) {
  open_form(state_, window);
  dispatch({Event::Type::Close, std::string(window), ""});
}

bool Program::press(std::string_view shortcut) {
  const Form* main = find_window("frmmain");
  if (main == nullptr || !main->shown) return false;
  for (const Control& c : main->controls) {
    if (c.kind == Kind::MenuItem && c.shortcut == shortcut) {
      click("frmmain", c.name);
      return true;
    }
  }
  return false;
}

void Program::dispatch(const Event& event) {
  attempt([&] { route(event); });
  ++revision_;
}

// Closing a window with its close box discards it and all it holds; the next
// use creates it afresh. Every other event goes to the window's handlers.
void Program::route(const Event& event) {
  if (event.type == Event::Type::Close) {
    unload(event.window);
    return;
  }
  const WindowType* type = window_type(event.window);
  if (type != nullptr && type->handle != nullptr) type->handle(*this, event);
}

}  // namespace aquamere
