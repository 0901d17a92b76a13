# The manual pages tarvos.1 and tarvos-cli.1, made by help2man from each program's own --help and
# --version output plus the sections in doc/<program>.h2m, so a page never disagrees with its program.
find_program(HELP2MAN help2man REQUIRED)
include(GNUInstallDirs)
set(TARVOS_MAN_PAGES)
foreach(program tarvos tarvos-cli)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    add_custom_command(OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                ${HELP2MAN} --no-info --section=1 --source=Tarvos
                --include=${CMAKE_SOURCE_DIR}/doc/${program}.h2m --output=${page} $<TARGET_FILE:${program}>
        DEPENDS ${program} ${CMAKE_SOURCE_DIR}/doc/${program}.h2m
        VERBATIM)
    # Installed compressed, as Debian's manual pages are.
    add_custom_command(OUTPUT ${page}.gz
        COMMAND gzip -9 -n -c ${page} > ${page}.gz
        DEPENDS ${page}
        VERBATIM)
    list(APPEND TARVOS_MAN_PAGES ${page}.gz)
endforeach()
add_custom_target(tarvos_man_pages ALL DEPENDS ${TARVOS_MAN_PAGES})
install(FILES ${TARVOS_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
