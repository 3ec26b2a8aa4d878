# IQX_SANITIZE=ON builds every target with AddressSanitizer and
# UndefinedBehaviorSanitizer. Any report ends the program with a failure,
# so a test that triggers one fails. ./test builds this into build-asan/.
option(IQX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(IQX_SANITIZE)
  set(IQX_SANITIZE_FLAGS
      -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${IQX_SANITIZE_FLAGS})
  add_link_options(${IQX_SANITIZE_FLAGS})
  get_filename_component(IQX_SANITIZER_DIR ${CMAKE_CURRENT_LIST_DIR}/../tests/sanitizers ABSOLUTE)

  # Runtime options for every test, set once all tests are known.
  set(IQX_SANITIZER_ENV
      "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1:strict_string_checks=1"
      "LSAN_OPTIONS=suppressions=${IQX_SANITIZER_DIR}/lsan.supp:print_suppressions=0"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  function(iqx_sanitizer_environment)
    # Runs deferred in each folder that adds tests (the top and tests/).
    get_property(tests DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} PROPERTY TESTS)
    foreach(t ${tests})
      set_property(TEST ${t} APPEND PROPERTY ENVIRONMENT ${IQX_SANITIZER_ENV})
    endforeach()
  endfunction()
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL iqx_sanitizer_environment)
endif()
