# Shared build rules of the project's targets.

# Every target compiles with the same strict warnings.
function(lumbra_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# A subsystem is one static library made of every source in its folder.
#   lumbra_subsystem(lumbra_board LIBS Qt6::Widgets lumbra_engine)
function(lumbra_subsystem target)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_library(${target} STATIC ${sources})
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_include_directories(${target} PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  lumbra_warnings(${target})
endfunction()

# A test program is every test source in its folder, run through ctest one
# test at a time, on Qt's offscreen platform and with settings and data
# folders of its own, so no test ever touches the player's files.
#   lumbra_test_program(lumbra_board_tests LIBS lumbra_board)
function(lumbra_test_program target)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_executable(${target} ${sources})
  set_target_properties(${target} PROPERTIES AUTOMOC ON
                        RUNTIME_OUTPUT_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gmock_main)
  lumbra_warnings(${target})
  set(home "${CMAKE_CURRENT_BINARY_DIR}/home")
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${home}/config;XDG_DATA_HOME=${home}/data;HOME=${home}")
endfunction()

# A benchmark program is every source in its folder.
function(lumbra_benchmark_program target)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_executable(${target} ${sources})
  set_target_properties(${target} PROPERTIES
                        RUNTIME_OUTPUT_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} benchmark::benchmark)
  lumbra_warnings(${target})
endfunction()
