# The Windows program, Zendrak.exe, and its in-process tests (run under Wine).
enable_language(RC)

# Everything static: the program must run on a clean Windows without any extra DLL.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

file(GLOB ZENDRAK_UI_SOURCES CONFIGURE_DEPENDS src/ui/*.cpp src/render/*_gdi.cpp)
list(FILTER ZENDRAK_UI_SOURCES EXCLUDE REGEX ".*/win_main\\.cpp$")
add_library(zendrak_ui STATIC ${ZENDRAK_UI_SOURCES})
zendrak_warnings(zendrak_ui)
target_include_directories(zendrak_ui PUBLIC resources)
target_link_libraries(zendrak_ui PUBLIC zendrak_core comctl32 comdlg32 msimg32 winmm shell32 gdi32 user32)
# The Windows headers are most of each window file's build.
target_precompile_headers(zendrak_ui PRIVATE <windows.h> <commctrl.h>)

file(GLOB ZENDRAK_RC_FILES CONFIGURE_DEPENDS resources/icons/*.ico resources/bitmaps/*.bmp)
set(ZENDRAK_RC ${CMAKE_CURRENT_SOURCE_DIR}/resources/zendrak.rc ${CMAKE_CURRENT_SOURCE_DIR}/resources/dialogs.rc)
add_executable(Zendrak WIN32 src/ui/win_main.cpp ${ZENDRAK_RC})
target_link_libraries(Zendrak PRIVATE zendrak_ui)
# The shipped program carries no symbols.
target_link_options(Zendrak PRIVATE -s)
zendrak_warnings(Zendrak)
target_include_directories(Zendrak PRIVATE resources)
set_source_files_properties(${ZENDRAK_RC} PROPERTIES OBJECT_DEPENDS
  "${CMAKE_CURRENT_SOURCE_DIR}/resources/resource.h;${CMAKE_CURRENT_SOURCE_DIR}/resources/zendrak.manifest;${ZENDRAK_RC_FILES}")

if(BUILD_TESTING)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  file(GLOB ZENDRAK_WIN32_TESTS CONFIGURE_DEPENDS tests/win32/*.cpp)
  add_executable(win32_tests ${ZENDRAK_WIN32_TESTS} ${ZENDRAK_RC})
  target_include_directories(win32_tests PRIVATE resources)
  target_link_libraries(win32_tests PRIVATE zendrak_ui gtest gtest_main)
  zendrak_warnings(win32_tests)
  # GCC 12 warns falsely about std::string concatenation once inlined at -O2 (its bug 105329).
  target_compile_options(win32_tests PRIVATE -Wno-restrict)
  # Only the Windows headers: with GoogleTest's in the precompiled header too, that false
  # warning comes back as a bounds warning.
  target_precompile_headers(win32_tests PRIVATE <windows.h> <commctrl.h>)
  # The tests share one desktop: one at a time.
  add_test(NAME Win32InProcess COMMAND win32_tests --gtest_brief=1)
  set_tests_properties(Win32InProcess PROPERTIES RESOURCE_LOCK desktop TIMEOUT 300)
endif()
add_subdirectory(tools/probe)
add_subdirectory(tools/paint_bench)
