# The Windows launcher: the Win32 backend, the entry, and the icon, version and manifest.
# One static executable that needs only Windows' own DLLs.
file(GLOB ZK_WIN32_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/win32/*.cpp)
target_sources(zk_platform PRIVATE ${ZK_WIN32_SOURCES})
target_link_libraries(zk_platform PUBLIC comctl32 comdlg32)
target_compile_definitions(zk_platform PUBLIC UNICODE _UNICODE)

add_executable(zebkin-setup WIN32
  ${PROJECT_SOURCE_DIR}/src/app/main_win32.cpp
  ${PROJECT_SOURCE_DIR}/src/app/win32/zebkin-setup.rc)
target_link_libraries(zebkin-setup PRIVATE zk_core)
target_link_options(zebkin-setup PRIVATE -municode -static -s)
