#pragma once

#include <memory>
#include <string>
#include <vector>

namespace aquamere {

// The lines of a list box. Copies share the lines until one of them changes,
// so taking a snapshot of a window whose list holds a long report is cheap.
class ListItems {
 public:
  ListItems() = default;
  ListItems(std::initializer_list<std::string> items)
      : lines_(std::make_shared<std::vector<std::string>>(items)) {}

  std::size_t size() const { return lines_ ? lines_->size() : 0; }
  bool empty() const { return size() == 0; }
  const std::string& operator[](std::size_t i) const { return (*lines_)[i]; }
  const std::vector<std::string>& lines() const { return lines_ ? *lines_ : none(); }
  auto begin() const { return lines().begin(); }
  auto end() const { return lines().end(); }

  void clear() { lines_.reset(); }
  void add(std::string line) { own().push_back(std::move(line)); }
  void assign(std::vector<std::string> lines) {
    lines_ = std::make_shared<std::vector<std::string>>(std::move(lines));
  }

  // True when both share the same lines without comparing them.
  bool same_lines(const ListItems& other) const { return lines_ == other.lines_; }

  friend bool operator==(const ListItems& a, const ListItems& b) {
    return a.same_lines(b) || a.lines() == b.lines();
  }

 private:
  static const std::vector<std::string>& none() {
    static const std::vector<std::string> empty;
    return empty;
  }
  std::vector<std::string>& own() {
    if (!lines_) {
      lines_ = std::make_shared<std::vector<std::string>>();
    } else if (lines_.use_count() > 1) {
      lines_ = std::make_shared<std::vector<std::string>>(*lines_);
    }
    return *lines_;
  }

  std::shared_ptr<std::vector<std::string>> lines_;
};

}  // namespace aquamere
