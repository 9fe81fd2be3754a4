# The Windows installer CPack builds with NSIS (`cpack -G NSIS` in the build
# folder, run by scripts/test-windows): build-windows/dsp-panel-VERSION-win64.exe.
# A 64-bit installer: the default 32-bit one does nothing under a 64-bit Wine
# and still ends with status 0. It puts the program (which carries its
# layout, skins and banner) with its licence into Program Files, a Start-menu
# shortcut that shows the program's own icon, and an uninstaller; /S installs
# silently, `uninstall.exe /S` removes it silently. It installs no serial
# driver: the system's COM ports are used as they are.
# The program goes into bin, where CPack's Start-menu shortcuts look for it;
# message catalogs, which the program looks for beside itself, would go into
# bin\locale (none ship).
install(TARGETS dsp-panel RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME dsp-panel)
set(CPACK_PACKAGE_VENDOR dsp-panel)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control panel for a karaoke pre-amplifier and effects unit")
set(CPACK_PACKAGE_FILE_NAME dsp-panel-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY dsp-panel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY dsp-panel)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# Start menu: "dsp-panel\DSP Panel" runs the program.
set(CPACK_PACKAGE_EXECUTABLES dsp-panel "DSP Panel")
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME dsp-panel)
set(CPACK_NSIS_DISPLAY_NAME dsp-panel)
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/icons/dsp-panel.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/icons/dsp-panel.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\dsp-panel.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
