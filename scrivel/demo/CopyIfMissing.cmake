# Copies SOURCE to DESTINATION unless DESTINATION exists already, so that a
# user's edits of the copy survive the next build.
#   cmake -DSOURCE=a -DDESTINATION=b -P CopyIfMissing.cmake
if(NOT EXISTS "${DESTINATION}")
  get_filename_component(folder "${DESTINATION}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()
