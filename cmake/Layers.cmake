# tools_include_root(target name): gives target an include path that holds
# its own source folder and nothing else. The path is a folder of the build
# tree with one symbolic link, <name>, to the target's source folder, so
# "<name>/Header.h" is found. The folders of other layers are not reachable
# through it: a target reaches a header of another layer only by linking that
# layer, and an include that runs up the layers fails to compile.
function(tools_include_root target name)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${target})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# tools_layer_below(target higher...): refuses, at configure time, a link
# from target to any of the higher layers, so that the layers keep linking
# only downward.
function(tools_layer_below target)
  get_target_property(links ${target} LINK_LIBRARIES)
  get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  foreach(higher ${ARGN})
    if((links AND higher IN_LIST links) OR (interface AND higher IN_LIST interface))
      message(FATAL_ERROR "${target} links ${higher}, a layer above it")
    endif()
  endforeach()
endfunction()
