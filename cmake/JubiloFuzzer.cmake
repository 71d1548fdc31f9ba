# Coverage-guided fuzzing with clang's libFuzzer (`make fuzz`). With
# JUBILO_FUZZ on, every library is compiled with libFuzzer's coverage
# instrumentation, AddressSanitizer and UndefinedBehaviorSanitizer, and
# jubilo_add_fuzzer() adds a fuzz target: a program whose main is
# libFuzzer's. Without it, jubilo_add_fuzzer() adds nothing.
#
#   jubilo_add_fuzzer(xls_read_fuzzer SOURCES fuzz/read_fuzzer.cpp LIBS jubilo_xls)
option(JUBILO_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(JUBILO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "JUBILO_FUZZ needs clang (configure with CMAKE_CXX_COMPILER=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

function(jubilo_add_fuzzer name)
  if(NOT JUBILO_FUZZ)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 1 FUZZER "" "" "SOURCES;LIBS")
  add_executable(${name} ${FUZZER_SOURCES})
  target_link_libraries(${name} PRIVATE ${FUZZER_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()
