# skarvel_icon_files(TARGET STEM stem SIZES size... [ICO_SIZES size...]): an INTERFACE
# target that names one icon's files in the calling folder, for the layer that embeds
# them and the packaging that installs them: the hand-drawn source STEM.svg (ICON_SVG),
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
