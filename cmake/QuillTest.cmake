# quill_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>] [TIMEOUT <s>]
#                [SECRET_SERVICE keyring|none])
# Builds one Qt Test executable and registers it with CTest. Every test runs
# offscreen, with its own private XDG folders (set up by the test itself through
# TempProfile where it needs them). Secrets are kept in the settings tree
# (QUILLMERE_SECRET_STORE=settings), so no test touches the user's keyring;
# with SECRET_SERVICE the test runs in a private D-Bus session instead
# (tests/support/keyring-session.sh), with a fresh keyring of its own or with
# none, and chooses its store as the program does.
function(quill_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT;SECRET_SERVICE" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
  set(session ${PROJECT_SOURCE_DIR}/tests/support/keyring-session.sh)
  set(secret_env "QUILLMERE_SECRET_STORE=settings;")
  if(T_SECRET_SERVICE STREQUAL "keyring")
    add_test(NAME ${name} COMMAND ${session} $<TARGET_FILE:${name}>)
    set(secret_env "")
  elseif(T_SECRET_SERVICE STREQUAL "none")
    add_test(NAME ${name} COMMAND ${session} --no-keyring $<TARGET_FILE:${name}>)
    set(secret_env "")
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    LABELS "${T_LABELS}"
    ENVIRONMENT "${secret_env}LANGUAGE=en;QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false;ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endfunction()
