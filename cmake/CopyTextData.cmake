# Copies the hand-written data from the source tree into the runtime tree.
# Level files and settings go under data/, the game text under Data/text/.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(rel ${files})
  if(rel MATCHES "^text/")
    set(dest ${DST}/Data/${rel})
  else()
    set(dest ${DST}/data/${rel})
  endif()
  get_filename_component(dir ${dest} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  configure_file(${SRC}/${rel} ${dest} COPYONLY)
endforeach()
# The program spells the default settings both ways.
if(EXISTS ${SRC}/Default.ini)
  configure_file(${SRC}/Default.ini ${DST}/data/default.ini COPYONLY)
endif()
