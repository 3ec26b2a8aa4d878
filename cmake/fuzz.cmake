# IQX_FUZZ=ON (clang only) adds one libFuzzer program per fuzz/fuzz_*.cpp,
# linked with the library built with coverage feedback, AddressSanitizer
# and UndefinedBehaviorSanitizer, and a short CTest smoke run of each from
# its corpus fuzz/corpus/<target>/. scripts/fuzz.sh runs them for longer.
option(IQX_FUZZ "Build the libFuzzer targets (needs clang; implies IQX_SANITIZE)" OFF)

if(IQX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "IQX_FUZZ needs clang (configure with -DCMAKE_CXX_COMPILER=clang++)")
  endif()
  if(NOT IQX_SANITIZE)
    message(FATAL_ERROR "IQX_FUZZ needs IQX_SANITIZE=ON")
  endif()
  # Coverage feedback for every target: the tests share the library's
  # precompiled header, which clang only reuses with the same options.
  add_compile_options(-fsanitize=fuzzer-no-link)

  set(IQX_FUZZ_SMOKE_SECONDS 5 CACHE STRING "Seconds each fuzz target runs under CTest")
  # Each target with the layer whose code it feeds.
  set(IQX_FUZZERS datafile:storage numeric:document prepared:report register:storage terc:storage)
  foreach(fuzzer ${IQX_FUZZERS})
    string(REPLACE ":" ";" fuzzer ${fuzzer})
    list(GET fuzzer 0 fuzz_name)
    list(GET fuzzer 1 fuzz_layer)
    set(fuzz_name fuzz_${fuzz_name})
    set(fuzz_src ${CMAKE_CURRENT_LIST_DIR}/../fuzz/${fuzz_name}.cpp)
    get_filename_component(fuzz_corpus ${CMAKE_CURRENT_LIST_DIR}/../fuzz/corpus/${fuzz_name} ABSOLUTE)
    add_executable(${fuzz_name} ${fuzz_src})
    target_compile_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${fuzz_name} PRIVATE iqx_${fuzz_layer})
    # New inputs go to a folder of the build, never into the repository's
    # corpus, which is only read.
    set(fuzz_work ${CMAKE_BINARY_DIR}/fuzz-work/${fuzz_name})
    file(MAKE_DIRECTORY ${fuzz_work}/corpus)
    add_test(NAME ${fuzz_name}
             COMMAND ${fuzz_name} -max_total_time=${IQX_FUZZ_SMOKE_SECONDS} -timeout=20
                     -artifact_prefix=${fuzz_work}/ ${fuzz_work}/corpus ${fuzz_corpus})
    set_tests_properties(${fuzz_name} PROPERTIES TIMEOUT 120)
  endforeach()
endif()
