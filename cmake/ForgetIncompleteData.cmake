# Run before the data generators on every build: a generator whose stamp is there
# but whose files are not (deleted by hand, a half-cleaned build folder) loses its
# stamp, so the build makes its data again instead of leaving the tree broken.
# Reads the list of every file the program opens, whose first column names the
# generator that makes it.
file(STRINGS ${LIST} lines)
set(stamp_board board_pictures.stamp)
set(stamp_scene scene_pictures.stamp)
set(stamp_sounds sounds.stamp)
set(stamp_text textdata.stamp)
set(stamp_levels textdata.stamp)
foreach(line ${lines})
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  endif()
  string(REPLACE "\t" ";" fields "${line}")
  list(GET fields 0 producer)
  list(GET fields 2 path)
  if(NOT DEFINED stamp_${producer})
    continue()
  endif()
  set(stamp ${STAMPS}/${stamp_${producer}})
  if(EXISTS ${stamp} AND NOT EXISTS ${RUNTIME}/${path})
    message(STATUS "Data file ${path} is missing: making the ${producer} data again")
    file(REMOVE ${stamp})
  endif()
endforeach()
