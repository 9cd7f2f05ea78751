#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "expect_failure.h"
#include "files/disk_files.h"
#include "temp_folder.h"

namespace aquamere {

// The real file port in a fresh folder of its own.
class DiskFilesTest : public ::testing::Test {
 protected:
  std::string path(const char* name) const { return folder.path(name); }
  static std::string contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> lines(const std::string& file) {
    std::vector<std::string> read;
    disk.read_lines(file, [&](std::string_view line) { read.emplace_back(line); });
    return read;
  }

  TempFolder folder;
  DiskFiles disk;
};

}  // namespace aquamere
