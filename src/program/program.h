#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "common/dialogs.h"
#include "common/event.h"
#include "common/form.h"
#include "common/window_host.h"
#include "files/file_port.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/main_vars.h"
#include "program/chain_window.h"
#include "report/book_vars.h"
#include "report/modfile.h"
#include "settings/kept_settings.h"

namespace aquamere {

// Everything a running program holds: the windows that exist, the main
// window's public variables, the report module's variables and the 1000i
// coefficient of the material in force. It is plain data, so a copy of it is
// a snapshot that can be put back.
struct ProgramState {
  std::map<std::string, Form, std::less<>> windows;
  MainVars main;
  BookVars book;
  float coef_i = 0.0f;

  friend bool operator==(const ProgramState&, const ProgramState&) = default;
};

// The running program: its state, the ports to the user's dialogs and to the
// disk, the window procedures, and the one door through which every user
// event enters. An event that meets a failure or a refusal leaves the state
// exactly as it found it.
class Program final : public WindowHost {
 public:
  // A program that keeps nothing between runs: every run starts from the
  // defaults.
  Program(DialogPort& dialogs, FilePort& files);
  // A program that starts with the report path an earlier run kept, and
  // keeps the one the user confirms.
  Program(DialogPort& dialogs, FilePort& files, KeptSettings& kept);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // User actions, each one event.
  // Replaces a text box's text; its change event fires when the text differs.
  void type(std::string_view window, std::string_view control, std::string text);
  // A check box toggles and an option button is selected before the click.
  void click(std::string_view window, std::string_view control);
  // On a control, or on the window's background with control "".
  void double_click(std::string_view window, std::string_view control);
  // Chooses a line of a list box (counted from 0); choosing the line already
  // chosen is no event.
  void select(std::string_view window, std::string_view control, int row);
  void close(std::string_view window);
  // A shortcut key in the main window: runs the menu item that carries it.
  bool press(std::string_view shortcut);

  // The program ends when none of its windows is shown any more.
  bool running() const;

  // The whole state, to read, or to change at will (tests and tools).
  ChainTable& chain_table() { return chain_table_; }
  const ProgramState& state() const { return state_; }
  ProgramState& state() { return state_; }
  const Form* find_window(std::string_view name) const;
  Form* find_window(std::string_view name);

  Form& window(std::string_view name) override;
  void show(std::string_view name) override;
  // Hides a window, keeping everything it holds.
  void hide(std::string_view name);
  void unload(std::string_view name) override;
  bool attempt(const std::function<void()>& step) override;
  void message(std::string_view text) override;
  // A fault of the program itself, met outside any event (in a front end
  // bringing its windows in step, say): the user is told in the failure
  // message, and the run goes on.
  void report_fault(std::string_view what);
  std::string input(std::string_view prompt) override;
  std::string save_path(std::string_view title, std::string_view proposed) override;
  std::string open_path(std::string_view title, std::string_view current) override;

  FrmMain& frmmain() { return frmmain_; }
  ModFile& modfile() { return modfile_; }

  // The report path kept for the settings dialog whenever it is made: by
  // an earlier run, or confirmed in this one.
  const std::optional<std::string>& kept_report_path() const { return kept_path_; }
  // Keeps the path confirmed in the settings dialog or opened for the runs
  // to come, when it is not the one kept already.
  void keep_report_path(const std::string& path) override;

  // Counts every change of the state that a front end may need to show:
  // it goes up after each event and each time a window comes to the front.
  unsigned long revision() const { return revision_; }
  // The window brought to the front last, for a front end to raise.
  const std::string& raised() const { return raised_; }
  // The revision at which it came to the front: a front end raises it again
  // when this moves, and leaves the user's own choice of window alone when not.
  unsigned long raised_at() const { return raised_at_; }

 private:
  Program(DialogPort& dialogs, FilePort& files, KeptSettings* kept);
  void dispatch(const Event& event);
  void route(const Event& event);
  // Shows a window; what show() does, callable while the program is made.
  void show_window(std::string_view name);

  NothingKept nothing_kept_;
  KeptSettings& kept_;
  std::optional<std::string> kept_path_;
  DialogPort& dialogs_;
  ProgramState state_;
  ModFile modfile_;
  FrmMain frmmain_;
  ChainTable chain_table_;
  unsigned long revision_ = 0;
  std::string raised_;
  unsigned long raised_at_ = 0;
};

}  // namespace aquamere
