# Each subsystem folder is a library whose headers others see only through
# its own include folder, so that what a target may include is what it links:
# an include of a library it does not link fails to compile.
#
#   geolume_layer(<target> <header>...)
#
# gives the target an include folder holding links to the headers named (full
# paths in the source tree), under their source-tree names.
function(geolume_layer target)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${root})
  foreach(header ${ARGN})
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${header})
    get_filename_component(folder ${root}/${relative} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${header} ${root}/${relative} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# geolume_subsystem(<name> LINKS <library>... [EXCLUDE <file name>...])
# makes the library <name> of the current folder's sources and headers, less
# the files excluded (which a test-support library takes instead).
function(geolume_subsystem name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LINKS;EXCLUDE")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(excluded ${arg_EXCLUDE})
    list(FILTER sources EXCLUDE REGEX "/${excluded}\\.cpp$")
    list(FILTER headers EXCLUDE REGEX "/${excluded}\\.h$")
  endforeach()
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC ${arg_LINKS})
  geolume_layer(${name} ${headers})
endfunction()
