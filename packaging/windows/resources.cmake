# The Windows resources of the window program: its icon (a .ico rendered from the one SVG source), its
# version information and its manifest, compiled with windres into tavrel.exe.
find_program(TAVREL_RSVG_CONVERT rsvg-convert REQUIRED)  # Debian package librsvg2-bin
find_program(TAVREL_ICOTOOL icotool REQUIRED)            # Debian package icoutils

# The program's name in the Start menu and in the file's properties.
set(TAVREL_MENU_NAME "钢筋混凝土盖板涵盖板计算")

# The sizes Windows picks from for the Start menu, the title bar, Explorer's views and the taskbar.
set(TAVREL_ICON_SIZES 16 24 32 48 64 256)

function(tavrel_windows_resources target)
    set(generated "${CMAKE_CURRENT_BINARY_DIR}/windows")
    set(icon_source "${CMAKE_SOURCE_DIR}/packaging/icons/tavrel.svg")
    set(icon "${generated}/tavrel.ico")
    set(render_commands)
    set(pngs)
    foreach(size IN LISTS TAVREL_ICON_SIZES)
        set(png "${generated}/tavrel-${size}.png")
        list(APPEND render_commands COMMAND "${TAVREL_RSVG_CONVERT}" --width=${size} --height=${size}
             "${icon_source}" -o "${png}")
        list(APPEND pngs "${png}")
    endforeach()
    # The 256-pixel image is stored as PNG inside the icon, the others as bitmaps.
    list(POP_BACK pngs large)
    add_custom_command(
        OUTPUT "${icon}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${generated}"
        ${render_commands}
        COMMAND "${TAVREL_ICOTOOL}" --create --output="${icon}" ${pngs} --raw="${large}"
        DEPENDS "${icon_source}"
        COMMENT "Rendering the Windows icon")

    string(REPLACE "." "," version_commas "${PROJECT_VERSION}.0.0")
    set(TAVREL_RC_VERSION "${version_commas}")
    set(TAVREL_RC_ICON "${icon}")
    set(TAVREL_RC_MANIFEST "${CMAKE_SOURCE_DIR}/packaging/windows/tavrel.manifest")
    configure_file("${CMAKE_SOURCE_DIR}/packaging/windows/tavrel.rc.in" "${generated}/tavrel.rc" @ONLY)
    set_source_files_properties("${generated}/tavrel.rc" PROPERTIES OBJECT_DEPENDS
                                "${icon};${TAVREL_RC_MANIFEST}")
    target_sources(${target} PRIVATE "${generated}/tavrel.rc")
    # The installer shows the same icon.
    set_property(TARGET ${target} PROPERTY TAVREL_ICON "${icon}")
endfunction()
