# Windows build: Quillcast.exe, the Win32 test exe and the end-to-end tests.
# Everything links statically so that only system DLLs are imported.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_compile_definitions(NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)

set(QC_WIN_LIBS gdiplus usp10 comctl32 comdlg32 shell32 shlwapi advapi32 ole32 gdi32 user32 kernel32)

add_library(qc_core STATIC ${QC_CORE_SOURCES})
target_include_directories(qc_core PUBLIC src)

# version.h: the project's version for the code and the resource script.
set(QC_GENERATED ${CMAKE_BINARY_DIR}/generated)
configure_file(src/resources/version.h.in ${QC_GENERATED}/version.h @ONLY)

# The floors above core, bottom to top. Each is a static library that links
# only the floors below it, so a call upward does not link.
set(QC_FLOORS win canvas render dock overlay features app)
set(QC_BELOW qc_core)
foreach(floor ${QC_FLOORS})
  file(GLOB sources CONFIGURE_DEPENDS src/${floor}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "src/app/main\\.cpp$")
  add_library(qc_${floor} STATIC ${sources})
  target_link_libraries(qc_${floor} PUBLIC ${QC_BELOW})
  set(QC_BELOW qc_${floor})
endforeach()
target_include_directories(qc_win PUBLIC src/resources ${QC_GENERATED})
target_link_libraries(qc_win PUBLIC ${QC_WIN_LIBS})

set(QC_RC ${CMAKE_SOURCE_DIR}/src/resources/quillcast.rc)
set(QC_RC_SOURCES)
if(EXISTS ${QC_RC})
  set(QC_RC_SOURCES ${QC_RC})
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/src/resources -I${QC_GENERATED}")
  file(GLOB QC_RC_INPUTS CONFIGURE_DEPENDS src/resources/*.manifest src/resources/*.ico)
  set_source_files_properties(${QC_RC} PROPERTIES OBJECT_DEPENDS "${QC_GENERATED}/version.h;${QC_RC_INPUTS}")
endif()
enable_language(RC)

add_executable(Quillcast WIN32 src/app/main.cpp ${QC_RC_SOURCES})
target_link_libraries(Quillcast PRIVATE qc_app)

# The files that lie beside the exe: mark pictures, fonts, tray icon.
file(GLOB QC_ASSETS CONFIGURE_DEPENDS
  assets/*.png assets/*.bmp assets/*.ttf assets/*.ICO assets/*.LICENSE.txt)
if(QC_ASSETS)
  add_custom_command(TARGET Quillcast POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QC_ASSETS} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
    VERBATIM)
endif()

# GoogleTest built with mingw from the Debian source tree.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -Wno-error)

include(GoogleTest)
file(GLOB QC_WIN_TESTS CONFIGURE_DEPENDS tests/win/*.cpp)
add_executable(wintests ${QC_WIN_TESTS} ${QC_RC_SOURCES})
target_link_libraries(wintests PRIVATE qc_app gtest)
# Reference pictures are read from the source tree (Wine maps / to Z:).
target_compile_definitions(wintests PRIVATE QC_SOURCE_DIR="Z:${CMAKE_SOURCE_DIR}")
add_dependencies(wintests Quillcast)
gtest_add_tests(TARGET wintests SOURCES ${QC_WIN_TESTS} TEST_LIST QC_WIN_TEST_LIST)
set_tests_properties(${QC_WIN_TEST_LIST} PROPERTIES TIMEOUT 120)

# Helpers of the end-to-end tests: a small Win32 program that sends real input
# and reads window state inside the Wine session.
file(GLOB QC_E2E_TOOLS CONFIGURE_DEPENDS tests/e2e/*.cpp)
foreach(src ${QC_E2E_TOOLS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE ${QC_WIN_LIBS})
endforeach()

file(GLOB QC_E2E_SCRIPTS CONFIGURE_DEPENDS tests/e2e/*_test.sh)
foreach(script ${QC_E2E_SCRIPTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME e2e_${name} COMMAND bash ${script} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  # 77: the test could not set up what it needs here (an X server with two
  # monitors) and says so.
  set_tests_properties(e2e_${name} PROPERTIES TIMEOUT 300 RUN_SERIAL ON SKIP_RETURN_CODE 77)
endforeach()

# Benchmarks: Win32 exes beside Quillcast.exe that print figures, never assert.
file(GLOB QC_BENCHES CONFIGURE_DEPENDS bench/*.cpp)
foreach(src ${QC_BENCHES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src} ${QC_RC_SOURCES})
  target_link_libraries(${name} PRIVATE qc_app)
  add_dependencies(${name} Quillcast)
endforeach()

include(cmake/package.cmake)
