# Release and packages: the install rules say what a user gets (the exe and
# the files it loads from its own folder, the fonts' licence texts, a short
# readme and the licence); CPack turns them into the portable zip, and
# scripts/package builds the Windows Installer package from the same files
# (packaging/quillcast.wxs).

# With QC_RELEASE the exe is stripped after linking and its debug
# information kept beside it in Quillcast.exe.debug (never shipped), linked
# by name so that a debugger finds it.
option(QC_RELEASE "Split the debug information off Quillcast.exe" OFF)
if(QC_RELEASE)
  find_program(QC_OBJCOPY NAMES x86_64-w64-mingw32-objcopy REQUIRED)
  add_custom_command(TARGET Quillcast POST_BUILD
    COMMAND ${QC_OBJCOPY} --only-keep-debug $<TARGET_FILE:Quillcast> $<TARGET_FILE:Quillcast>.debug
    COMMAND ${QC_OBJCOPY} --strip-all $<TARGET_FILE:Quillcast>
    COMMAND ${QC_OBJCOPY} --add-gnu-debuglink=$<TARGET_FILE:Quillcast>.debug $<TARGET_FILE:Quillcast>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:Quillcast>
    VERBATIM)
endif()

# The installer's helper: carried inside the MSI, never installed.
add_executable(quillcast-setup WIN32 packaging/setup_helper.cpp)
target_link_libraries(quillcast-setup PRIVATE shell32 advapi32 user32 kernel32)
if(QC_RELEASE)
  add_custom_command(TARGET quillcast-setup POST_BUILD
    COMMAND ${QC_OBJCOPY} --strip-all $<TARGET_FILE:quillcast-setup> VERBATIM)
endif()

# scripts/package builds the targets first; installing never builds the test
# programs.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# Everything lies in one folder: Quillcast.exe finds its files beside itself.
install(TARGETS Quillcast RUNTIME DESTINATION .)
install(FILES ${QC_ASSETS} DESTINATION .)
install(FILES assets/GPL-3.txt DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES packaging/README.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quillcast)
set(CPACK_PACKAGE_VENDOR "The Quillcast developers")
set(CPACK_PACKAGE_FILE_NAME Quillcast-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/cpack)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
