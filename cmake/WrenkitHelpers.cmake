# wk_portable_library(NAME DIR [DEPS ...]): a static library of every .cpp in DIR.
function(wk_portable_library name dir)
    file(GLOB _src CONFIGURE_DEPENDS "${dir}/*.cpp")
    if(NOT _src)
        set(_src "${PROJECT_SOURCE_DIR}/cmake/empty.cpp")
    endif()
    add_library(${name} STATIC ${_src})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
    if(ARGN)
        target_link_libraries(${name} PUBLIC ${ARGN})
    endif()
endfunction()

# Where the shared test corpus of real files lives (read in place, never copied).
set(WRENKIT_CORPUS_DIR "${PROJECT_SOURCE_DIR}/../shared/corpus" CACHE PATH "Corpus of real files")

# wk_add_test(TARGET [ARGS ...]): a test that runs natively, or under Wine in the
# cross tree (prefix inside the build folder, virtual display from the runner).
function(wk_add_test target)
    if(WIN32)
        add_test(NAME ${target}
                 COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh $<TARGET_FILE:${target}> ${ARGN}
                 WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
        set_tests_properties(${target} PROPERTIES
            ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WK_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts"
            TIMEOUT 600)
    else()
        # Natively every test case is its own CTest test.
        include(GoogleTest)
        gtest_discover_tests(${target} EXTRA_ARGS ${ARGN} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
            DISCOVERY_MODE PRE_TEST
            PROPERTIES ENVIRONMENT "WK_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts" TIMEOUT 600)
    endif()
endfunction()
