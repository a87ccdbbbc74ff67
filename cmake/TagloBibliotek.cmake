# taglo_bibliotek(NAME SOURCES... DEPENDS deps...)
# One static library per layer, its headers reachable as <layer/header.h> from src/.
function(taglo_bibliotek navn)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${navn} STATIC ${ARG_SOURCES})
    target_include_directories(${navn} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${navn} PUBLIC ${ARG_DEPENDS} PRIVATE taglo_advarsler)
endfunction()

# taglo_test(NAME SOURCES... DEPENDS deps...)
# One GoogleTest executable per layer, its cases discovered by CTest.
function(taglo_test navn)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${navn} ${ARG_SOURCES})
    target_link_libraries(${navn} PRIVATE ${ARG_DEPENDS} taglo_testsupport GTest::gtest_main GTest::gmock
                                          taglo_advarsler)
    gtest_discover_tests(${navn} DISCOVERY_TIMEOUT 60)
endfunction()
