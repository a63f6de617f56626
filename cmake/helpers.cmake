# Project-wide helpers for tests, data generators and fuzz targets.

# The game's subsystem libraries refer to each other's globals, so they are linked as one
# rescanned group through the interface target dh_game (completed at the end of the top level).
set_property(GLOBAL PROPERTY DH_GAME_LIBS "")
add_library(dh_game INTERFACE)
function(dh_game_library name)
    add_library(${name} STATIC ${ARGN})
    set_property(GLOBAL APPEND PROPERTY DH_GAME_LIBS ${name})
endfunction()
# All fuzz targets, to build them alone (make fuzz builds only this target).
function(dh_finish_fuzz_targets)
    get_property(targets GLOBAL PROPERTY DH_FUZZ_TARGETS)
    add_custom_target(fuzz_targets)
    if(targets)
        add_dependencies(fuzz_targets ${targets})
    endif()
endfunction()

function(dh_finish_game_group)
    get_property(libs GLOBAL PROPERTY DH_GAME_LIBS)
    if(libs)
        list(JOIN libs "," joined)
        target_link_libraries(dh_game INTERFACE "$<LINK_GROUP:RESCAN,${joined}>")
    endif()
endfunction()

# dh_add_test(NAME name SOURCES ... LIBS ... [GAME] [LABELS ...])
# A GoogleTest program in build/tests; GAME links all game libraries.
function(dh_add_test)
    cmake_parse_arguments(T "GAME" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DH_TEST_DIR})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    if(T_GAME)
        target_link_libraries(${T_NAME} PRIVATE dh_game)
    endif()
    target_compile_definitions(${T_NAME} PRIVATE DH_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        DH_BUILD_DIR="${CMAKE_BINARY_DIR}")
    set(fixture "")
    if("e2e" IN_LIST T_LABELS)
        # End-to-end runs of the game start from the warmed lightmap cache.
        set(fixture FIXTURES_REQUIRED lightmap_cache)
    endif()
    gtest_discover_tests(${T_NAME} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        PROPERTIES LABELS "${T_LABELS}" ${fixture} DISCOVERY_TIMEOUT 60)
endfunction()

# dh_add_fuzz(NAME name SOURCES ... LIBS ... CORPUS dir)
# A libFuzzer target when DH_FUZZ is on (clang); otherwise a plain program that replays the
# corpus and every file given on its command line, so the normal build still runs the inputs.
function(dh_add_fuzz)
    cmake_parse_arguments(F "" "NAME;CORPUS" "SOURCES;LIBS" ${ARGN})
    if(DH_FUZZ)
        add_executable(${F_NAME} ${F_SOURCES})
        target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer,address,undefined)
    else()
        add_executable(${F_NAME} ${F_SOURCES} ${CMAKE_SOURCE_DIR}/tests/fuzz_replay_main.cpp)
    endif()
    set_target_properties(${F_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
    set_property(GLOBAL APPEND PROPERTY DH_FUZZ_TARGETS ${F_NAME})
    # The seed corpus, for the fuzz runner: one folder per target.
    file(WRITE ${CMAKE_BINARY_DIR}/fuzz/${F_NAME}.corpus "${F_CORPUS}")
    if(NOT DH_FUZZ AND F_CORPUS)
        add_test(NAME ${F_NAME}_replay COMMAND ${F_NAME} ${F_CORPUS})
    endif()
endfunction()
