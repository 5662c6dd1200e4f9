# The last step of every install of the game, by `cmake --install` and by the package build
# (which stages the tree through DESTDIR with the prefix /usr). The install rules set
# HUSZONEGY_APP_DIR, HUSZONEGY_DATA_DIR and HUSZONEGY_OBJCOPY before it runs.

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(app "${root}/${HUSZONEGY_APP_DIR}")

# The toolchain's version notes in .comment tell a player nothing; strip leaves them.
if(HUSZONEGY_OBJCOPY)
    execute_process(COMMAND "${HUSZONEGY_OBJCOPY}" --remove-section=.comment "${app}/huszonegy"
                    COMMAND_ERROR_IS_FATAL ANY)
endif()

# relative_link TARGET LINK: LINK made (again) to point at TARGET, recorded in the manifest.
# Relative, so the installed tree can be moved or unpacked under any root. A folder in its
# place, as an earlier install left the pictures, gives way to the link.
function(relative_link target link)
    message(STATUS "Installing: ${link} -> ${target}")
    cmake_path(GET link PARENT_PATH parent)
    if(NOT IS_DIRECTORY "${parent}")
        # Made with the modes every other installed folder gets, whatever the umask.
        file(MAKE_DIRECTORY "${parent}")
        file(CHMOD "${parent}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                           GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
    file(REMOVE_RECURSE "${link}")
    file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
    set(CMAKE_INSTALL_MANIFEST_FILES ${CMAKE_INSTALL_MANIFEST_FILES} "${link}" PARENT_SCOPE)
endfunction()

# The program opens Images/ beside its real path; the pictures live under share/.
relative_link(../../${HUSZONEGY_DATA_DIR}/Images "${app}/Images")
relative_link(../${HUSZONEGY_APP_DIR}/huszonegy "${root}/games/huszonegy")

# The marker that makes this an installed copy: it names the folder the program will find
# itself in, so the game keeps every player's results in their own folder and never writes
# beside itself. A folder copied elsewhere carries a marker that names another place and
# counts as portable. Installed in place, the folder is named as the system resolves it; a
# staged tree is named by where it will be unpacked.
if("$ENV{DESTDIR}" STREQUAL "")
    file(REAL_PATH "${app}" installed_folder)
else()
    cmake_path(SET installed_folder NORMALIZE "${CMAKE_INSTALL_PREFIX}/${HUSZONEGY_APP_DIR}")
endif()
set(marker "${app}/installed-folder")
message(STATUS "Installing: ${marker} (${installed_folder})")
file(WRITE "${marker}" "${installed_folder}\n")
file(CHMOD "${marker}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${marker}")
