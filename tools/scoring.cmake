# TRVBR.TXT, the scoring data file: generated from the scoring design in data/scoring/ by
# mkscoring, which also checks the design against the items and the report texts.
add_executable(mkscoring tools/mkscoring.cpp)
target_link_libraries(mkscoring PRIVATE tarvos_core)
set_target_properties(mkscoring PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(TARVOS_SCORING_INPUTS
    ${CMAKE_SOURCE_DIR}/data/scoring/items.txt
    ${CMAKE_SOURCE_DIR}/data/scoring/scales.txt
    ${CMAKE_SOURCE_DIR}/data/items/English.txt
    ${CMAKE_SOURCE_DIR}/data/report/TRVV3RPT.txt)
add_custom_command(OUTPUT ${TARVOS_PROGRAM_DIR}/TRVBR.TXT
    COMMAND mkscoring ${TARVOS_SCORING_INPUTS} ${TARVOS_PROGRAM_DIR}/TRVBR.TXT
    DEPENDS mkscoring ${TARVOS_SCORING_INPUTS}
    COMMENT "Generating TRVBR.TXT from the scoring design"
    VERBATIM)
add_custom_target(tarvos_scoring_data DEPENDS ${TARVOS_PROGRAM_DIR}/TRVBR.TXT)
add_dependencies(tarvos_runtime_files tarvos_scoring_data)
