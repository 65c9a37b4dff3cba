# Each folder of the program is a layer with a target of its own. A layer's target sees its
# own headers and those of the layers it names, through an include root in the build tree
# that holds links to just those folders: an include of any other folder does not build.
#
#   kaleidra_layer(TARGET FOLDERS folder...)
#
# A folder is named as it is included ("codecs", "platform/qt", "resources"); folders live
# under src/, except resources/ at the top. Targets that link TARGET see the same folders.
function(kaleidra_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "FOLDERS")
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  foreach(folder IN LISTS LAYER_FOLDERS)
    if(folder STREQUAL "resources")
      set(source ${PROJECT_SOURCE_DIR}/resources)
    else()
      set(source ${PROJECT_SOURCE_DIR}/src/${folder})
    endif()
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${source} ${root}/${folder} SYMBOLIC)
  endforeach()
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
