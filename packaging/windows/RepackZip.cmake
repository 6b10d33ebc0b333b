# Run by cpack after each package (CPACK_POST_BUILD_SCRIPTS): packs the ZIP again so that
# the same install tree always makes the same bytes. CPack's own ZIP lists the members in
# the order the file system returns them and records the packer's user and umask; here
# they go in sorted order, each with its mode made plain (rw-r--r--, or rwxr-xr-x where
# anyone may run it), the release's time (SOURCE_DATE_EPOCH, in UTC) and no owner.
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
    if(NOT zip MATCHES "\\.zip$")
        continue()
    endif()
    get_filename_component(top "${CPACK_TEMPORARY_DIRECTORY}" NAME)
    get_filename_component(staging "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY)
    file(GLOB_RECURSE members RELATIVE ${staging} LIST_DIRECTORIES true
        ${CPACK_TEMPORARY_DIRECTORY}/*)
    list(PREPEND members ${top})
    execute_process(COMMAND chmod u+rw,go=rX ${members}
        WORKING_DIRECTORY ${staging} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${members}
        WORKING_DIRECTORY ${staging} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${zip})
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${CPACK_SKARVEL_ZIP} -X -9 -q ${zip}
            ${members}
        WORKING_DIRECTORY ${staging} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
