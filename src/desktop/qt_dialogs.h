#pragma once

#include <functional>

#include "common/dialogs.h"

namespace aquamere {

// The real message and input boxes: the program's title, the text, OK only
// and no icon; the input box with its prompt and an empty answer, "" when
// cancelled; and the platform's file dialogs. All are modal: no other
// window takes input while one is up.
class QtDialogs : public DialogPort {
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

}  // namespace aquamere
