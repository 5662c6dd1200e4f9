# The manual pages name where the program and its card pictures are, so they are written for
# the prefix they are installed under: at configure time for the build folder's copy, and
# again by the install with the prefix it installs to (cmake --install --prefix, the package's
# /usr). The pages' version and day come from PROJECT_VERSION and HUSZONEGY_RELEASE_DATE.

set(HUSZONEGY_MAN_TEMPLATES "${CMAKE_CURRENT_LIST_DIR}/man")

# huszonegy_manual_pages(FOLDER PREFIX): FOLDER/huszonegy.6 and FOLDER/hu/huszonegy.6.
function(huszonegy_manual_pages folder prefix)
    string(REGEX REPLACE "/+$" "" prefix "${prefix}")
    # A bare "-" is a hyphen to roff, which a reader cannot type into a shell.
    string(REPLACE "-" "\\-" HUSZONEGY_MAN_PREFIX "${prefix}")
    foreach(page IN ITEMS huszonegy.6 hu/huszonegy.6)
        configure_file("${HUSZONEGY_MAN_TEMPLATES}/${page}.in" "${folder}/${page}" @ONLY)
    endforeach()
endfunction()

# huszonegy_install_manual_pages(FOLDER): at install time, the pages for its prefix, written
# in FOLDER and installed compressed as Debian wants them (gzip -9n: no name, no time stamp,
# so the same sources give the same bytes).
function(huszonegy_install_manual_pages folder)
    huszonegy_manual_pages("${folder}" "${CMAKE_INSTALL_PREFIX}")
    foreach(page IN ITEMS huszonegy.6 hu/huszonegy.6)
        execute_process(COMMAND gzip -9nf "${folder}/${page}" COMMAND_ERROR_IS_FATAL ANY)
        cmake_path(GET page PARENT_PATH language)
        cmake_path(SET destination NORMALIZE "${CMAKE_INSTALL_PREFIX}/share/man/${language}/man6")
        file(INSTALL DESTINATION "${destination}" TYPE FILE FILES "${folder}/${page}.gz")
    endforeach()
endfunction()
