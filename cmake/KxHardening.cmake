# Two extra build configurations for finding memory and undefined-behaviour faults.
#
# KX_FUZZ: clang with libFuzzer; builds the core layers (no Qt, no tests) and one fuzzer per
#   fuzz/*_fuzz.cpp. Used by scripts/fuzz.sh in build-fuzz/.
# KX_SANITIZE: AddressSanitizer and UBSan on everything, tests included, plus one replay program per
#   fuzz target that runs the committed corpus as CTest tests. Used by scripts/test.sh in build-asan/.
# KX_COVERAGE, with KX_FUZZ: clang's source-based coverage as well, so that the fuzzers run once over
#   their corpora tell how much of each reader the corpora reach (scripts/fuzz_coverage.sh). The scripts
#   configure build-fuzz/ with both, so one build serves fuzzing and coverage.
option(KX_FUZZ "Build the libFuzzer targets (clang) instead of the program and its tests" OFF)
option(KX_SANITIZE "Build with AddressSanitizer and UBSan and replay the fuzz corpus as tests" OFF)
option(KX_COVERAGE "With KX_FUZZ: add source-based coverage to the fuzz build" OFF)

set(KX_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

if(KX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KX_FUZZ needs clang (libFuzzer), e.g. -DCMAKE_CXX_COMPILER=clang++-14")
  endif()
  set(KX_BUILD_GUI OFF CACHE BOOL "" FORCE)
  set(KX_BUILD_TESTS OFF CACHE BOOL "" FORCE)
  # Coverage instrumentation for the library code; only the fuzzers link libFuzzer's main.
  add_compile_options(${KX_SANITIZER_FLAGS} -fsanitize=fuzzer-no-link)
  add_link_options(${KX_SANITIZER_FLAGS})
  if(KX_COVERAGE)
    add_compile_options(-fprofile-instr-generate -fcoverage-mapping)
    add_link_options(-fprofile-instr-generate)
  endif()
elseif(KX_SANITIZE)
  add_compile_options(${KX_SANITIZER_FLAGS})
  add_link_options(${KX_SANITIZER_FLAGS})
else()
  # The ordinary builds, the packaged one among them, get the distribution's hardening: checked buffer
  # functions (which need optimisation, so not in Debug builds, and which the sanitizers replace), a stack
  # protector, and relocations made read-only and bound at start.
  add_compile_options(-fstack-protector-strong
                      "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  add_link_options(-Wl,-z,relro,-z,now)
endif()

# Called at the end of the top-level CMakeLists, once every layer exists.
# Every build has the fuzz seed writer and, with the tests, the check that the committed seeds are what it
# writes; the fuzz targets themselves come with KX_FUZZ or KX_SANITIZE.
function(kx_add_hardening_targets)
  add_subdirectory(${CMAKE_SOURCE_DIR}/fuzz ${CMAKE_BINARY_DIR}/fuzz)
endfunction()
