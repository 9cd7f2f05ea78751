# The libraries from outside the project, for the Linux build and for the
# Windows cross-build alike.

# zlib, for libxlsxwriter and for reading exported books back. The Windows
# programs link its static library (the toolchain file asks for it), so
# that they need no zlib1.dll.
find_package(ZLIB REQUIRED)

# RapidJSON, header-only, reads and writes the segment journal. Debian
# installs it for the host, among the host's own headers: the cross-build
# takes its folder alone, so that no Linux header can stand in for a
# Windows one; the native build finds it where the compiler looks anyway.
find_path(RAPIDJSON_INCLUDE rapidjson/document.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(RapidJSON INTERFACE IMPORTED)
if(CMAKE_CROSSCOMPILING)
  set(rapidjson_folder ${CMAKE_BINARY_DIR}/rapidjson)
  file(MAKE_DIRECTORY ${rapidjson_folder})
  file(CREATE_LINK ${RAPIDJSON_INCLUDE}/rapidjson ${rapidjson_folder}/rapidjson SYMBOLIC)
  set_target_properties(RapidJSON PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${rapidjson_folder})
endif()

# libxlsxwriter, which writes the Excel calculation book: a static library
# built from Debian's source package with its own minizip and MD5, needing
# only zlib (scripts/xlsxwriter, run here the first time). One build per
# platform in build/xlsxwriter serves every build folder of the project.
if(WIN32)
  set(xlsxwriter_platform windows)
else()
  set(xlsxwriter_platform linux)
endif()
set(XLSXWRITER_PREFIX ${PROJECT_SOURCE_DIR}/build/xlsxwriter/${xlsxwriter_platform})
if(NOT EXISTS ${XLSXWRITER_PREFIX}/lib/libxlsxwriter.a)
  execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/xlsxwriter ${xlsxwriter_platform}
    COMMAND_ERROR_IS_FATAL ANY)
endif()
add_library(xlsxwriter::xlsxwriter STATIC IMPORTED)
set_target_properties(xlsxwriter::xlsxwriter PROPERTIES
  IMPORTED_LOCATION ${XLSXWRITER_PREFIX}/lib/libxlsxwriter.a
  INTERFACE_INCLUDE_DIRECTORIES ${XLSXWRITER_PREFIX}/include
  INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
