# Native Linux build: core with the fake platform, GoogleTest suites, fuzzers, benchmarks.
file(GLOB_RECURSE FAKE_SOURCES CONFIGURE_DEPENDS src/platform/fake/*.cpp)
add_library(kefelo_fake STATIC ${FAKE_SOURCES})
target_link_libraries(kefelo_fake PUBLIC kefelo_platform)

find_package(GTest REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# No file includes across a forbidden edge between the layers, and the core subsystems
# include only what they declare above, without cycles. The self-test proves that each
# kind of violation is caught.
add_test(NAME layering COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tests/layering/check_layers.py
                               --src ${CMAKE_SOURCE_DIR}/src --declared ${CMAKE_BINARY_DIR}/core_subsystems.txt)
add_test(NAME layering_self_test COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tests/layering/check_layers.py
                                         --self-test)

# One test program per core subsystem: tests/core/<subsystem>/*.cpp -> <subsystem>_tests.
foreach(sub ${CORE_SUBSYSTEMS})
    file(GLOB_RECURSE test_sources CONFIGURE_DEPENDS tests/core/${sub}/*.cpp)
    if(test_sources)
        add_executable(${sub}_tests ${test_sources})
        target_include_directories(${sub}_tests PRIVATE tests)
        target_link_libraries(${sub}_tests PRIVATE kefelo_core_${sub} kefelo_fake GTest::gtest GTest::gtest_main)
        add_test(NAME ${sub}_tests COMMAND ${sub}_tests --gtest_brief=1)
    endif()
endforeach()

# The base library's own tests: tests/base/**.
file(GLOB_RECURSE BASE_TEST_SOURCES CONFIGURE_DEPENDS tests/base/*.cpp)
if(BASE_TEST_SOURCES)
    add_executable(base_tests ${BASE_TEST_SOURCES})
    target_include_directories(base_tests PRIVATE tests)
    target_link_libraries(base_tests PRIVATE kefelo_base GTest::gtest GTest::gtest_main)
    add_test(NAME base_tests COMMAND base_tests --gtest_brief=1)
endif()

file(GLOB PLATFORM_CONTRACT_SOURCES CONFIGURE_DEPENDS tests/platform/*_contract.cpp)
if(PLATFORM_CONTRACT_SOURCES)
    add_executable(platform_contract_fake ${PLATFORM_CONTRACT_SOURCES} tests/platform/env_fake.cpp)
    target_include_directories(platform_contract_fake PRIVATE tests)
    target_link_libraries(platform_contract_fake PRIVATE kefelo_fake GTest::gtest GTest::gtest_main)
    add_test(NAME platform_contract_fake COMMAND platform_contract_fake --gtest_brief=1)
endif()

# Benchmarks that run natively: bench/native/<name>.cpp.
file(GLOB NATIVE_BENCH_SOURCES CONFIGURE_DEPENDS bench/native/*.cpp)
foreach(src ${NATIVE_BENCH_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE kefelo_core kefelo_fake)
    target_compile_options(${name} PRIVATE -O2)
endforeach()

# libFuzzer targets (fuzz/<name>.cpp) need clang.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS fuzz/*.cpp)
    foreach(src ${FUZZ_SOURCES})
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_link_libraries(${name} PRIVATE kefelo_core kefelo_fake)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    endforeach()
endif()
