#include "scenario/runner.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "common/convert.h"
#include "common/utf8_path.h"
#include "files/disk_files.h"
#include "mainwindow/frmmain_names.h"
#include "program/chain_replay.h"
#include "report/report_codec.h"
#include "scenario/book_cells.h"
#include "scenario/report_lines.h"
#include "scenario/scenario_files.h"
#include "scenario/script.h"
#include "settings/settings_file.h"

namespace aquamere::scenario {
namespace fs = std::filesystem;
namespace {

using Shown = ScriptedDialogs::Shown;

// Splits "frmset.txt_h" into window and control; a bare name is a window
// when it names one, otherwise a control of the main window.
std::pair<std::string, std::string> target(const std::string& name) {
  if (const std::size_t dot = name.find('.'); dot != std::string::npos) {
    return {name.substr(0, dot), name.substr(dot + 1)};
  }
  if (name.starts_with("frm") || name.starts_with("Frm") || name.starts_with("Fm")) return {name, ""};
  return {std::string(frmmain::name), name};
}

// A list's row as a scenario counts it, from 1.
int row_number(const std::string& text) {
  int row = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), row);
  if (error != std::errc() || end != text.data() + text.size() || row < 1) {
    throw std::invalid_argument("no row number: " + text);
  }
  return row;
}

// The boxes the user answers, by the step that checks each: an input box by
// its prompt, a file dialog by the path it started from.
struct AnsweredBox {
  Shown::Type type;
  const char* what;
};
std::optional<AnsweredBox> answered_box(const std::string& verb) {
  if (verb == "expect-prompt") return AnsweredBox{Shown::Type::Input, "an input box"};
  if (verb == "expect-save") return AnsweredBox{Shown::Type::Save, "a save dialog"};
  if (verb == "expect-open") return AnsweredBox{Shown::Type::Open, "an open dialog"};
  return std::nullopt;
}

std::string joined(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += (out.empty() ? "\"" : " \"") + item + "\"";
  return "[" + out + "]";
}

class Play {
 public:
  using Start = std::function<std::unique_ptr<Driver>()>;

  Play(std::string file, Start start, ScriptedDialogs& dialogs, ScenarioFiles& files,
       const SettingsFile& kept)
      : file_(std::move(file)),
        start_(std::move(start)),
        driver_(start_()),
        dialogs_(dialogs),
        files_(files),
        kept_(kept) {}

  void step(const Step& s) {
    line_ = s.line;
    const auto& a = s.args;
    if (s.verb == "type") {
      auto [w, c] = target(a[0]);
      driver_->type(w, c, a[1]);
    } else if (s.verb == "click") {
      auto [w, c] = target(a[0]);
      driver_->click(w, c);
    } else if (s.verb == "dblclick") {
      auto [w, c] = target(a[0]);
      driver_->double_click(w, c);
    } else if (s.verb == "select") {
      auto [w, c] = target(a[0]);
      driver_->select(w, c, row_number(a[1]) - 1);
    } else if (s.verb == "key")
      driver_->key(a[0]);
    else if (s.verb == "close")
      driver_->close(a[0]);
    else if (s.verb == "answer")
      dialogs_.answer(a[0]);
    else if (s.verb == "cancel")
      dialogs_.cancel();
    else if (s.verb == "screenshot")
      driver_->screenshot(a[0], a[1]);
    else if (s.verb == "restart")
      restart();
    else if (s.verb == "append-report") {
      files_.append(driver_->report_path(), codec_.encode(a[0] + "\r\n"));
      edited_ = true;
    } else if (s.verb == "write-settings")
      files_.replace(kept_.file(), a[0]);
    else
      check(s);
  }

  // The program ends and starts again in the same folder, as the next day:
  // only the files stay.
  void restart() {
    driver_.reset();
    driver_ = start_();
  }

  // What the scenario left unchecked or unused fails it.
  void finish() {
    line_ = 0;
    while (const Shown* box = next(next_box_, false))
      problem("a message box nobody checked: \"" + box->text + "\"");
    while (const Shown* box = next(next_input_, true))
      problem("an input box nobody checked: \"" + box->text + "\"");
    if (dialogs_.unused_answers() > 0) problem("an answer no input box asked for");
    if (!edited_) check_chain_again();
  }

  // The chain the session left in the report, calculated again from its
  // journal, gives the report and the journal it was calculated from: the
  // segment table's revisions build on that.
  void check_chain_again() {
    try {
      const chain::Chain chain = chain::read_chain(files_, driver_->report_path());
      if (chain::not_replayable(chain)) return;
      ScriptedDialogs none;
      const chain::Replayed same = chain::replay(chain, {}, none);
      if (same.cancelled) return problem("the chain calculated again asked for an αc its journal holds");
      if (const auto where = chain::not_reproduced(chain, same))
        problem("the chain calculated again: " + *where);
    } catch (const std::exception& error) {
      problem(std::string("the chain calculated again fails: ") + error.what());
    }
  }

  const std::vector<std::string>& problems() const { return problems_; }

  void problem(const std::string& text) {
    const std::string where = line_ == 0 ? "end" : std::to_string(line_);
    problems_.push_back(file_ + ":" + where + ": " + text);
  }

 private:
  void check(const Step& s) {
    const auto& a = s.args;
    if (s.verb == "expect") {
      auto [w, c] = target(a[0]);
      compare(a[1], driver_->text(w, c));
    } else if (s.verb == "expect-list") {
      auto [w, c] = target(a[0]);
      compare(joined({a.begin() + 1, a.end()}), joined(driver_->items(w, c)));
    } else if (s.verb == "expect-selected") {
      auto [w, c] = target(a[0]);
      compare(a[1], std::to_string(driver_->selected(w, c) + 1));
    } else if (s.verb == "expect-align") {
      auto [w, c] = target(a[0]);
      compare(a[1], driver_->align(w, c));
    } else if (s.verb == "expect-var") {
      compare(a[1], driver_->variable(a[0]));
    } else if (s.verb == "expect-msg") {
      const Shown* box = next(next_box_, false);
      if (box == nullptr) return problem("expected message \"" + a[0] + "\", got no message box");
      if (box->type == Shown::Type::Failure)
        return problem("expected message \"" + a[0] + "\", got failure \"" + box->text + "\"");
      compare_title(*box);
      compare(a[0], box->text);
    } else if (s.verb == "expect-error") {
      const Shown* box = next(next_box_, false);
      if (box == nullptr) return problem("expected a failure message, got no message box");
      if (box->type != Shown::Type::Failure)
        return problem("expected a failure message, got \"" + box->text + "\"");
      compare_title(*box);
    } else if (const auto asked = answered_box(s.verb)) {
      const Shown* box = next(next_input_, true);
      if (box == nullptr || box->type != asked->type)
        return problem(std::string("expected ") + asked->what + " \"" + a[0] + "\"");
      if (box->type == Shown::Type::Input) compare_title(*box);
      compare(a[0], box->text);
    } else if (s.verb == "expect-window") {
      if (a[1] != "open" && a[1] != "closed")
        throw std::invalid_argument("expect-window takes open or closed");
      compare(a[1], driver_->window_open(a[0]) ? "open" : "closed");
    } else {
      check_report(s);
    }
  }

  // A cell of an exported book: a text beginning with "=" is compared with
  // the cell's formula, any other with its value (as a number, when both
  // are numbers).
  void check_book(const std::vector<std::string>& a) {
    const std::size_t bang = a[1].find('!');
    const std::string sheet = bang == std::string::npos ? "" : a[1].substr(0, bang);
    const std::string cell = bang == std::string::npos ? a[1] : a[1].substr(bang + 1);
    const std::optional<BookCell> found = read_book_cell(a[0], sheet, cell);
    if (!found) return problem("expected \"" + a[2] + "\" in " + a[1] + ", got an empty cell");
    if (a[2].starts_with("=")) return compare(a[2], found->formula);
    // A number as the workbook stores it may have more digits than it shows.
    const std::optional<double> expected = strict_number(a[2]), got = strict_number(found->value);
    if (!expected || !got || *expected != *got) compare(a[2], found->value);
  }

  void check_report(const Step& s) {
    if (s.verb == "expect-book") return check_book(s.args);
    if (s.verb == "expect-no-file") {
      if (fs::exists(utf8_path(s.args[0]))) problem("expected no file \"" + s.args[0] + "\", got one");
      return;
    }
    const std::string path = files_.where(driver_->report_path());
    if (s.verb == "expect-no-report") {
      if (fs::exists(utf8_path(path))) problem("expected no report, got the file \"" + path + "\"");
      return;
    }
    if (!fs::exists(utf8_path(path))) return problem("expected a report, got no file \"" + path + "\"");
    const std::vector<std::string> lines = report_lines(path);
    if (s.verb == "expect-report-lines") return compare(s.args[0], std::to_string(lines.size()));
    const long n = std::stol(s.args[0]);
    const long index = n > 0 ? n - 1 : static_cast<long>(lines.size()) + n;
    if (n == 0 || index < 0 || index >= static_cast<long>(lines.size())) {
      return problem("expected report line " + s.args[0] + ", got " + std::to_string(lines.size()) +
                     " lines");
    }
    compare(s.args[1], lines[static_cast<std::size_t>(index)]);
  }

  // The next box the user answers (input box, save dialog) or the next one
  // that only tells (message, failure).
  const Shown* next(std::size_t& cursor, bool answered) {
    const auto& shown = dialogs_.shown();
    const auto is_answered = [](const Shown& box) {
      return box.type == Shown::Type::Input || box.type == Shown::Type::Save || box.type == Shown::Type::Open;
    };
    while (cursor < shown.size() && is_answered(shown[cursor]) != answered) ++cursor;
    return cursor < shown.size() ? &shown[cursor++] : nullptr;
  }

  void compare_title(const Shown& box) {
    if (box.title != app_title) problem(R"(expected the title "Aquamere", got ")" + box.title + "\"");
  }

  void compare(const std::string& expected, const std::string& got) {
    if (expected != got) problem("expected \"" + expected + "\" got \"" + got + "\"");
  }

  std::string file_;
  Start start_;
  std::unique_ptr<Driver> driver_;
  ScriptedDialogs& dialogs_;
  ScenarioFiles& files_;
  const SettingsFile& kept_;
  ReportCodec codec_;
  int line_ = 0;
  std::size_t next_box_ = 0, next_input_ = 0;
  bool edited_ = false;  // the report was written outside the program
  std::vector<std::string> problems_;
};

std::string read_whole(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw ScriptError(file + ": cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A fresh empty working directory for one scenario; it becomes the current
// directory so the default report path names a file inside it.
fs::path fresh_directory(const std::string& file, const std::string& keep) {
  fs::path dir;
  if (keep.empty()) {
    std::random_device random;
    do {
      dir = fs::temp_directory_path() / ("aquamere-scenario-" + std::to_string(random()));
    } while (!fs::create_directory(dir));
  } else {
    dir = fs::absolute(keep) / fs::path(file).stem();
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  fs::current_path(dir);
  return dir;
}

}  // namespace

Outcome run_scenario(const std::string& file, const DriverFactory& make_driver, const std::string& keep) {
  const fs::path file_path = fs::absolute(file);
  const fs::path home = fs::current_path();
  Outcome outcome;
  try {
    const std::vector<Step> steps = parse_script(read_whole(file_path.string()), file);
    const fs::path dir = fresh_directory(file, keep);
    {
      ScriptedDialogs dialogs;
      DiskFiles disk;
      ScenarioFiles files(disk, dir);
      const std::u8string settings = (dir / "settings").u8string();
      SettingsFile kept(files, std::string(settings.begin(), settings.end()));
      std::filesystem::create_directory(dir / "settings");
      Play play(
          file, [&] { return make_driver(dialogs, files, kept); }, dialogs, files, kept);
      try {
        for (const Step& s : steps) play.step(s);
        play.finish();
      } catch (const std::exception& error) {
        play.problem(std::string("the step cannot be played: ") + error.what());
      }
      outcome.problems = play.problems();
    }
    fs::current_path(home);
    if (keep.empty()) fs::remove_all(dir);
  } catch (const ScriptError& error) {
    fs::current_path(home);
    outcome.problems.emplace_back(error.what());
  }
  outcome.passed = outcome.problems.empty();
  return outcome;
}

}  // namespace aquamere::scenario
