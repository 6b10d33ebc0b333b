# skarvel_icon_files(TARGET STEM stem SIZES size... [ICO_SIZES size...]): an INTERFACE
# target that names one icon's files in the calling folder, for the other folders that
# embed, install or check them (its properties are their one way in): the hand-drawn source STEM.svg (ICON_SVG),
# the PNGs STEM-SIZE.png rendered from it (ICON_SIZES, ICON_PNGS, in the same order)
# and, with ICO_SIZES, the Windows icon STEM.ico (ICON_ICO, ICON_ICO_SIZES).
#
# The rendered files are committed beside their source, so every build, a cross build
# included, uses them without running a program; tools/iconexport renders them again
# and a packaging test fails when they no longer match their source.
function(skarvel_icon_files target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "STEM" "SIZES;ICO_SIZES")
    set(dir ${CMAKE_CURRENT_SOURCE_DIR})
    set(pngs)
    foreach(size IN LISTS arg_SIZES)
        list(APPEND pngs ${dir}/${arg_STEM}-${size}.png)
    endforeach()
    add_library(${target} INTERFACE)
    set_target_properties(${target} PROPERTIES
        ICON_SVG ${dir}/${arg_STEM}.svg
        ICON_SIZES "${arg_SIZES}"
        ICON_PNGS "${pngs}")
    if(arg_ICO_SIZES)
        set_target_properties(${target} PROPERTIES
            ICON_ICO ${dir}/${arg_STEM}.ico
            ICON_ICO_SIZES "${arg_ICO_SIZES}")
    endif()
    set_property(GLOBAL APPEND PROPERTY SKARVEL_ICON_TARGETS ${target})
endfunction()

# skarvel_rendered_icon_files(<var>): every rendered file of every icon named with
# skarvel_icon_files, one entry each, "SOURCE.svg|FILE|SIZE[,SIZE...]" (the side of each
# of the file's images, in order): what the renderer writes and the check compares.
function(skarvel_rendered_icon_files var)
    set(files)
    get_property(icons GLOBAL PROPERTY SKARVEL_ICON_TARGETS)
    foreach(icon IN LISTS icons)
        get_target_property(svg ${icon} ICON_SVG)
        get_target_property(sizes ${icon} ICON_SIZES)
        get_target_property(pngs ${icon} ICON_PNGS)
        foreach(size png IN ZIP_LISTS sizes pngs)
            list(APPEND files "${svg}|${png}|${size}")
        endforeach()
        get_target_property(ico ${icon} ICON_ICO)
        if(ico)
            get_target_property(ico_sizes ${icon} ICON_ICO_SIZES)
            list(JOIN ico_sizes "," ico_sizes)
            list(APPEND files "${svg}|${ico}|${ico_sizes}")
        endif()
    endforeach()
    set(${var} ${files} PARENT_SCOPE)
endfunction()
