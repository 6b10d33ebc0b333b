# skarvel_require_ui_free(): fails the configure step if any target the calling folder
# defines links Qt or any other UI library, directly or through the libraries it links.
# The plain C++ layers (src/core, src/sysinfo) call it so that they build anywhere, the
# fuzz build and the Windows launcher suite included, and a rule in the build keeps them
# that way.
function(skarvel_require_ui_free)
    # Deferred to the end of the configure step, when every link is known. A deferred
    # call expands its arguments only when it runs, so the folder is spliced in now.
    cmake_language(EVAL CODE
        "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL _skarvel_check_ui_free_folder [[${CMAKE_CURRENT_SOURCE_DIR}]])")
endfunction()

function(_skarvel_check_ui_free_folder dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        _skarvel_check_ui_free(${target} ${target} "")
    endforeach()
endfunction()

# Walks the links of target, reporting any UI library as found from origin; seen holds
# the targets already walked, so that a cycle of static libraries ends.
function(_skarvel_check_ui_free origin target seen)
    get_target_property(type ${target} TYPE)
    set(libs)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
        get_target_property(libs ${target} LINK_LIBRARIES)
    endif()
    get_target_property(interfaceLibs ${target} INTERFACE_LINK_LIBRARIES)
    foreach(lib IN LISTS libs interfaceLibs)
        # $<LINK_ONLY:x> and the like name x all the same.
        string(REGEX REPLACE "^\\$<[A-Z_]+:(.*)>$" "\\1" lib "${lib}")
        if(lib MATCHES "Qt|Gtk|gtk|wx")
            message(FATAL_ERROR "${origin} must not link UI libraries, found ${lib}")
        endif()
        if(TARGET "${lib}" AND NOT lib IN_LIST seen)
            list(APPEND seen ${lib})
            _skarvel_check_ui_free(${origin} ${lib} "${seen}")
        endif()
    endforeach()
endfunction()
