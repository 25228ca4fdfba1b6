# The sanitizer build (CONFIGURATOR_SANITIZE): every target with
# AddressSanitizer (LeakSanitizer included) and UndefinedBehaviorSanitizer,
# any finding fatal. CONFIGURATOR_TEST_ENVIRONMENT holds what each test
# runs with.

set(CONFIGURATOR_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

if(CONFIGURATOR_SANITIZE)
  set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all)
  add_compile_options(${sanitizers} -fno-omit-frame-pointer)
  add_link_options(${sanitizers})
  list(APPEND CONFIGURATOR_TEST_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan_suppressions.txt:print_suppressions=0")
endif()
