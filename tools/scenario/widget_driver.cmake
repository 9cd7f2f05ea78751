# The scenario runner's widget mode: scenario steps reach the program
# through the real Qt widgets, as a user's would, and checks read the
# widgets. Included by tools/CMakeLists.txt when the desktop is built.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)

add_library(aquamere_widget_driver STATIC ${CMAKE_CURRENT_LIST_DIR}/widget_driver.cpp)
target_link_libraries(aquamere_widget_driver
  PUBLIC aquamere_scenario aquamere::desktop
  PRIVATE Qt6::Test aquamere_warnings)
