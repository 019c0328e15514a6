# Installs the build into a fresh prefix and checks that everything a desktop
# user and the package need is there, then runs the installed programs.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DSOURCE_DIR=... -DPACKAGE_NAME=...
#         -DVERSION=... -DRELEASE=... -DPROGRAMS="a;b" -DMAN_PAGES=ON|OFF
#         -P CheckInstall.cmake

cmake_minimum_required(VERSION 3.25)

set(failures)
macro(fail text)
  list(APPEND failures "${text}")
endmacro()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()

set(expected share/doc/${PACKAGE_NAME}/copyright share/doc/${PACKAGE_NAME}/changelog.Debian.gz
             share/lintian/overrides/${PACKAGE_NAME})
foreach(program IN LISTS PROGRAMS)
  list(APPEND expected bin/${program})
  if(MAN_PAGES)
    list(APPEND expected share/man/man1/${program}.1.gz)
  endif()
endforeach()
foreach(program scrivel packwell)
  if(program IN_LIST PROGRAMS)
    list(APPEND expected
         share/applications/${program}.desktop
         share/icons/hicolor/scalable/apps/${program}.svg
         share/icons/hicolor/48x48/apps/${program}.png
         share/icons/hicolor/256x256/apps/${program}.png)
  endif()
endforeach()
if("scrivel" IN_LIST PROGRAMS)
  list(APPEND expected share/scrivel/demo/demo.sfc share/scrivel/demo/demo-blocks.txt
       share/scrivel/demo/Dumps/001A8000.txt)
  list(APPEND expected share/scrivel/demo/gamefont.png share/scrivel/demo/previewfont.png)
  if(EXISTS ${SOURCE_DIR}/scrivel/demo/demo.tbl)
    list(APPEND expected share/scrivel/demo/demo.tbl)
  endif()
endif()

foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    fail("missing: ${file}")
  elseif(file MATCHES "\\.gz$")
    # A gzip stream written without name or time stamp (gzip -n): flags and
    # bytes 4..7 are 0.
    file(READ ${PREFIX}/${file} head LIMIT 8 HEX)
    if(NOT head STREQUAL "1f8b080000000000")
      fail("not gzip -n output: ${file} starts ${head}")
    endif()
  endif()
endforeach()

# The icons at the size their folder names: the PNG signature, then the IHDR
# chunk with width and height as 32-bit big-endian numbers.
set(size_hex_48 00000030)
set(size_hex_256 00000100)
foreach(size 48 256)
  foreach(program scrivel packwell)
    set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${program}.png)
    if(EXISTS ${icon})
      file(READ ${icon} header LIMIT 24 HEX)
      if(NOT header STREQUAL "89504e470d0a1a0a0000000d49484452${size_hex_${size}}${size_hex_${size}}")
        fail("${icon} is not a ${size} x ${size} PNG")
      endif()
    endif()
  endforeach()
endforeach()

# What the file manager and the menu rely on in the entries.
if(EXISTS ${PREFIX}/share/applications/scrivel.desktop)
  file(STRINGS ${PREFIX}/share/applications/scrivel.desktop entry)
  foreach(line "Exec=scrivel %f" "Icon=scrivel" "MimeType=application/vnd.nintendo.snes.rom;")
    if(NOT line IN_LIST entry)
      fail("scrivel.desktop lacks the line ${line}")
    endif()
  endforeach()
endif()

# The package's changelog must name this version, or dpkg and lintian object.
file(STRINGS ${SOURCE_DIR}/packaging/debian/changelog changelog LIMIT_COUNT 1)
if(NOT changelog MATCHES "^${PACKAGE_NAME} \\(${VERSION}-${RELEASE}\\) ")
  fail("packaging/debian/changelog does not begin with version ${VERSION}-${RELEASE}: ${changelog}")
endif()

# Every installed program names itself and the version, without a display
# (the desktop programs answer before Qt looks for one).
foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                          ${PREFIX}/bin/${program} --version
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT output STREQUAL "${program} ${VERSION}\n")
    fail("installed ${program} --version: status ${status}, output '${output}' ${errors}")
  endif()
endforeach()
if("packwell-cli" IN_LIST PROGRAMS)
  execute_process(COMMAND ${PREFIX}/bin/packwell-cli --help RESULT_VARIABLE status OUTPUT_VARIABLE output)
  if(NOT status EQUAL 0 OR NOT output MATCHES "packwell-cli" OR NOT output MATCHES "merge")
    fail("installed packwell-cli --help: status ${status}, output '${output}'")
  endif()
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "The installed tree in ${PREFIX} is incomplete:\n  ${text}")
endif()
list(LENGTH expected count)
message(STATUS "${count} installed files checked in ${PREFIX}")
