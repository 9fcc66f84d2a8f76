# The Windows launcher's real-window check: zebkin-setup.exe under wine and Xvfb, with the
# programs it needs cross-built beside it: the Windows stand-in game, the demo folder tool and a
# probe that reads a window as Windows sees it.
enable_language(C)

add_executable(zk-standin-win WIN32 ${PROJECT_SOURCE_DIR}/tools/standin-win/main.c)
target_link_options(zk-standin-win PRIVATE -municode -static)

file(GLOB ZK_DEMO_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/demo/*.cpp)
add_executable(zk-demo ${ZK_DEMO_SOURCES})
target_link_libraries(zk-demo PRIVATE zk_formats)
target_include_directories(zk-demo PRIVATE ${PROJECT_SOURCE_DIR}/tools ${CMAKE_CURRENT_SOURCE_DIR})
target_link_options(zk-demo PRIVATE -static)

add_executable(zk-winprobe ${CMAKE_CURRENT_SOURCE_DIR}/xvfb-wine/winprobe.c)
target_link_options(zk-winprobe PRIVATE -municode -static)

find_program(ZK_WINE wine)
find_program(ZK_XVFB_RUN xvfb-run)
find_program(ZK_XDOTOOL xdotool)
if(ZK_WINE AND ZK_XVFB_RUN AND ZK_XDOTOOL)
  # The prefix is the build's own: made on the first run (about 20 s), warm after.
  add_test(NAME windows.window
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/xvfb-wine/win32_window.sh
            $<TARGET_FILE:zebkin-setup> $<TARGET_FILE:zk-standin-win> $<TARGET_FILE:zk-demo>
            $<TARGET_FILE:zk-winprobe> ${CMAKE_CURRENT_BINARY_DIR}/win32-window
            ${CMAKE_BINARY_DIR}/wineprefix)
  set_tests_properties(windows.window PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE LABELS e2e)
endif()
