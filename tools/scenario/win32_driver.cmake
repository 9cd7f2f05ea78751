# The scenario runner's Win32 mode: scenario steps reach the program through
# the real native controls, as a user's input would, and checks read the
# controls. Included by tools/CMakeLists.txt in the Windows build.
add_library(aquamere_win32_driver STATIC
  ${CMAKE_CURRENT_LIST_DIR}/win32_driver.cpp ${CMAKE_CURRENT_LIST_DIR}/window_picture.cpp)
target_link_libraries(aquamere_win32_driver PUBLIC aquamere_scenario aquamere::win32 PRIVATE gdiplus aquamere_warnings)
