# The demo data folder build/demo with a few fictional clients, and build/trvtest.ini pointing at it
# (both written only when absent).
add_executable(mkdemo tools/mkdemo.cpp)
target_link_libraries(mkdemo PRIVATE tarvos_core)
set_target_properties(mkdemo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
set(TARVOS_DEMO_STAMP ${CMAKE_BINARY_DIR}/demo/mkdemo.stamp)
add_custom_command(OUTPUT ${TARVOS_DEMO_STAMP}
    COMMAND mkdemo ${CMAKE_BINARY_DIR}/demo ${TARVOS_PROGRAM_DIR}/trvtest.ini
            ${CMAKE_SOURCE_DIR}/data/scoring/items.txt
    COMMAND ${CMAKE_COMMAND} -E touch ${TARVOS_DEMO_STAMP}
    DEPENDS mkdemo ${CMAKE_SOURCE_DIR}/data/scoring/items.txt
    VERBATIM)
add_custom_target(tarvos_demo DEPENDS ${TARVOS_DEMO_STAMP})
add_dependencies(tarvos_runtime_files tarvos_demo)
