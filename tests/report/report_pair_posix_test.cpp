// The report and its journal replaced on a file system that fills up: a
// small tmpfs of its own, which takes root to mount (skipped otherwise).
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#include "files/disk_files.h"
#include "report/report_pair.h"
#include "temp_folder.h"

namespace aquamere {
namespace {

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// However far the new pair gets before the disk is full, the folder holds
// the old pair alone, untouched, or the new pair and the old one before it.
TEST(ReportPairOnAFullDisk, KeepsTheOldPairOrPutsTheNewOne) {
  TempFolder folder;
  folder.make_folder("disk");
  const std::string disk_folder = folder.path("disk");
  if (::mount("tmpfs", disk_folder.c_str(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "no tmpfs of its own: " << std::strerror(errno);
  DiskFiles disk;
  const std::string report = disk_folder + "/r.txt", journal = report + ".json";
  const std::string old_report(10000, 'a'), old_journal(10000, 'b');
  for (const std::size_t size : {1000, 20000, 30000, 60000, 100000}) {
    for (const auto& entry : std::filesystem::directory_iterator(disk_folder)) std::filesystem::remove(entry);
    disk.replace(report, old_report);
    disk.replace(journal, old_journal);
    bool replaced = true;
    try {
      report_pair::replace(disk, report, std::string(size, 'c'), std::string(size, 'd'));
    } catch (const Failure& failure) {
      replaced = false;
      EXPECT_NE(std::string(failure.what()).find("磁盘已满"), std::string::npos) << failure.what();
    }
    if (size == 1000 || size == 100000) {
      EXPECT_EQ(replaced, size == 1000);
    }
    EXPECT_EQ(contents(report), replaced ? std::string(size, 'c') : old_report) << size;
    EXPECT_EQ(contents(journal), replaced ? std::string(size, 'd') : old_journal) << size;
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(disk_folder))
      names.insert(entry.path().filename().string());
    std::set<std::string> expected = {"r.txt", "r.txt.json"};
    if (replaced) expected.insert({"r.txt.before", "r.txt.before.json"});
    EXPECT_EQ(names, expected) << size;
  }
  ::umount2(disk_folder.c_str(), MNT_DETACH);
}

}  // namespace
}  // namespace aquamere
