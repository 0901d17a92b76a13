# The question database TARVOS.MDB and the voice files under TARVOS/sound/<Language>/, built beside
# the executable from data/items/<Language>.txt and data/instructions/<Language>.txt. A language
# without an item source is left out of the database; one without instructions gets no Inst*.wav.
add_executable(tarvos_mkdb tools/mkdb.cpp)
set_target_properties(tarvos_mkdb PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
target_link_libraries(tarvos_mkdb PRIVATE tarvos_core)

set(TARVOS_QUESTION_DB ${TARVOS_PROGRAM_DIR}/TARVOS.MDB)
set(TARVOS_VOICE_SCRIPTS ${CMAKE_BINARY_DIR}/voice)
# A source that appears or disappears makes the build configure again.
file(GLOB _tarvos_item_sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/data/items/*.txt ${CMAKE_SOURCE_DIR}/data/instructions/*.txt)

set(_mkdb_args --out ${TARVOS_QUESTION_DB} --scripts ${TARVOS_VOICE_SCRIPTS})
set(_mkdb_inputs)
set(_voice_languages)
foreach(lang English Spanish)
    set(items ${CMAKE_SOURCE_DIR}/data/items/${lang}.txt)
    set(instructions ${CMAKE_SOURCE_DIR}/data/instructions/${lang}.txt)
    if(NOT EXISTS ${items})
        message(STATUS "Question database: no data/items/${lang}.txt, table ${lang} left out")
        continue()
    endif()
    list(APPEND _mkdb_args --items ${lang} ${items})
    list(APPEND _mkdb_inputs ${items})
    if(EXISTS ${instructions})
        list(APPEND _mkdb_args --instructions ${lang} ${instructions})
        list(APPEND _mkdb_inputs ${instructions})
    else()
        message(STATUS "Voice: no data/instructions/${lang}.txt, Inst0-Inst3.wav of ${lang} left out")
    endif()
    list(APPEND _voice_languages ${lang})
endforeach()
if(DEFINED TARVOS_SCANITEM_ROWS)
    list(APPEND _mkdb_args --scanitems ${TARVOS_SCANITEM_ROWS})
    list(APPEND _mkdb_inputs ${TARVOS_SCANITEM_ROWS})
    if(DEFINED TARVOS_SCANITEM_TARGET)
        list(APPEND _mkdb_inputs ${TARVOS_SCANITEM_TARGET})
    endif()
endif()

set(_voice_scripts)
foreach(lang ${_voice_languages})
    list(APPEND _voice_scripts ${TARVOS_VOICE_SCRIPTS}/${lang}.tsv)
endforeach()
add_custom_command(OUTPUT ${TARVOS_QUESTION_DB}
    BYPRODUCTS ${_voice_scripts}
    COMMAND tarvos_mkdb ${_mkdb_args}
    DEPENDS tarvos_mkdb ${_mkdb_inputs}
    COMMENT "Building the question database TARVOS.MDB"
    VERBATIM)

set(_voice_stamps)
find_program(TARVOS_ESPEAK_NG espeak-ng)
if(NOT TARVOS_ESPEAK_NG)
    message(WARNING "espeak-ng not found: the voice files are not built")
    set(_voice_languages)
endif()
# One language at a time; voice.sh itself runs one espeak-ng per processor.
set_property(GLOBAL APPEND PROPERTY JOB_POOLS tarvos_voice=1)
foreach(lang ${_voice_languages})
    if(lang STREQUAL "Spanish")
        set(voice es-419)
    else()
        set(voice en-us)
    endif()
    set(stamp ${TARVOS_VOICE_SCRIPTS}/${lang}.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND bash ${CMAKE_SOURCE_DIR}/tools/voice.sh ${TARVOS_VOICE_SCRIPTS}/${lang}.tsv
            ${TARVOS_PROGRAM_DIR}/TARVOS/sound/${lang} ${voice} ${stamp}
        DEPENDS ${TARVOS_VOICE_SCRIPTS}/${lang}.tsv ${CMAKE_SOURCE_DIR}/tools/voice.sh
        COMMENT "Making the ${lang} voice files"
        JOB_POOL tarvos_voice
        VERBATIM)
    list(APPEND _voice_stamps ${stamp})
endforeach()

add_custom_target(tarvos_questiondb DEPENDS ${TARVOS_QUESTION_DB} ${_voice_stamps})
add_dependencies(tarvos_runtime_files tarvos_questiondb)
