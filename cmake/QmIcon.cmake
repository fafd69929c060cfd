# The product's icon, drawn once (packaging/qmconf.svg) and rendered at build
# time: PNGs of the sizes asked (rsvg-convert, of librsvg2-bin) and, for
# Windows, one .ico of 16 to 256 pixels (icotool, of icoutils).
set(QM_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/../packaging/qmconf.svg)

# qm_icon_pngs(<out-var> <folder> <size>...): <folder>/<size>.png, each
# <size> pixels square.
function(qm_icon_pngs out folder)
    find_program(QM_RSVG_CONVERT rsvg-convert REQUIRED)
    set(pngs)
    foreach(size ${ARGN})
        set(png ${folder}/${size}.png)
        add_custom_command(
            OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${QM_RSVG_CONVERT} --width=${size} --height=${size} --output=${png}
                    ${QM_ICON_SVG}
            DEPENDS ${QM_ICON_SVG}
            VERBATIM)
        list(APPEND pngs ${png})
    endforeach()
    set(${out} ${pngs} PARENT_SCOPE)
endfunction()

# qm_icon_ico(<ico>): the .ico that Windows shows at every size and DPI,
# from the title bar's 16 pixels to Explorer's 256 (kept as PNG there, as
# Windows since Vista reads it).
function(qm_icon_ico ico)
    find_program(QM_ICOTOOL icotool REQUIRED)
    qm_icon_pngs(small ${CMAKE_CURRENT_BINARY_DIR}/icon 16 20 24 32 40 48 64 128)
    qm_icon_pngs(large ${CMAKE_CURRENT_BINARY_DIR}/icon 256)
    add_custom_command(
        OUTPUT ${ico}
        COMMAND ${QM_ICOTOOL} --create --output=${ico} ${small} --raw=${large}
        DEPENDS ${small} ${large}
        VERBATIM)
endfunction()
