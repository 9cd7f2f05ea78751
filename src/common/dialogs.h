#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aquamere {

// Every message and input box of the program carries this title.
inline constexpr std::string_view app_title = "Aquamere";

// The message box (OK only, no icon), the input box (empty default
// answer; a cancelled box answers ""), the dialog that asks where to save
// a file and the one that asks which report to open (a cancelled one
// answers ""). The desktop shows real dialogs; tests and the scenario
// runner use ScriptedDialogs.
class DialogPort {
 public:
  virtual ~DialogPort() = default;
  // `failure` marks the message that reports an abandoned command.
  virtual void message(std::string_view title, std::string_view text, bool failure) = 0;
  virtual std::string input(std::string_view title, std::string_view prompt) = 0;
  // Asks where to save an Excel workbook (.xlsx), proposing `proposed`;
  // the path chosen, "" when cancelled.
  virtual std::string save_path(std::string_view title, std::string_view proposed) = 0;
  // Asks which existing report (.txt) to open, starting in the folder of
  // the report `current`; the path chosen, "" when cancelled.
  virtual std::string open_path(std::string_view title, std::string_view current) = 0;
};

// Records every box and answers input boxes and file dialogs from one
// queue, in the order they come; with no answer queued a box is cancelled.
class ScriptedDialogs : public DialogPort {
 public:
  struct Shown {
    enum class Type { Message, Failure, Input, Save, Open } type;
    std::string title;
    std::string text;  // message text, input prompt, or the path a file dialog started from
    friend bool operator==(const Shown&, const Shown&) = default;
  };

  void message(std::string_view title, std::string_view text, bool failure) override;
  std::string input(std::string_view title, std::string_view prompt) override;
  std::string save_path(std::string_view title, std::string_view proposed) override;
  std::string open_path(std::string_view title, std::string_view current) override;

  void answer(std::string text) { answers_.emplace_back(std::move(text)); }
  void cancel() { answers_.emplace_back(std::nullopt); }
  std::size_t unused_answers() const { return answers_.size(); }

  const std::vector<Shown>& shown() const { return shown_; }
  // Texts of the message boxes shown so far (failures included).
  std::vector<std::string> messages() const;
  void forget() { shown_.clear(); }

 private:
  std::string next_answer();

  std::vector<Shown> shown_;
  std::deque<std::optional<std::string>> answers_;
};

}  // namespace aquamere
