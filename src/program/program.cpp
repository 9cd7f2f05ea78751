#include "program/program.h"

#include <optional>
#include <stdexcept>
#include <utility>

#include "common/failure.h"
#include "mainwindow/frmchain_names.h"
#include "mainwindow/frmmain_names.h"
#include "program/chain_window.h"
#include "program/windows.h"
#include "report/report_pair.h"
#include "settings/frmset.h"

namespace aquamere {
namespace {

// The files the program's commands write and read are the report and its
// journal, told of as the report; where the system keeps their folder for
// its administrators, the message says where the user chooses another.
std::string with_remedy(const FileFailure& failure) {
  std::string said = failure.about("计算书");
  if (failure.remedy() == FileFailure::Remedy::OwnFolder)
    said += "请在“计算 → 设置参数”中把计算书保存路径改到自己的文件夹。";
  return said;
}

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

}  // namespace

Program::Program(DialogPort& dialogs, FilePort& files) : Program(dialogs, files, nullptr) {}

Program::Program(DialogPort& dialogs, FilePort& files, KeptSettings& kept) : Program(dialogs, files, &kept) {}

Program::Program(DialogPort& dialogs, FilePort& files, KeptSettings* kept)
    : kept_(kept != nullptr ? *kept : nothing_kept_),
      kept_path_(kept_.report_path()),
      dialogs_(dialogs),
      modfile_(*this, state_.book, files),
      frmmain_(*this, state_.main, state_.coef_i, modfile_) {
  // A revision the last run left part-way is finished or rolled back
  // before anything reads the report.
  attempt([&] { report_pair::recover(files, kept_path_.value_or(std::string(default_report_path))); });
  show_window(frmmain::name);
}

void Program::keep_report_path(const std::string& path) {
  if (path == kept_path_.value_or(std::string(default_report_path))) return;
  attempt([&] {
    kept_.keep_report_path(path);
    kept_path_ = kept_.report_path();
  });
}

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
  Form& form = state_.windows.emplace(std::string(name), type->layout()).first->second;
  form.index_controls();
  if (type->load != nullptr) type->load(*this);
  return form;
}

void Program::show(std::string_view name) { show_window(name); }

void Program::show_window(std::string_view name) {
  Form& form = window(name);
  form.shown = true;
  raised_ = std::string(name);
  raised_at_ = ++revision_;
  if (const WindowType* type = window_type(name); type->on_show != nullptr) type->on_show(*this);
}

void Program::hide(std::string_view name) {
  if (Form* form = find_window(name)) form->shown = false;
}

void Program::unload(std::string_view name) {
  if (auto it = state_.windows.find(name); it != state_.windows.end()) state_.windows.erase(it);
}

bool Program::running() const {
  for (const auto& [name, form] : state_.windows) {
    if (form.shown) return true;
  }
  return false;
}

// Attempts nest: a batch runs each segment as an attempt inside its own.
bool Program::attempt(const std::function<void()>& step) {
  ProgramState snapshot = state_;
  std::optional<std::string> failure, fault;  // a refusal has shown its own message
  try {
    step();
    return true;
  } catch (const Refusal&) {
  } catch (const FileFailure& error) {
    failure = with_remedy(error);
  } catch (const Failure& error) {
    failure = error.what();
  } catch (const std::exception& error) {
    // A fault of the program itself: the user keeps the state and the run.
    fault = error.what();
  }
  state_ = std::move(snapshot);
  if (failure) dialogs_.message(app_title, *failure, true);
  if (fault) report_fault(*fault);
  return false;
}

void Program::report_fault(std::string_view what) {
  dialogs_.message(app_title, "程序内部错误：" + std::string(what), true);
}

void Program::message(std::string_view text) { dialogs_.message(app_title, text, false); }

std::string Program::input(std::string_view prompt) { return dialogs_.input(app_title, prompt); }

std::string Program::save_path(std::string_view title, std::string_view proposed) {
  return dialogs_.save_path(title, proposed);
}

std::string Program::open_path(std::string_view title, std::string_view current) {
  return dialogs_.open_path(title, current);
}

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

void Program::select(std::string_view window, std::string_view control, int row) {
  Form& form = open_form(state_, window);
  Control& list = control_of(form, control);
  if (list.kind != Kind::ListBox) throw std::invalid_argument(std::string(control) + " is no list box");
  if (row < 0 || static_cast<std::size_t>(row) >= list.items.size()) {
    throw std::invalid_argument(std::string(control) + " has no line " + std::to_string(row + 1));
  }
  if (list.selected == row) return;
  list.selected = row;
  dispatch({Event::Type::Select, std::string(window), std::string(control)});
}

void Program::close(std::string_view window) {
  open_form(state_, window);
  dispatch({Event::Type::Close, std::string(window), ""});
}

bool Program::press(std::string_view shortcut) {
  const Form* main = find_window(frmmain::name);
  if (main == nullptr || !main->shown) return false;
  for (const Control& c : main->controls) {
    if (c.kind == Kind::MenuItem && c.shortcut == shortcut) {
      click(frmmain::name, c.name);
      return true;
    }
  }
  return false;
}

// The segment table follows every command that may have written the report;
// one that opens it has filled it.
void Program::dispatch(const Event& event) {
  const auto table_shown = [&] {
    const Form* table = find_window(frmchain::name);
    return table != nullptr && table->shown;
  };
  const bool was_shown = table_shown();
  attempt([&] { route(event); });
  const bool writes = event.type == Event::Type::Click || event.type == Event::Type::DoubleClick;
  if (was_shown && table_shown() && writes && event.window != frmchain::name)
    attempt([&] { fill_chain(*this); });
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
