# quornel, native build: the program without a window (--repeat, --script). The Windows
# program with its window is defined beside the native view's entry point.
if(NOT WIN32)
  add_executable(quornel ${CMAKE_CURRENT_LIST_DIR}/quornel_main.cpp)
  target_link_libraries(quornel PRIVATE quornel_ui)
endif()
