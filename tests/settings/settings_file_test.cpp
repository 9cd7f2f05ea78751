// The report path kept between runs: read back as it was confirmed, a file
// that cannot be read or holds no readable path passed over, a write that
// fails told with its reason.
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "expect_failure.h"
#include "files/disk_files.h"
#include "program_fixture.h"
#include "temp_folder.h"

namespace aquamere {
namespace {

constexpr const char* file = "/config/aquamere/settings.txt";

TEST(SettingsFile, KeepsThePathAndPassesOverWhatItCannotRead) {
  MemoryFiles disk;
  SettingsFile kept(disk, "/config/aquamere");
  EXPECT_EQ(kept.file(), file);
  EXPECT_EQ(kept.report_path(), std::nullopt);
  kept.keep_report_path("D:\\给水计算\\JL-1.txt");
  EXPECT_EQ(kept.report_path(), "D:\\给水计算\\JL-1.txt");
  kept.keep_report_path("");
  EXPECT_EQ(kept.report_path(), "");

  const std::string too_large = "report_path=" + std::string(std::size_t{70} * 1024, 'p') + "\n";
  const std::string unreadable[] = {"",
                                    "report_path",
                                    "路径=JL-1.txt\n",
                                    "report_path=JL\x01-1.txt\n",
                                    "report_path=JL\x7F-1.txt\n",
                                    "report_path=JL-1\xFF.txt\n",
                                    "report_path=\xE7\xBB\n",
                                    too_large};
  for (const std::string& text : unreadable) {
    disk.files[file] = text;
    EXPECT_EQ(kept.report_path(), std::nullopt) << testing::PrintToString(text.substr(0, 40));
  }
  disk.files[file] = "# 注\r\nreport_path=JL-1.txt\r\nreport_path=JL-2.txt\r\n";
  EXPECT_EQ(kept.report_path(), "JL-1.txt");
  disk.broken_paths = {file};
  EXPECT_EQ(kept.report_path(), std::nullopt);

  disk.broken_paths.clear();
  disk.writes_before_failure = 0;
  EXPECT_FAILURE(kept.keep_report_path("JL-3.txt"),
                 "无法写入设置文件“/config/aquamere/settings.txt”：磁盘已满。");
  EXPECT_EQ(kept.report_path(), "JL-1.txt");
  SettingsFile nowhere(disk, "");
  EXPECT_EQ(nowhere.report_path(), std::nullopt);
  EXPECT_FAILURE(nowhere.keep_report_path("JL-3.txt"),
                 "无法保存计算书保存路径：本机没有存放用户设置的文件夹。");
}

// On the disk the folder is made on the way, and a folder that cannot be
// made is told as the file it was for.
TEST(SettingsFile, MakesItsFolderOnTheDisk) {
  const TempFolder folder;
  DiskFiles disk;
  SettingsFile kept(disk, folder.path("配置/aquamere"));
  kept.keep_report_path("计算书.txt");
  EXPECT_EQ(SettingsFile(disk, folder.path("配置/aquamere")).report_path(), "计算书.txt");
  disk.append(folder.path("plain"), "");
  SettingsFile blocked(disk, folder.path("plain/aquamere"));
  EXPECT_FAILURE(blocked.keep_report_path("x.txt"),
                 "无法打开设置文件“" + blocked.file() + "”：路径中有一部分不是文件夹。");
}

// OK keeps a path that differs from the one kept: with the default and
// nothing kept it writes nothing, and a path that cannot be kept is told
// while the rest of OK stands.
TEST(SettingsFile, OkKeepsAConfirmedPathThatIsNew) {
  MemoryFiles disk;
  SettingsFile kept(disk, "/config/aquamere");
  ScriptedDialogs dialogs;
  Program program(dialogs, disk, kept);
  program.click("frmmain", "mnuset");
  program.click("frmset", "cmddone");
  EXPECT_FALSE(disk.files.contains(file));
  program.click("frmmain", "mnuset");
  program.type("frmset", "txtfile", "JL-2.txt");
  program.click("frmset", "op_lz");
  disk.writes_before_failure = 0;
  program.click("frmset", "cmddone");
  EXPECT_EQ(dialogs.messages(),
            std::vector<std::string>{"无法写入设置文件“/config/aquamere/settings.txt”：磁盘已满。"});
  EXPECT_EQ(program.find_window("frmmain")->text("Label5"), "PP-R_LZ水力计算表:");
  EXPECT_FALSE(disk.files.contains(file));
}

// Where a desktop of this system keeps a user's settings.
TEST(SettingsFolder, FollowsTheSystemsConvention) {
#ifdef _WIN32
  const std::string folder = settings_folder();
  EXPECT_TRUE(folder.ends_with("\\Aquamere")) << folder;
#else
  const char* saved_config = std::getenv("XDG_CONFIG_HOME");
  const std::string config = saved_config != nullptr ? saved_config : "";
  setenv("HOME", "/home/设计", 1);
  setenv("XDG_CONFIG_HOME", "/tmp/config", 1);
  EXPECT_EQ(settings_folder(), "/tmp/config/aquamere");
  setenv("XDG_CONFIG_HOME", "relative/config", 1);
  EXPECT_EQ(settings_folder(), "/home/设计/.config/aquamere");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(settings_folder(), "/home/设计/.config/aquamere");
  if (saved_config != nullptr) setenv("XDG_CONFIG_HOME", config.c_str(), 1);
#endif
}

}  // namespace
}  // namespace aquamere
