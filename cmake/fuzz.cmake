# Coverage-guided fuzzers over the logic that reads outside input: setting values and paths.
# libFuzzer comes with clang, not with the g++ the host build uses, so clang++ builds them directly.
# These sources have ASCII literals only, so they need none of the GBK flags clang lacks.
find_program(FUZZ_CXX NAMES clang++ clang++-14)
set(FUZZ_FLAGS -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
    -Wall -Wextra -Werror)
set(FUZZ_DIR ${CMAKE_BINARY_DIR}/fuzz)

# A machine without libFuzzer fails here, rather than quietly running fewer tests.
file(WRITE ${FUZZ_DIR}/probe.cpp "#include <cstddef>\n"
  "extern \"C\" int LLVMFuzzerTestOneInput(const unsigned char*, std::size_t) { return 0; }\n")
if(FUZZ_CXX)
  execute_process(COMMAND ${FUZZ_CXX} ${FUZZ_FLAGS} -o probe probe.cpp WORKING_DIRECTORY ${FUZZ_DIR}
    RESULT_VARIABLE FUZZ_PROBE OUTPUT_VARIABLE FUZZ_PROBE_LOG ERROR_VARIABLE FUZZ_PROBE_LOG)
endif()
if(NOT FUZZ_CXX OR NOT FUZZ_PROBE EQUAL 0)
  message(FATAL_ERROR "The fuzz tests need clang++ with libFuzzer (scripts/setup.sh installs it).\n"
                      "${FUZZ_CXX}: ${FUZZ_PROBE_LOG}")
endif()

# name: tests/fuzz/fuzz_<name>.cpp, built with the one logic source it drives.
function(add_fuzzer name source)
  set(exe ${FUZZ_DIR}/fuzz_${name})
  string(REPLACE ".cpp" ".h" header ${source})
  add_custom_command(OUTPUT ${exe}
    COMMAND ${FUZZ_CXX} ${FUZZ_FLAGS} -o ${exe} ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_${name}.cpp
            ${CMAKE_SOURCE_DIR}/${source}
    DEPENDS tests/fuzz/fuzz_${name}.cpp tests/fuzz/fuzz_check.h ${source} ${header}
    COMMENT "Building fuzzer fuzz_${name}")
  add_custom_target(fuzz_${name} ALL DEPENDS ${exe})
  # New inputs and crash files go to the build folder; the committed seeds are only read.
  set(work ${FUZZ_DIR}/${name})
  file(MAKE_DIRECTORY ${work}/corpus)
  add_test(NAME fuzz.${name}
    COMMAND ${exe} -max_total_time=15 -max_len=300 -timeout=10 -print_final_stats=1
            -artifact_prefix=${work}/ ${work}/corpus ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name}
    WORKING_DIRECTORY ${work})
  set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 120)
endfunction()

add_fuzzer(setting_value settings/setting_value.cpp)
add_fuzzer(module_path app/module_path.cpp)
