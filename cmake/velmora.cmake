# velmora_module(NAME [SHARED] [DEPS lib...])
#   Builds every *.cpp of the current folder except *_test.cpp into library NAME,
#   and every *_test.cpp into NAME_tests, registered with CTest. main.cpp is left out.
#   Include paths are rooted at the project folder: #include "platform/win/registry.h".
function(velmora_module name)
  cmake_parse_arguments(ARG "SHARED" "" "DEPS;TEST_DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(tests)
    list(REMOVE_ITEM sources ${tests})
  endif()
  # A program's main.cpp stays out of its library; the folder's CMakeLists adds the program.
  list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
  if(NOT sources)
    # Header-only so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  else()
    if(ARG_SHARED)
      add_library(${name} SHARED ${sources})
    else()
      add_library(${name} STATIC ${sources})
    endif()
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
  if(tests)
    add_executable(${name}_tests ${tests})
    target_link_libraries(${name}_tests PRIVATE ${name} ${ARG_TEST_DEPS} GTest::gtest GTest::gtest_main)
    gtest_discover_tests(${name}_tests DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "VELMORA_TEST_SOURCE=${PROJECT_SOURCE_DIR}")
  endif()
endfunction()
