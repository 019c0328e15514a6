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
