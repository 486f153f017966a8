# Compiler settings shared by every target, and helpers to declare tests.

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers)
endif()

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

if(ZUNO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(ZUNO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZUNO_FUZZ needs clang")
  endif()
  # Coverage instrumentation for the libraries; the fuzzer driver is linked into fuzz targets only.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# zuno_add_gtest(NAME SOURCES ... LIBS ... [WORKING_DIRECTORY dir])
# Natively every case becomes a ctest test. Under Wine one ctest test per executable:
# starting a Windows process costs far more than a case does.
function(zuno_add_gtest name)
  cmake_parse_arguments(T "" "WORKING_DIRECTORY" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} zuno_gtest_main)
  if(NOT T_WORKING_DIRECTORY)
    set(T_WORKING_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  endif()
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no WORKING_DIRECTORY ${T_WORKING_DIRECTORY})
  else()
    include(GoogleTest)
    gtest_discover_tests(${name} WORKING_DIRECTORY ${T_WORKING_DIRECTORY}
                         DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
  endif()
endfunction()

# Adds every direct subfolder of the current folder that has a CMakeLists.txt, so
# that subsystems can be added without editing a shared list.
macro(zuno_add_subfolders)
  file(GLOB _zuno_children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT _zuno_children)
  foreach(_zuno_child IN LISTS _zuno_children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${_zuno_child}
       AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_zuno_child}/CMakeLists.txt
       AND NOT _zuno_child IN_LIST ZUNO_SKIP_SUBFOLDERS)
      add_subdirectory(${_zuno_child})
    endif()
  endforeach()
endmacro()

# zuno_add_fuzzer(NAME SOURCES ... LIBS ... [CORPUS dir...]): a libFuzzer target.
# Seed folders default to fuzz/corpus/NAME when it exists; the test script runs every
# target briefly over its seeds.
function(zuno_add_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS;CORPUS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  if(NOT F_CORPUS AND EXISTS ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
    set(F_CORPUS ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  endif()
  set_property(TARGET ${name} PROPERTY ZUNO_CORPUS "${F_CORPUS}")
  set_property(GLOBAL APPEND PROPERTY ZUNO_FUZZERS ${name})
endfunction()

# zuno_add_benchmark(NAME SOURCES ... LIBS ...): a Google Benchmark program.
function(zuno_add_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
endfunction()
