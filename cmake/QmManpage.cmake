# Manual pages, written in scdoc and turned into gzipped roff at build time.
#
# qm_add_manpage(<name> <source>) builds <name>.1.gz from the scdoc source
# (relative to the calling folder) and installs it in section 1 of the
# manual. Where QM_MANPAGE_PREAMBLE names a roff file, its requests go in
# front of the page's title line. This file is also the build step itself,
# run in script mode.

if(CMAKE_SCRIPT_MODE_FILE)
    # cmake -DSCDOC=... -DGZIP=... -DSOURCE=... -DPAGE=... [-DPREAMBLE=...] -P QmManpage.cmake
    execute_process(COMMAND ${SCDOC} INPUT_FILE ${SOURCE} OUTPUT_FILE ${PAGE}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        file(REMOVE ${PAGE})
        message(FATAL_ERROR "scdoc could not read ${SOURCE}")
    endif()
    if(PREAMBLE)
        file(READ ${PAGE} roff)
        file(READ ${PREAMBLE} preamble)
        string(FIND "${roff}" "\n.TH " title)
        if(title EQUAL -1)
            file(REMOVE ${PAGE})
            message(FATAL_ERROR "scdoc made no title line of ${SOURCE}")
        endif()
        math(EXPR title "${title} + 1")
        string(SUBSTRING "${roff}" 0 ${title} head)
        string(SUBSTRING "${roff}" ${title} -1 body)
        file(WRITE ${PAGE} "${head}${preamble}${body}")
    endif()
    # -n: no name or time stamp in the archive, so that builds repeat.
    execute_process(COMMAND ${GZIP} -9nf ${PAGE} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "gzip could not compress ${PAGE}")
    endif()
    return()
endif()

find_program(QM_SCDOC scdoc REQUIRED)
find_program(QM_GZIP gzip REQUIRED)
set(QM_MANPAGE_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(qm_add_manpage name source)
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
    set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${name}.1)
    add_custom_command(
        OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
        COMMAND ${CMAKE_COMMAND} -DSCDOC=${QM_SCDOC} -DGZIP=${QM_GZIP} -DSOURCE=${source}
                -DPAGE=${page} -DPREAMBLE=${QM_MANPAGE_PREAMBLE} -P ${QM_MANPAGE_SCRIPT}
        DEPENDS ${source} ${QM_MANPAGE_SCRIPT} ${QM_MANPAGE_PREAMBLE}
        COMMENT "Manual page ${name}(1)"
        VERBATIM)
    add_custom_target(manpage-${name} ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
