# skarvel_mingw_runtime_dirs(<var>): the folders holding the compiler's runtime DLLs
# (libstdc++, libgcc) and MinGW's thread library, as the cross compiler itself finds them.
# A Windows program built here needs these beside it, or on its PATH under Wine.
function(skarvel_mingw_runtime_dirs var)
    set(dirs)
    foreach(dll libstdc++-6.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
            OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${found}")
            message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know ${dll}")
        endif()
        get_filename_component(dir "${found}" DIRECTORY)
        get_filename_component(dir "${dir}" REALPATH)
        list(APPEND dirs ${dir})
    endforeach()
    set(${var} ${dirs} PARENT_SCOPE)
endfunction()
