# The manual page and the package's documents, and the Debian package made from the
# same install rules: `cpack -G DEB` in a build folder (scripts/package.sh builds one).

# Manual pages and changelogs are installed compressed, without a time stamp inside,
# so that the same sources give the same package.
set(TV_DOC_OUT ${CMAKE_BINARY_DIR}/doc)
set(TV_COMPRESSED_DOCS)
foreach(pair "tinselvale.6;tinselvale.6.gz" "changelog;changelog.gz")
  list(GET pair 0 source)
  list(GET pair 1 compressed)
  add_custom_command(OUTPUT ${TV_DOC_OUT}/${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TV_DOC_OUT}
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" gzip ${CMAKE_SOURCE_DIR}/packaging/${source}
            ${TV_DOC_OUT}/${compressed}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${source}
    VERBATIM)
  list(APPEND TV_COMPRESSED_DOCS ${TV_DOC_OUT}/${compressed})
endforeach()
add_custom_target(docs ALL DEPENDS ${TV_COMPRESSED_DOCS})

install(FILES ${TV_DOC_OUT}/tinselvale.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/copyright ${TV_DOC_OUT}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tinselvale)
# What lintian rightly asks but the game cannot change, each with its reason.
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME tinselvale)
# Stripped as Debian's own packages are: without the compiler's notes, which only
# name the compiler.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${TV_PROGRAM_DIR}/tinselvale\")
  endif()")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tinselvale)
set(CPACK_PACKAGE_VENDOR Quillmoth)
set(CPACK_PACKAGE_CONTACT "Tinselvale developers <dev@tinselvale.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "match-three puzzle game set in a snowy village at night")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Exchange two neighbouring gems to make lines of three or more; every burst
clears a brick layer beneath it, and a level is won when the last layer is
gone. Bursting gems leave bonus pieces that clear areas, rows and columns, and
there is no time limit.

Two packs of 55 levels are played from a map of stars. Won levels unlock
pictures for the gallery, and up to six players keep their own progress.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Dependencies are what the program's shared libraries need, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_CUSTOM_INSTALL_VARIABLES TV_GAMES_LAYOUT=ON)
# Folders the install rules create get the usual 755, whatever the umask of the day.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Only the package is made here; cpack's own package of the sources is not used.
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
