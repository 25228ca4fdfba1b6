# The sanitizer build (CONFIGURATOR_SANITIZE) and the libFuzzer build
# (CONFIGURATOR_FUZZ, clang only): every target with AddressSanitizer
# (LeakSanitizer included) and UndefinedBehaviorSanitizer, any finding fatal,
# floating-point values that do not fit the integer they are converted to
# included (g++ leaves that check out of -fsanitize=undefined, clang has it),
# and with the index checks of Qt's and the standard library's inline code
# (QString, QList, std::vector, std::span), which AddressSanitizer cannot see
# within a container's spare capacity. The
# libFuzzer build also gives every target libFuzzer's coverage feedback.
# CONFIGURATOR_TEST_ENVIRONMENT holds what each test runs with.

set(CONFIGURATOR_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

if(CONFIGURATOR_SANITIZE OR CONFIGURATOR_FUZZ)
  set(sanitizers -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all)
  add_compile_options(${sanitizers} -fno-omit-frame-pointer)
  add_link_options(${sanitizers})
  add_compile_definitions(QT_FORCE_ASSERTS _GLIBCXX_ASSERTIONS)
  set(CONFIGURATOR_SANITIZER_OPTIONS
    "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan_suppressions.txt:print_suppressions=0")
  list(APPEND CONFIGURATOR_TEST_ENVIRONMENT ${CONFIGURATOR_SANITIZER_OPTIONS})
endif()

if(CONFIGURATOR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "CONFIGURATOR_FUZZ needs clang (libFuzzer): configure with CXX=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
