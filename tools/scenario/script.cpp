#include "scenario/script.h"

#include <sstream>

namespace aquamere::scenario {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

char unescape(char c) {
  switch (c) {
    case '"':
      return '"';
    case '\\':
      return '\\';
    case 'r':
      return '\r';
    case 'n':
      return '\n';
    case 't':
      return '\t';
    default:
      throw std::invalid_argument(std::string("unknown escape \\") + c);
  }
}

// How many arguments each verb takes: at least `least`, at most `most`
// (-1: any number).
struct Arity {
  const char* verb;
  int least, most;
};

constexpr Arity arities[] = {
    {"type", 2, 2},
    {"click", 1, 1},
    {"dblclick", 1, 1},
    {"select", 2, 2},
    {"key", 1, 1},
    {"close", 1, 1},
    {"answer", 1, 1},
    {"cancel", 0, 0},
    {"screenshot", 2, 2},
    {"restart", 0, 0},
    {"append-report", 1, 1},
    {"write-settings", 1, 1},
    {"expect", 2, 2},
    {"expect-list", 1, -1},
    {"expect-align", 2, 2},
    {"expect-selected", 2, 2},
    {"expect-var", 2, 2},
    {"expect-msg", 1, 1},
    {"expect-prompt", 1, 1},
    {"expect-error", 0, 0},
    {"expect-window", 2, 2},
    {"expect-report", 2, 2},
    {"expect-report-lines", 1, 1},
    {"expect-no-report", 0, 0},
    {"expect-save", 1, 1},
    {"expect-open", 1, 1},
    {"expect-book", 3, 3},
    {"expect-no-file", 1, 1},
};

void check_arity(const Step& step) {
  for (const Arity& a : arities) {
    if (step.verb != a.verb) continue;
    const int n = static_cast<int>(step.args.size());
    if (n < a.least || (a.most >= 0 && n > a.most)) {
      throw std::invalid_argument("wrong number of arguments for " + step.verb);
    }
    return;
  }
  throw std::invalid_argument("unknown step " + step.verb);
}

}  // namespace

std::vector<std::string> tokenize(const std::string& line) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && is_blank(line[i])) ++i;
    if (i == line.size()) return tokens;
    std::string token;
    if (line[i] != '"') {
      while (i < line.size() && !is_blank(line[i])) token += line[i++];
    } else {
      for (++i;; ++i) {
        if (i == line.size()) throw std::invalid_argument("unterminated quote");
        if (line[i] == '"') break;
        if (line[i] == '\\') {
          if (++i == line.size()) throw std::invalid_argument("unterminated quote");
          token += unescape(line[i]);
        } else {
          token += line[i];
        }
      }
      ++i;
      if (i < line.size() && !is_blank(line[i])) throw std::invalid_argument("text after a closing quote");
    }
    tokens.push_back(std::move(token));
  }
}

std::vector<Step> parse_script(const std::string& text, const std::string& file) {
  std::vector<Step> steps;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    try {
      const std::size_t first = line.find_first_not_of(" \t\r");
      if (first == std::string::npos || line[first] == '#') continue;
      std::vector<std::string> tokens = tokenize(line);
      Step step{number, tokens.front(), {tokens.begin() + 1, tokens.end()}};
      check_arity(step);
      steps.push_back(std::move(step));
    } catch (const std::invalid_argument& error) {
      throw ScriptError(file + ":" + std::to_string(number) + ": " + error.what());
    }
  }
  return steps;
}

}  // namespace aquamere::scenario
