#include <filesystem>

#include "book/scratch_folder.h"
#include "common/failure.h"

namespace aquamere::book {

std::string scratch_folder() {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (error) throw Failure("无法写出Excel计算书：找不到存放临时文件的文件夹。");
  return folder.string();
}

}  // namespace aquamere::book
