#include "common/dialogs.h"

namespace aquamere {

void ScriptedDialogs::message(std::string_view title, std::string_view text, bool failure) {
  shown_.push_back(
      {failure ? Shown::Type::Failure : Shown::Type::Message, std::string(title), std::string(text)});
}

std::string ScriptedDialogs::input(std::string_view title, std::string_view prompt) {
  shown_.push_back({Shown::Type::Input, std::string(title), std::string(prompt)});
  return next_answer();
}

std::string ScriptedDialogs::save_path(std::string_view title, std::string_view proposed) {
  shown_.push_back({Shown::Type::Save, std::string(title), std::string(proposed)});
  return next_answer();
}

std::string ScriptedDialogs::open_path(std::string_view title, std::string_view current) {
  shown_.push_back({Shown::Type::Open, std::string(title), std::string(current)});
  return next_answer();
}

std::string ScriptedDialogs::next_answer() {
  if (answers_.empty()) return {};
  std::optional<std::string> answer = std::move(answers_.front());
  answers_.pop_front();
  return answer.value_or(std::string());
}

std::vector<std::string> ScriptedDialogs::messages() const {
  std::vector<std::string> texts;
  for (const Shown& s : shown_) {
    if (s.type == Shown::Type::Message || s.type == Shown::Type::Failure) texts.push_back(s.text);
  }
  return texts;
}

}  // namespace aquamere
