# skarvel_require_ui_free(target): fails the configure step if the target links Qt or
# any other UI library. The attack core and the launcher's logic stay plain C++ so that
# they build anywhere, and a rule in the build keeps them that way.
function(skarvel_require_ui_free target)
    # Deferred to the end of the configure step, when every link is known. A deferred
    # call expands its arguments only when it runs, so the name is spliced in now.
    cmake_language(EVAL CODE
        "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL _skarvel_check_ui_free [[${target}]])")
endfunction()

function(_skarvel_check_ui_free target)
    get_target_property(libs ${target} LINK_LIBRARIES)
    get_target_property(interfaceLibs ${target} INTERFACE_LINK_LIBRARIES)
    foreach(lib IN LISTS libs interfaceLibs)
        if(lib MATCHES "Qt|Gtk|gtk|wx")
            message(FATAL_ERROR "${target} must not link UI libraries, found ${lib}")
        endif()
    endforeach()
endfunction()
