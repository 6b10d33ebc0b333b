# skarvel_icon_files(TARGET STEM stem SIZES size... [ICO_SIZES size...]): names one icon's
# files in the calling folder as properties of TARGET, the library that embeds the icon, for
# the other folders that embed, install or check them (the properties are their one way in):
# the hand-drawn source STEM.svg (ICON_SVG), the PNGs STEM-SIZE.png rendered from it
# (ICON_SIZES, ICON_PNGS, in the same order) and, with ICO_SIZES, the Windows icon STEM.ico
# (ICON_ICO, ICON_ICO_SIZES).
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

# skarvel_rendered_icon_files(<svgs> <files> <sizes>): every rendered file of every icon
# named with skarvel_icon_files, as three lists of one entry per file: its SVG source, the
# file, and the side of each of its images, comma-separated, in order. This is what the
# renderer writes and the check compares.
function(skarvel_rendered_icon_files svgs_var files_var sizes_var)
    set(svgs)
    set(files)
    set(sizes)
    get_property(targets GLOBAL PROPERTY SKARVEL_ICON_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(svg ${target} ICON_SVG)
        get_target_property(png_sizes ${target} ICON_SIZES)
        get_target_property(pngs ${target} ICON_PNGS)
        foreach(size png IN ZIP_LISTS png_sizes pngs)
            list(APPEND svgs ${svg})
            list(APPEND files ${png})
            list(APPEND sizes ${size})
        endforeach()
        get_target_property(ico ${target} ICON_ICO)
        if(ico)
            get_target_property(ico_sizes ${target} ICON_ICO_SIZES)
            list(JOIN ico_sizes "," ico_sizes)
            list(APPEND svgs ${svg})
            list(APPEND files ${ico})
            list(APPEND sizes ${ico_sizes})
        endif()
    endforeach()
    set(${svgs_var} ${svgs} PARENT_SCOPE)
    set(${files_var} ${files} PARENT_SCOPE)
    set(${sizes_var} ${sizes} PARENT_SCOPE)
endfunction()
