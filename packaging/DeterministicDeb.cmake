# Run by cpack after it has written the packages (CPACK_POST_BUILD_SCRIPTS). cpack records in
# each .deb the mode of the member files it made, that is the umask of whoever runs it; the
# members are put together again with ar's deterministic mode (mode 0644, owner 0, time 0),
# so two builds give the same bytes whatever their umask. The members themselves, and the
# order dpkg requires, stay as they are.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT deb MATCHES "\\.deb$")
        continue()
    endif()
    set(members_dir "${deb}.members")
    file(REMOVE_RECURSE "${members_dir}")
    file(MAKE_DIRECTORY "${members_dir}")
    execute_process(COMMAND ar t "${deb}" OUTPUT_VARIABLE members OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" ";" members "${members}")
    execute_process(COMMAND ar x "${deb}" WORKING_DIRECTORY "${members_dir}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${deb}")
    execute_process(COMMAND ar rcD "${deb}" ${members} WORKING_DIRECTORY "${members_dir}"
                    COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${members_dir}")
endforeach()
