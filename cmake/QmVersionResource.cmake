# qm_add_version_resource(<target> "<description>")
#
# Gives a Windows executable the version resource that File Properties ->
# Details and Task Manager show: the project's version, the product's name
# (QMCONF_PRODUCT_NAME) and publisher (QMCONF_PUBLISHER), the program's
# description (the product's name for the window; Russian, as the product's
# texts are), the licence holder. Elsewhere it does nothing, so a target's
# CMakeLists calls it unconditionally.
# windres, named by the MinGW toolchain file, compiles the resource scripts.
if(WIN32)
    enable_language(RC)
endif()
set(QM_VERSION_RESOURCE_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/version.rc.in)

function(qm_add_version_resource target description)
    if(NOT WIN32)
        return()
    endif()
    # FILEVERSION wants four numbers; the project's version has three.
    set(QM_VERSION_COMMAS
        "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
    set(QM_VERSION ${PROJECT_VERSION})
    set(QM_DESCRIPTION ${description})
    set(QM_FILE_NAME ${target}.exe)
    set(QM_INTERNAL_NAME ${target})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${QM_VERSION_RESOURCE_TEMPLATE} ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
