# One library target per layer folder of src/. A layer's headers are reached
# as "<layer>/<file>.h" only through its own include root, a folder in the
# build tree that holds nothing but a link to that layer's sources; a target
# gets that root only by linking the layer. So a header included from a layer
# that is not linked — an upward include — is not found and the build fails,
# instead of compiling and leaving the direction of dependencies a convention.
#
#   aquamere_layer(<name> SOURCES <files…> LINKS <layers below…> [PRIVATE_LINKS <libraries…>])
function(aquamere_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "SOURCES;LINKS;PRIVATE_LINKS")
  set(root ${CMAKE_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${name})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
  endif()
  set(links)
  foreach(below IN LISTS layer_LINKS)
    list(APPEND links aquamere::${below})
  endforeach()
  if(layer_SOURCES)
    add_library(aquamere_${name} STATIC ${layer_SOURCES})
    target_include_directories(aquamere_${name} PUBLIC ${root})
    target_link_libraries(aquamere_${name} PUBLIC ${links} PRIVATE aquamere_warnings ${layer_PRIVATE_LINKS})
  else()
    add_library(aquamere_${name} INTERFACE)
    target_include_directories(aquamere_${name} INTERFACE ${root})
    target_link_libraries(aquamere_${name} INTERFACE ${links})
  endif()
  add_library(aquamere::${name} ALIAS aquamere_${name})
endfunction()
