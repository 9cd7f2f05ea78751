#pragma once

#include <functional>
#include <optional>
#include <string>

#include "common/dialogs.h"

namespace aquamere::win32 {

// The real message and input boxes: the program's title, the text, OK only
// and no icon (MessageBoxW); the input box a small modal dialog made in
// memory with its prompt, a text box, OK and Cancel, "" when cancelled; and
// Windows' own dialogs that ask where to save a workbook and which report
// to open. While any of them is up no other window of the program takes
// input.
class Dialogs : public DialogPort {
 public:
  // Runs before each box is shown.
  void before_each_box(std::function<void()> step) { before_ = std::move(step); }

  void message(std::string_view title, std::string_view text, bool failure) override;
  std::string input(std::string_view title, std::string_view prompt) override;
  std::string save_path(std::string_view title, std::string_view proposed) override;
  std::string open_path(std::string_view title, std::string_view current) override;

 private:
  std::function<void()> before_;
};

// What the save dialog answered: the path chosen, "" when the user
// cancelled, nothing when the dialog would not take the name proposed.
using SaveAnswer = std::optional<std::string>;

// A name the save dialog will not propose (a character no file name may
// hold, a path too long) is proposed bare, then not at all, rather than
// taken for the user's Cancel; `ask` shows the dialog proposing a name.
// Throws Failure when it takes no name at all.
std::string save_path_proposing(const std::wstring& proposed,
                                const std::function<SaveAnswer(const std::wstring& name)>& ask);

}  // namespace aquamere::win32
