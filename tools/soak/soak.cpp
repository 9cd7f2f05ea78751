#include "soak/soak.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

#include "common/convert.h"
#include "common/dialogs.h"
#include "common/failure.h"
#include "common/numtext.h"
#include "files/disk_files.h"
#include "journal/journal.h"
#include "program/program.h"
#include "report/report_codec.h"
#include "soak/chain.h"
#include "soak/texts.h"

namespace aquamere::soak {
namespace fs = std::filesystem;
namespace {

// A user at the dialogs: answers an input box with some text or cancels.
class RandomDialogs : public DialogPort {
 public:
  explicit RandomDialogs(std::mt19937_64& random) : random_(random) {}
  void message(std::string_view, std::string_view text, bool failure) override {
    (failure ? failures : messages).emplace_back(text);
  }
  std::string input(std::string_view, std::string_view) override {
    if (std::bernoulli_distribution(0.3)(random_)) return {};
    return random_text(random_);
  }
  // Only paths inside the soak's own folder, a missing folder, or a folder.
  std::string save_path(std::string_view, std::string_view) override {
    const char* const paths[] = {"", "book.xlsx", "missing/book.xlsx", "."};
    return paths[std::uniform_int_distribution<std::size_t>(0, std::size(paths) - 1)(random_)];
  }
  // One of the reports the soak writes, a file that is none, or nothing.
  std::string open_path(std::string_view, std::string_view) override {
    const char* const paths[] = {"", "c:\\file.txt", "b.txt", "missing/x.txt", "book.xlsx"};
    opened = paths[std::uniform_int_distribution<std::size_t>(0, std::size(paths) - 1)(random_)];
    return opened;
  }
  std::vector<std::string> messages, failures;
  std::string opened;  // what the last open dialog answered

 private:
  std::mt19937_64& random_;
};

// One user step: what it does to the program and how to write it down.
struct Step {
  enum class Verb { Type, Click, DoubleClick, Key, Close } verb;
  std::string window, control, text;
};

std::string scenario_line(const Step& s) {
  const std::string target = s.window == "frmmain" ? s.control : s.window + "." + s.control;
  auto quoted = [](const std::string& text) {
    std::string out = "\"";
    for (char c : text) out += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
    return out + "\"";
  };
  switch (s.verb) {
    case Step::Verb::Type:
      return "type " + target + " " + quoted(s.text);
    case Step::Verb::Click:
      return "click " + target;
    case Step::Verb::DoubleClick:
      return "dblclick " + (s.control.empty() ? s.window : target);
    case Step::Verb::Key:
      return "key " + s.text;
    case Step::Verb::Close:
      return "close " + s.window;
  }
  return {};
}

const char* const report_paths[] = {"c:\\file.txt", "b.txt", "missing/x.txt", ".", "/dev/full"};
const char* const written_paths[] = {"c:\\file.txt", "b.txt"};
const char* const refusals[] = {"  条件不足",         "请先给出户当量(节点当量)", "户当量过大",
                                "无法撤销上一管段：", "无法继续计算：",           "无法打开计算书："};

// Names what differs between two program states, for the report of a
// broken rule.
std::string difference(const ProgramState& a, const ProgramState& b) {
  std::string out;
  for (const auto& [name, form] : a.windows) {
    const auto other = b.windows.find(name);
    if (other == b.windows.end()) {
      out += name + " gone; ";
      continue;
    }
    if (form.shown != other->second.shown) out += name + " shown; ";
    for (const Control& c : form.controls) {
      const Control* d = other->second.find(c.name);
      if (d != nullptr && !(c == *d))
        out += name + "." + std::string(c.name) + " \"" + c.text + "\" -> \"" + d->text + "\"; ";
    }
  }
  for (const auto& [name, form] : b.windows) {
    if (!a.windows.contains(name)) out += name + " appeared; ";
  }
  if (!(a.main == b.main)) out += "main window variables; ";
  if (!(a.book == b.book)) out += "report variables; ";
  if (a.coef_i != b.coef_i) out += "coef_i; ";
  return out;
}

class Soak {
 public:
  Soak(std::uint64_t seed, std::ostream& out)
      : random_(seed), dialogs_(random_), program_(dialogs_, files_), out_(out) {}

  bool run(long steps) {
    for (long i = 0; i < steps; ++i) {
      const Step step = next_step();
      log_.push_back(scenario_line(step));
      if (!play(step)) return false;
    }
    return true;
  }

 private:
  template <typename T>
  const T& pick(const std::vector<T>& choices) {
    return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random_)];
  }
  bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
  bool open(const char* window) const {
    const Form* form = program_.find_window(window);
    return form != nullptr && form->shown;
  }

  Step next_step() {
    const int roll = std::uniform_int_distribution<int>(0, 99)(random_);
    if (roll < 30) return type_in_main();
    if (roll < 45) return {Step::Verb::Click, "frmmain", "cmdjsmll", ""};
    if (roll < 58)
      return {Step::Verb::DoubleClick, "frmmain", pick<std::string>({"t_fs", "t_Ng", "t_qg", "txtsave", ""}),
              ""};
    if (roll < 63) return {Step::Verb::Click, "frmmain", pick<std::string>({"chk_d", "chk_j"}), ""};
    if (roll < 70)
      return {Step::Verb::Click, "frmmain",
              pick<std::string>({"mnuset", "mnufs", "mnuclear", "mnulook", "mnukill", "mnuexport", "mnudj",
                                 "mnuuo1", "mnuv", "mnua", "mnuabout", "mnuds", "mnuundo", "mnuundo",
                                 "mnuresume", "mnuopen"}),
              ""};
    if (roll < 75)
      return {Step::Verb::Key, "frmmain", "",
              pick<std::string>({"F1", "F2", "F5", "F7", "Ctrl+A", "Ctrl+C", "Ctrl+S", "Ctrl+V", "Ctrl+Z"})};
    if (roll < 90 && open("frmset")) return settings_step();
    if (roll < 95 && open("frmv")) return {Step::Verb::Type, "frmv", "Text1", random_text(random_)};
    for (const char* window : {"frmlookover", "frmset", "frma", "Frmdj2", "Fmuo", "frmv", "frmabout"}) {
      if (open(window) && chance(0.5)) return {Step::Verb::Close, window, "", ""};
    }
    return {Step::Verb::Click, "frmmain", "cmdjsmll", ""};
  }

  Step type_in_main() {
    const std::string box = pick<std::string>(
        {"t_Ng", "t_Ng", "t_fz",  "t_fs", "t_qg", "txt_l",   "t_q0",  "t_m",     "t_kh",   "t_t",
         "t_ky", "t_ay", "t_ngz", "t_Uo", "t_ac", "txtsave", "t_ac2", "txtnguo", "t_nguo", "t_de"});
    return {Step::Verb::Type, "frmmain", box, box == "t_fs" ? random_count(random_) : random_text(random_)};
  }

  Step settings_step() {
    const int roll = std::uniform_int_distribution<int>(0, 9)(random_);
    if (roll < 4) {
      return {Step::Verb::Click, "frmset",
              pick<std::string>({"Op_1", "op_2", "op_3", "op_4", "op_jd", "op_sc", "op_ppr", "op_lz"}), ""};
    }
    if (roll < 6) return {Step::Verb::Click, "frmset", "cmddone", ""};
    if (roll < 7) return {Step::Verb::Type, "frmset", "txt_h", random_text(random_)};
    if (roll < 9) {
      std::string path =
          chance(0.05) ? std::string(4000, 'p')
                       : std::string(pick<std::string>({report_paths[0], report_paths[1], report_paths[2],
                                                        report_paths[3], report_paths[4]}));
      return {Step::Verb::Type, "frmset", "txtfile", path};
    }
    return {Step::Verb::Close, "frmset", "", ""};
  }

  void perform(const Step& s) {
    switch (s.verb) {
      case Step::Verb::Type:
        program_.type(s.window, s.control, s.text);
        break;
      case Step::Verb::Click:
        program_.click(s.window, s.control);
        break;
      case Step::Verb::DoubleClick:
        program_.double_click(s.window, s.control);
        break;
      case Step::Verb::Key:
        program_.press(s.text);
        break;
      case Step::Verb::Close:
        program_.close(s.window);
        break;
    }
  }

  // The part of a step that is the user's own and stays whatever the
  // command does: the typed text, the toggled box, the chosen option.
  static void apply_user_part(ProgramState& state, const Step& s) {
    auto it = state.windows.find(s.window);
    if (it == state.windows.end()) return;
    Form& form = it->second;
    if (s.verb == Step::Verb::Type) form.set_text(s.control, s.text);
    if (s.verb != Step::Verb::Click) return;
    Control& c = form.at(s.control);
    if (c.kind == Kind::CheckBox) c.value = 1 - c.value;
    if (c.kind == Kind::OptionButton) form.select_option(s.control);
  }

  bool resets(const Step& s) const {
    const bool clear = (s.verb == Step::Verb::Click && s.control == "mnuclear") ||
                       (s.verb == Step::Verb::Key && s.text == "F7") ||
                       (s.verb == Step::Verb::DoubleClick && s.control == "txtsave");
    if (clear) return true;
    if (s.verb != Step::Verb::DoubleClick || s.control != "t_fs") return false;
    try {
      strict_int16(program_.find_window("frmmain")->text("t_fs"), "");
      return true;
    } catch (const Failure&) {
      return false;  // the count is unreadable: the batch fails before anything
    }
  }

  bool play(const Step& s) {
    dialogs_.messages.clear();
    dialogs_.failures.clear();
    dialogs_.opened.clear();
    ProgramState expected = program_.state();
    const double counter = strict_number(program_.find_window("frmmain")->text("lab_3"), "");
    const bool reset = resets(s);
    const bool clears_report = s.verb == Step::Verb::Click && s.control == "mnukill";
    const bool undoes = (s.verb == Step::Verb::Click && s.control == "mnuundo") ||
                        (s.verb == Step::Verb::Key && s.text == "Ctrl+Z");
    const bool resumes = s.verb == Step::Verb::Click && s.control == "mnuresume";
    const std::string current_path = report_path();
    const bool written = std::ranges::find(written_paths, current_path) != std::end(written_paths);
    const std::string report_before = undoes && written ? whole_file(current_path) : "";
    const std::string journal_before = undoes && written ? whole_file(journal::path_for(current_path)) : "";
    try {
      perform(s);
    } catch (const std::exception& error) {
      return broken(std::string("an exception escaped: ") + error.what());
    }
    for (const std::string& text : dialogs_.failures) {
      if (text.starts_with("程序内部错误")) return broken("an internal error: " + text);
    }
    if (!program_.running()) return broken("the main window closed");
    const bool batch = s.verb == Step::Verb::DoubleClick && s.control == "t_fs";
    if (!batch && (refused() || !dialogs_.failures.empty())) {
      apply_user_part(expected, s);
      if (!(program_.state() == expected)) {
        return broken("a failed or refused step changed the program: " +
                      difference(expected, program_.state()));
      }
    }
    // A report opened has its chain taken up, as 继续计算 takes it up.
    const bool takes_up = resumes || !dialogs_.opened.empty();
    const bool done = dialogs_.messages.empty() && dialogs_.failures.empty();
    if (undoes && done && !check_undone(current_path, report_before, journal_before)) return false;
    long segments = 0;
    if (!check_reports(clears_report ? current_path : "", segments)) return false;
    if ((segments > 0 || (takes_up && done)) && !check_taken_up(report_path())) return false;
    if ((undoes || takes_up) && done) return true;
    const double now = strict_number(program_.find_window("frmmain")->text("lab_3"), "");
    const double want = (reset ? 0 : counter) + static_cast<double>(segments);
    if (now != want) {
      return broken("the segment counter shows " + number_text(now) + ", segments written say " +
                    number_text(want));
    }
    return true;
  }

  // An undo takes the last segment line out of the report, the lines after
  // it staying, and the last record out of its journal; what is known of
  // both files starts from there.
  bool check_undone(const std::string& path, const std::string& report, const std::string& journal) {
    const std::string report_now = whole_file(path);
    const std::string journal_now = whole_file(journal::path_for(path));
    if (report_now != without_last_segment(report)) return broken("undoing changed " + path + " otherwise");
    if (journal_now != without_last_line(journal)) return broken("undoing changed the journal otherwise");
    Known& known = known_[path];
    known.size = report_now.size();
    known.tail = report_now.substr(report_now.size() > 64 ? report_now.size() - 64 : 0);
    known.journal_size = journal_now.size();
    return true;
  }

  // After a segment the window is the one a program started afresh shows
  // once it has taken up the chain of the report.
  bool check_taken_up(const std::string& path) {
    ProgramState next_day;
    const std::string refused = take_up(path, next_day);
    if (!refused.empty()) return broken("the chain of " + path + " cannot be taken up: " + refused);
    const ProgramState& today = program_.state();
    const bool same =
        next_day.windows.at("frmmain") == today.windows.at("frmmain") && next_day.main == today.main &&
        next_day.coef_i == today.coef_i && next_day.book.book_ng == today.book.book_ng &&
        next_day.book.book_qg == today.book.book_qg && next_day.book.book_hsum == today.book.book_hsum;
    if (!same) return broken("the chain taken up differs: " + difference(today, next_day));
    return true;
  }

  std::string report_path() const {
    const Form* settings = program_.find_window("frmset");
    return settings == nullptr ? report_paths[0] : settings->text("txtfile");
  }

  bool refused() const {
    for (const std::string& text : dialogs_.messages) {
      for (const char* refusal : refusals) {
        if (text.starts_with(refusal)) return true;
      }
    }
    return false;
  }

  // Each report written so far only grows, by whole GB18030 lines ending in
  // CR LF; a clearing starts it afresh. Counts the segment lines added.
  bool check_reports(const std::string& cleared_path, long& segments) {
    for (const char* path : written_paths) {
      Known& known = known_[path];
      std::ifstream in(path, std::ios::binary);
      if (!in) {
        if (known.size > 0) return broken(std::string("the report ") + path + " vanished");
        continue;
      }
      in.seekg(0, std::ios::end);
      const auto size = static_cast<std::size_t>(in.tellg());
      const bool rewritten = cleared_path == path && starts_fresh(in);
      std::size_t from = rewritten ? 0 : known.size;
      if (!rewritten) {
        if (size < known.size) return broken(std::string("the report ") + path + " shrank");
        in.seekg(static_cast<std::streamoff>(known.size - known.tail.size()));
        std::string tail(known.tail.size(), '\0');
        in.read(tail.data(), static_cast<std::streamsize>(tail.size()));
        if (tail != known.tail) return broken(std::string("earlier lines of ") + path + " changed");
      }
      in.seekg(static_cast<std::streamoff>(from));
      std::string added(size - from, '\0');
      in.read(added.data(), static_cast<std::streamsize>(added.size()));
      std::vector<std::string> lines;
      if (!check_added(path, added, lines) || !check_journal(path, rewritten, lines)) return false;
      segments += static_cast<long>(lines.size());
      known.size = size;
      const std::string all_tail = known.tail + added;
      known.tail = all_tail.substr(all_tail.size() > 64 ? all_tail.size() - 64 : 0);
      if (rewritten) known.tail = added.substr(added.size() > 64 ? added.size() - 64 : 0);
    }
    return true;
  }

  static bool starts_fresh(std::ifstream& in) {
    in.seekg(0);
    char first[3] = {};
    in.read(first, 3);
    return first[0] == '\r' && first[1] == '\n' && first[2] == '*';
  }

  bool check_added(const char* path, const std::string& added, std::vector<std::string>& segment_lines) {
    if (!added.empty() && !added.ends_with("\r\n")) return broken(std::string("a partial line in ") + path);
    std::size_t start = 0;
    while (start < added.size()) {
      const std::size_t end = added.find('\n', start);
      if (end == 0 || added[end - 1] != '\r') return broken(std::string("a line without CR LF in ") + path);
      const std::string line = codec_.decode(std::string_view(added).substr(start, end - 1 - start));
      if (line.find("\xEF\xBF\xBD") != std::string::npos)
        return broken(std::string("bytes that are no GB18030 in ") + path);
      if (line.size() > 1 && line[0] == ' ' && line[1] >= '0' && line[1] <= '9')
        segment_lines.push_back(line);
      start = end + 1;
    }
    return true;
  }

  // The journal beside a report holds a record for each segment line added,
  // in the same order and with the line's own text; it only grows, and
  // clearing the report empties it.
  bool check_journal(const char* path, bool rewritten, const std::vector<std::string>& lines) {
    Known& known = known_[path];
    const std::string journal = journal::path_for(path);
    std::ifstream in(journal, std::ios::binary);
    std::size_t size = 0;
    if (in) {
      in.seekg(0, std::ios::end);
      size = static_cast<std::size_t>(in.tellg());
    }
    if (rewritten) known.journal_size = 0;
    if (size < known.journal_size) return broken(journal + " shrank");
    std::string added(size - known.journal_size, '\0');
    in.seekg(static_cast<std::streamoff>(known.journal_size));
    in.read(added.data(), static_cast<std::streamsize>(added.size()));
    known.journal_size = size;
    const auto about = [&](std::string text, const std::string& line) {
      text += journal;
      text += " for \"";
      text += line;
      return text + '"';
    };
    std::size_t start = 0;
    for (const std::string& line : lines) {
      const std::size_t end = added.find('\n', start);
      if (end == std::string::npos) return broken(about("no record in ", line));
      const auto record = journal::record_in(std::string_view(added).substr(start, end - start));
      if (!record || record->line != line) return broken(about("a wrong record in ", line));
      start = end + 1;
    }
    if (start != added.size()) return broken("a record without a line in " + journal);
    return true;
  }

  bool broken(const std::string& why) {
    out_ << "broken after step " << log_.size() << ": " << why << '\n';
    for (const std::string& text : dialogs_.messages) out_ << "# message: " << text << '\n';
    for (const std::string& text : dialogs_.failures) out_ << "# failure: " << text << '\n';
    out_ << "# the steps that led there:\n";
    for (const std::string& line : log_) out_ << line << '\n';
    return false;
  }

  struct Known {
    std::size_t size = 0;
    std::string tail;  // the last bytes known, to see that they stay
    std::size_t journal_size = 0;
  };

  std::mt19937_64 random_;
  RandomDialogs dialogs_;
  DiskFiles files_;
  Program program_;
  ReportCodec codec_;
  std::map<std::string, Known> known_;
  std::vector<std::string> log_;
  std::ostream& out_;
};

}  // namespace

bool run_soak(std::uint64_t seed, long steps, std::ostream& out) {
  const fs::path home = fs::current_path();
  std::string pattern = (fs::temp_directory_path() / "aquamere-soak-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary directory");
  fs::current_path(pattern);
  bool held;
  {
    Soak soak(seed, out);
    held = soak.run(steps);
  }
  fs::current_path(home);
  fs::remove_all(pattern);
  return held;
}

}  // namespace aquamere::soak
