# MinGW-w64 build: the program and the Win32 test programs, all linked statically.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
set(STATIC_FLAGS -static -static-libgcc -static-libstdc++)

set(LIBZIP_PREFIX "${CMAKE_BINARY_DIR}/../mingw-libzip" CACHE PATH "libzip built for MinGW")

file(GLOB_RECURSE WIN32_PLATFORM_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(kefelo_win32 STATIC ${WIN32_PLATFORM_SOURCES})
target_link_libraries(kefelo_win32 PUBLIC kefelo_platform shlwapi shell32 ole32 advapi32 user32 gdi32 comctl32 comdlg32 userenv wininet)

# The views: one library that the program and the UI tests link.
file(GLOB_RECURSE UI_SOURCES CONFIGURE_DEPENDS src/ui/*.cpp)
add_library(kefelo_ui STATIC ${UI_SOURCES})
target_link_libraries(kefelo_ui PUBLIC kefelo_win32 kefelo_core uxtheme version)

file(GLOB APP_SOURCES CONFIGURE_DEPENDS src/app/*.cpp)
# The search page's templates are a resource script of their own; the page's tests and
# benchmark link them too.
set(SEARCH_PAGE_RC src/ui/search/search_page.rc)
set_source_files_properties(${SEARCH_PAGE_RC} PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/src/ui/search/search_page_ids.h)
add_executable(kefelo WIN32 ${APP_SOURCES} src/app/kefelo.rc ${SEARCH_PAGE_RC})
target_link_libraries(kefelo PRIVATE kefelo_ui)
# The resource script finds its icon and manifest here, the page templates under src/.
target_include_directories(kefelo PRIVATE src/app)
file(GLOB RC_INPUTS CONFIGURE_DEPENDS src/app/*.ico src/app/*.manifest src/app/*.h src/ui/*/*.rc src/ui/*/*_ids.h)
set_source_files_properties(src/app/kefelo.rc PROPERTIES OBJECT_DEPENDS "${RC_INPUTS}")
target_link_options(kefelo PRIVATE ${STATIC_FLAGS} -municode)
set_target_properties(kefelo PROPERTIES OUTPUT_NAME kefelo)

# GoogleTest built from Debian's sources for the Win32 tests.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -Wno-error)
target_compile_options(gtest_main PRIVATE -Wno-error)

file(GLOB PLATFORM_CONTRACT_SOURCES CONFIGURE_DEPENDS tests/platform/*_contract.cpp)
add_executable(platform_contract_win32 ${PLATFORM_CONTRACT_SOURCES} tests/platform/env_win32.cpp)
target_include_directories(platform_contract_win32 PRIVATE tests)
target_link_libraries(platform_contract_win32 PRIVATE kefelo_win32 gtest gtest_main)
target_link_options(platform_contract_win32 PRIVATE ${STATIC_FLAGS})
add_test(NAME platform_contract_win32 COMMAND platform_contract_win32 --gtest_brief=1)

file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp)
if(WIN32_TEST_SOURCES)
    add_executable(win32_tests ${WIN32_TEST_SOURCES})
    target_include_directories(win32_tests PRIVATE tests)
    target_link_libraries(win32_tests PRIVATE kefelo_ui gtest gtest_main)
    target_link_options(win32_tests PRIVATE ${STATIC_FLAGS})
    add_test(NAME win32_tests COMMAND win32_tests --gtest_brief=1)
    # Wine's Recycle Bin is the Linux trash: the tests' own, never the user's.
    set(RECYCLE_SANDBOX ${CMAKE_BINARY_DIR}/recycle-sandbox)
    file(MAKE_DIRECTORY ${RECYCLE_SANDBOX}/data)
    set_tests_properties(win32_tests PROPERTIES ENVIRONMENT
                         "HOME=${RECYCLE_SANDBOX};XDG_DATA_HOME=${RECYCLE_SANDBOX}/data")
endif()

# Benchmarks that run under Wine.
file(GLOB WIN32_BENCH_SOURCES CONFIGURE_DEPENDS bench/win32/*.cpp)
foreach(src ${WIN32_BENCH_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE kefelo_win32 kefelo_core)
    # The recording main window of the core tests stands in for the real one.
    target_include_directories(${name} PRIVATE tests)
    target_compile_options(${name} PRIVATE -O2)
    target_link_options(${name} PRIVATE ${STATIC_FLAGS} -municode)
endforeach()
# The found-files list on screen: the search page and its templates.
if(TARGET search_list_bench)
    target_sources(search_list_bench PRIVATE ${SEARCH_PAGE_RC})
    target_link_libraries(search_list_bench PRIVATE kefelo_ui)
endif()

# libzip over zlib, cross-built by scripts/setup; used by the ZIP and update features.
if(EXISTS "${LIBZIP_PREFIX}/lib/libzip.a")
    add_library(kefelo_libzip STATIC IMPORTED)
    set_target_properties(kefelo_libzip PROPERTIES
        IMPORTED_LOCATION "${LIBZIP_PREFIX}/lib/libzip.a"
        INTERFACE_INCLUDE_DIRECTORIES "${LIBZIP_PREFIX}/include"
        INTERFACE_LINK_LIBRARIES "z;bcrypt;advapi32")
    # The update's archive reader (platform/win32) unpacks with it.
    target_link_libraries(kefelo_win32 PUBLIC kefelo_libzip)
endif()

# Small programs the end-to-end tests run beside kefelo.exe.
file(GLOB E2E_TOOL_SOURCES CONFIGURE_DEPENDS tests/e2e/tools/*.cpp)
foreach(src ${E2E_TOOL_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_options(${name} PRIVATE ${STATIC_FLAGS} -municode)
endforeach()
# The shortcut reader asks the shell's link object, a COM class.
if(TARGET read_link)
    target_link_libraries(read_link PRIVATE ole32)
endif()
# The test authority goes into the prefix's root store through the system's own calls.
if(TARGET trust_root)
    target_link_libraries(trust_root PRIVATE crypt32)
endif()

# The reusable controls (src/ui/controls) on real windows: tests/win32/controls.
file(GLOB CONTROLS_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/controls/*.cpp)
if(CONTROLS_TEST_SOURCES)
    add_executable(ui_controls_tests ${CONTROLS_TEST_SOURCES})
    target_include_directories(ui_controls_tests PRIVATE tests)
    target_link_libraries(ui_controls_tests PRIVATE kefelo_ui gtest gtest_main)
    target_link_options(ui_controls_tests PRIVATE ${STATIC_FLAGS})
    add_test(NAME ui_controls_tests COMMAND ui_controls_tests --gtest_brief=1)
endif()

# The search page and the ZIP window on plain windows, with their templates: tests/win32/search.
file(GLOB SEARCH_PAGE_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/search/*.cpp tests/win32/search/*.rc)
if(SEARCH_PAGE_TEST_SOURCES)
    add_executable(ui_search_tests ${SEARCH_PAGE_TEST_SOURCES} ${SEARCH_PAGE_RC})
    target_include_directories(ui_search_tests PRIVATE tests)
    target_link_libraries(ui_search_tests PRIVATE kefelo_ui gtest gtest_main)
    target_link_options(ui_search_tests PRIVATE ${STATIC_FLAGS})
    add_test(NAME ui_search_tests COMMAND ui_search_tests --gtest_brief=1)
endif()
