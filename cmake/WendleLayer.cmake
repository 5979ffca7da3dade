# One static library per layer folder; the sources are every .cpp in it.
# wendle_layer(NAME DEPENDS lib...) -> target wendle_NAME
function(wendle_layer name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(sources)
    add_library(wendle_${name} STATIC ${sources} ${headers})
    target_include_directories(wendle_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(wendle_${name} PUBLIC ${ARG_DEPENDS})
    # Layers are linked into wendle-cli's drawing module as well as into
    # executables. Calls inside a layer stay direct and inlinable as in an
    # executable: nothing outside may replace a layer's functions.
    set_target_properties(wendle_${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    target_compile_options(wendle_${name} PRIVATE -fno-semantic-interposition)
  else()
    # A layer whose code has not been written yet still links.
    add_library(wendle_${name} INTERFACE)
    target_include_directories(wendle_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(wendle_${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()

# wendle_layer_tests(NAME [HEADLESS_GUI] DEPENDS lib...) -> one gtest executable per
# test folder; HEADLESS_GUI gives it a QGuiApplication for the whole run.
function(wendle_layer_tests name)
  cmake_parse_arguments(ARG "HEADLESS_GUI" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  if(ARG_HEADLESS_GUI)
    list(APPEND sources ${PROJECT_SOURCE_DIR}/tests/HeadlessGuiEnvironment.cpp)
    list(APPEND ARG_DEPENDS wendle_render_qt)
  endif()
  add_executable(wendle_${name}_tests ${sources})
  set_target_properties(wendle_${name}_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(wendle_${name}_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(wendle_${name}_tests PRIVATE
    WENDLE_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
    WENDLE_PROGRAM_DIR="${WENDLE_PROGRAM_DIR}")
  target_link_libraries(wendle_${name}_tests PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(wendle_${name}_tests
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
