#include "scenario/model_driver.h"

#include <charconv>
#include <stdexcept>

#include "program/program.h"
#include "scenario/variables.h"

namespace aquamere::scenario {
namespace {

class ModelDriver : public Driver {
 public:
  ModelDriver(DialogPort& dialogs, FilePort& files, KeptSettings& kept) : program_(dialogs, files, kept) {}

  void type(const std::string& window, const std::string& control, const std::string& text) override {
    program_.type(window, control, text);
  }
  void click(const std::string& window, const std::string& control) override {
    program_.click(window, control);
  }
  void select(const std::string& window, const std::string& control, int row) override {
    program_.select(window, control, row);
  }
  void double_click(const std::string& window, const std::string& control) override {
    program_.double_click(window, control);
  }
  void key(const std::string& keys) override {
    if (!program_.press(keys)) throw std::invalid_argument("no menu item answers " + keys);
  }
  void close(const std::string& window) override { program_.close(window); }
  void screenshot(const std::string&, const std::string&) override {}

  std::string text(const std::string& window, const std::string& control) override {
    const Form& form = existing(window);
    if (control.empty()) return form.caption;
    const Control& c = form.at(control);
    if (c.kind == Kind::CheckBox || c.kind == Kind::OptionButton) return std::to_string(c.value);
    return c.text;
  }
  std::vector<std::string> items(const std::string& window, const std::string& control) override {
    return existing(window).at(control).items.lines();
  }
  int selected(const std::string& window, const std::string& control) override {
    return existing(window).at(control).selected;
  }
  std::string align(const std::string& window, const std::string& control) override {
    switch (existing(window).at(control).align) {
      case Align::Left:
        return "left";
      case Align::Right:
        return "right";
      case Align::Center:
        return "center";
    }
    return {};
  }
  bool window_open(const std::string& window) override {
    const Form* form = program_.find_window(window);
    return form != nullptr && form->shown;
  }
  std::string variable(const std::string& name) override { return variable_text(program_.state(), name); }
  std::string report_path() override { return scenario::report_path(program_); }

 private:
  const Form& existing(const std::string& window) {
    const Form* form = program_.find_window(window);
    if (form == nullptr) throw std::invalid_argument("window " + window + " does not exist");
    return *form;
  }

  Program program_;
};

}  // namespace

std::unique_ptr<Driver> make_model_driver(DialogPort& dialogs, FilePort& files, KeptSettings& kept) {
  return std::make_unique<ModelDriver>(dialogs, files, kept);
}

}  // namespace aquamere::scenario
