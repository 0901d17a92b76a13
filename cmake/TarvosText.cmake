# tarvos_text_files(<target> <source> <name> [<source> <name> ...])
# Converts each data/ text file (UTF-8, LF; source relative to the source tree) into the program's
# Windows-1252, CRLF file <name> beside the executable, under the custom target <target>.
function(tarvos_text_files target)
    set(args ${ARGN})
    list(LENGTH args count)
    math(EXPR last "${count} - 1")
    set(outputs)
    foreach(i RANGE 0 ${last} 2)
        math(EXPR j "${i} + 1")
        list(GET args ${i} source)
        list(GET args ${j} name)
        set(output ${TARVOS_PROGRAM_DIR}/${name})
        add_custom_command(OUTPUT ${output}
            COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/text-to-program.sh ${CMAKE_SOURCE_DIR}/${source} ${output}
            DEPENDS ${CMAKE_SOURCE_DIR}/${source} ${CMAKE_SOURCE_DIR}/cmake/text-to-program.sh
            VERBATIM)
        list(APPEND outputs ${output})
    endforeach()
    add_custom_target(${target} DEPENDS ${outputs})
    add_dependencies(tarvos_runtime_files ${target})
endfunction()
