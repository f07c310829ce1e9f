# Mirrors data/include and data/replace into a program folder:
#   cmake -DSOURCE=<data> -DDESTINATION=<bin> -DMANIFEST=<file> -P MirrorData.cmake
# Changed files are copied, and files copied by an earlier run whose source has gone are removed.
# The manifest remembers what was copied, so files that did not come from data/ (replace lists
# saved by the user) are left alone.
cmake_minimum_required(VERSION 3.22)

foreach(var SOURCE DESTINATION MANIFEST)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "MirrorData.cmake needs -D${var}=...")
  endif()
endforeach()

set(shipped)
foreach(folder include replace)
  file(MAKE_DIRECTORY "${DESTINATION}/${folder}")
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${SOURCE}" "${SOURCE}/${folder}/*")
  list(APPEND shipped ${files})
endforeach()
list(SORT shipped)

foreach(file IN LISTS shipped)
  get_filename_component(dir "${DESTINATION}/${file}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  # The settings file is only a first start's seed: the program writes the window size into it,
  # and a later build must not put the shipped one back.
  if(file STREQUAL "include/regforge" AND EXISTS "${DESTINATION}/${file}")
    continue()
  endif()
  file(COPY_FILE "${SOURCE}/${file}" "${DESTINATION}/${file}" ONLY_IF_DIFFERENT)
endforeach()

if(EXISTS "${MANIFEST}")
  file(STRINGS "${MANIFEST}" previous)
  foreach(file IN LISTS previous)
    if(NOT file IN_LIST shipped AND EXISTS "${DESTINATION}/${file}")
      message(STATUS "Removing ${file}: no longer in data/")
      file(REMOVE "${DESTINATION}/${file}")
    endif()
  endforeach()
endif()

list(JOIN shipped "\n" text)
file(WRITE "${MANIFEST}.tmp" "${text}\n")
file(RENAME "${MANIFEST}.tmp" "${MANIFEST}")
