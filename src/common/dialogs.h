#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aquamere {

// Every message and input box of the program carries this title.
inline constexpr std::string_view app_title = "Aquamere";

// The message box (OK only, no icon) and the input box (empty default
// answer; a cancelled box answers ""). The desktop shows real dialogs; tests
// and the scenario runner use ScriptedDialogs.
class DialogPort {
 public:
  virtual ~DialogPort() = default;
  // `failure` marks the message that reports an abandoned command.
  virtual void message(std::string_view title, std::string_view text, bool failure) = 0;
  virtual std::string input(std::string_view title, std::string_view prompt) = 0;
};

// Records every box and answers input boxes from a queue; with no answer
// queued an input box is cancelled.
class ScriptedDialogs : public DialogPort {
 public:
  struct Shown {
    enum class Type { Message, Failure, Input } type;
    std::string title;
    std::string text;  // message text or input prompt
    friend bool operator==(const Shown&, const Shown&) = default;
  };

  void message(std::string_view title, std::string_view text, bool failure) override;
  std::string input(std::string_view title, std::string_view prompt) override;

  void answer(std::string text) { answers_.emplace_back(std::move(text)); }
  void cancel() { answers_.emplace_back(std::nullopt); }
  std::size_t unused_answers() const { return answers_.size(); }

  const std::vector<Shown>& shown() const { return shown_; }
  // Texts of the message boxes shown so far (failures included).
  std::vector<std::string> messages() const;
  void forget() { shown_.clear(); }

 private:
  std::vector<Shown> shown_;
  std::deque<std::optional<std::string>> answers_;
};

}  // namespace aquamere
