# quornel-preview: a command-line tool of the native build (Linux and other Unix systems),
# for checking a drawing without Jw_cad; its arguments and messages are UTF-8.
if(NOT WIN32)
  add_executable(quornel-preview ${CMAKE_CURRENT_LIST_DIR}/preview_main.cpp)
  target_link_libraries(quornel-preview PRIVATE quornel_preview)
endif()
