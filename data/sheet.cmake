# The answer sheet. Its one description, data/sheet/answer-sheet.txt, is built into the program (the
# sheet drawing reads it) and turned by mkscanitems into the rows of the layout table "ScanItem":
#   TARVOS_SCANITEM_ROWS    the tab-separated rows (header line, then 181 rows in reading order)
#   TARVOS_SCANITEM_TARGET  the target that makes them
set(TARVOS_SHEET_DESCRIPTION ${CMAKE_SOURCE_DIR}/data/sheet/answer-sheet.txt)

set(tarvos_sheet_source ${CMAKE_BINARY_DIR}/generated/AnswerSheetDescription.cpp)
add_custom_command(OUTPUT ${tarvos_sheet_source}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${TARVOS_SHEET_DESCRIPTION} -DOUTPUT=${tarvos_sheet_source}
        -DFUNCTION=AnswerSheetDescription -P ${CMAKE_SOURCE_DIR}/cmake/embed-text.cmake
    DEPENDS ${TARVOS_SHEET_DESCRIPTION} ${CMAKE_SOURCE_DIR}/cmake/embed-text.cmake
    VERBATIM)
target_sources(tarvos_core PRIVATE ${tarvos_sheet_source})

add_executable(mkscanitems ${CMAKE_SOURCE_DIR}/tools/mkscanitems.cpp)
set_target_properties(mkscanitems PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
target_link_libraries(mkscanitems PRIVATE tarvos_core)

set(TARVOS_SCANITEM_ROWS ${CMAKE_BINARY_DIR}/generated/ScanItem.tsv)
add_custom_command(OUTPUT ${TARVOS_SCANITEM_ROWS}
    COMMAND mkscanitems ${TARVOS_SHEET_DESCRIPTION} ${TARVOS_SCANITEM_ROWS}
    DEPENDS mkscanitems ${TARVOS_SHEET_DESCRIPTION}
    VERBATIM)
add_custom_target(tarvos_scanitem_rows DEPENDS ${TARVOS_SCANITEM_ROWS})
set(TARVOS_SCANITEM_TARGET tarvos_scanitem_rows)
add_dependencies(tarvos_runtime_files tarvos_scanitem_rows)
