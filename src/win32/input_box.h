#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace aquamere::win32 {

// The input box's dialog template, laid out in dialog units as a dialog
// resource would be: the prompt at the top left, OK and Cancel at the
// right, the text box across the bottom.
inline constexpr int input_box_edit = 100;
inline constexpr int input_box_prompt = 101;
std::vector<WORD> input_box_template(std::string_view title, std::string_view prompt);

// Shows the input box over the program's windows and returns what was
// typed, "" when cancelled.
std::string run_input_box(std::string_view title, std::string_view prompt);

}  // namespace aquamere::win32
