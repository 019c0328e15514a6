# Installing like a desktop application (`cmake --install build [--prefix P]`)
# and the Debian package (`cpack -G DEB` in the build folder): the four
# programs, menu entries, icons, manual pages made from the programs' own
# --help and --version, the demo ROM, and the package's documentation.
include(GNUInstallDirs)

set(packaging_dir ${CMAKE_CURRENT_LIST_DIR})
set(package_name scrivel-packwell)
set(package_release 1)  # the Debian revision of this version's package
set(TOOLS_PACKAGE_MAINTAINER "Scrivel and Packwell maintainers <maintainers@scrivel-packwell.invalid>"
    CACHE STRING "The Maintainer line of the Debian package")

# The manual pages run the programs at build time, which a sanitised or
# fuzzing build is not for.
find_program(TOOLS_HELP2MAN help2man)
find_program(TOOLS_GZIP gzip)
if(TOOLS_HELP2MAN AND TOOLS_GZIP AND NOT TOOLS_SANITIZE AND NOT TOOLS_BUILD_FUZZERS)
  set(tools_man_pages ON)
else()
  set(tools_man_pages OFF)
  if(NOT TOOLS_SANITIZE AND NOT TOOLS_BUILD_FUZZERS)
    message(STATUS "packaging: help2man or gzip not found, no manual pages")
  endif()
endif()

# One line for each program's manual page: what it is.
set(man_name_scrivel "script editor for fan translations of a SNES game")
set(man_name_scrivel-cli "the script editor's commands on the command line")
set(man_name_packwell "file merger for the data files of a SNES game")
set(man_name_packwell-cli "the file merger's commands on the command line")

set(installed_programs)
set(man_pages)
foreach(program scrivel packwell scrivel-cli packwell-cli)
  if(NOT TARGET ${program})
    continue()
  endif()
  list(APPEND installed_programs ${program})
  install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(tools_man_pages)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    # gzip -n leaves out the name and time stamp, so the same page compresses
    # to the same bytes.
    add_custom_command(
      OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
              ${TOOLS_HELP2MAN} --no-info --name=${man_name_${program}} --output=${page} $<TARGET_FILE:${program}>
      COMMAND ${TOOLS_GZIP} -9nf ${page}
      DEPENDS ${program}
      COMMENT "Writing the manual page of ${program}"
      VERBATIM)
    list(APPEND man_pages ${page}.gz)
  endif()
endforeach()
if(man_pages)
  add_custom_target(man_pages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# Menu entries and icons of the desktop programs.
foreach(program scrivel packwell)
  if(NOT TARGET ${program})
    continue()
  endif()
  install(FILES ${packaging_dir}/${program}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${packaging_dir}/icons/${program}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 48 256)
    install(FILES ${packaging_dir}/icons/${program}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${program}.png)
  endforeach()
endforeach()

# The demo: the ROM and data file the build makes, the translation script of
# its first block (the source copy, not the build folder's, which may hold
# edits), and its table file where the tree has one.
if(TARGET scrivel_demo)
  set(demo_destination ${CMAKE_INSTALL_DATADIR}/scrivel/demo)
  install(FILES ${CMAKE_BINARY_DIR}/demo/demo.sfc ${CMAKE_BINARY_DIR}/demo/demo-blocks.txt
          DESTINATION ${demo_destination})
  # The stand-in fonts as sheets, exported by the build.
  install(FILES ${CMAKE_BINARY_DIR}/demo/gamefont.png ${CMAKE_BINARY_DIR}/demo/previewfont.png
          DESTINATION ${demo_destination})
  install(FILES ${PROJECT_SOURCE_DIR}/scrivel/demo/001A8000.txt DESTINATION ${demo_destination}/Dumps)
  install(FILES ${PROJECT_SOURCE_DIR}/scrivel/demo/demo.tbl DESTINATION ${demo_destination} OPTIONAL)
endif()

# The package's documentation where Debian keeps it.
set(doc_destination ${CMAKE_INSTALL_DATADIR}/doc/${package_name})
if(TOOLS_GZIP)
  set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
  add_custom_command(
    OUTPUT ${changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND sh -c "${TOOLS_GZIP} -9nc \"$1\" > \"$2\"" sh ${packaging_dir}/debian/changelog ${changelog}
    DEPENDS ${packaging_dir}/debian/changelog
    VERBATIM)
  add_custom_target(package_changelog ALL DEPENDS ${changelog})
  install(FILES ${changelog} DESTINATION ${doc_destination})
endif()
install(FILES ${packaging_dir}/debian/copyright DESTINATION ${doc_destination})
install(FILES ${packaging_dir}/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ${package_name})

# The Debian package. Its dependencies come from the binaries themselves
# (dpkg-shlibdeps), so the Qt runtime is pulled in by whatever version the
# programs were linked against.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${package_name})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Scrivel and Packwell developers")
set(CPACK_PACKAGE_CONTACT ${TOOLS_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "script editor and file merger for fan translations of a SNES game")
# CPack puts the summary above this as the description's first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Scrivel shows the strings of the game's ROM on an emulated game screen, keeps
a plain-text translation script per text block, compiles a translated string
back to game bytes and previews it on the same screen. Packwell merges groups
of files into one with a byte listing, builds GAME Packs and compresses files
with Huffman or RLE coding.
.
Both come with a command-line twin for batch work: scrivel-cli and
packwell-cli. A synthetic demo ROM is included in /usr/share/scrivel/demo.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TOOLS_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${package_release})
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

if(TOOLS_BUILD_TESTS)
  find_program(TOOLS_DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(TOOLS_DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entries
             COMMAND ${TOOLS_DESKTOP_FILE_VALIDATE} ${packaging_dir}/scrivel.desktop ${packaging_dir}/packwell.desktop)
  endif()
  add_test(NAME install_tree
           COMMAND ${CMAKE_COMMAND}
                   -DBUILD_DIR=${CMAKE_BINARY_DIR}
                   -DPREFIX=${CMAKE_BINARY_DIR}/install-test
                   -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                   -DPACKAGE_NAME=${package_name}
                   -DVERSION=${PROJECT_VERSION}
                   -DRELEASE=${package_release}
                   "-DPROGRAMS=${installed_programs}"
                   -DMAN_PAGES=${tools_man_pages}
                   -P ${packaging_dir}/tests/CheckInstall.cmake)
endif()
