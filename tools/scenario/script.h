#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace aquamere::scenario {

// One step of a scenario file: the verb and its arguments, with the line
// it stands on for messages.
struct Step {
  int line = 0;
  std::string verb;
  std::vector<std::string> args;
};

// A line the runner cannot read; what() names the file and the line.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Splits a line into blank-separated tokens; a token in double quotes may
// hold blanks and the escapes \" \\ \r \n \t. Throws std::invalid_argument
// for an unterminated quote or an unknown escape.
std::vector<std::string> tokenize(const std::string& line);

// Reads a scenario: one step per line, blank lines and lines starting with
// '#' skipped, every verb known and given the right number of arguments.
std::vector<Step> parse_script(const std::string& text, const std::string& file);

}  // namespace aquamere::scenario
