# The Windows programs: quornel.exe (the window) and uninstall.exe. GUI subsystem, wide
# entry points, statically linked; the resources carry the manifest (visual styles,
# per-monitor DPI awareness, run as the invoking user), the icon and the version.
if(WIN32)
  enable_language(RC)
  set(QUORNEL_RES_DIR ${CMAKE_SOURCE_DIR}/src/win32/res)

  # The icon file is drawn by the program's own picture code, built and run on the build
  # machine. Without a host compiler the programs simply have no icon of their own.
  find_program(QUORNEL_HOST_CXX NAMES g++ c++ clang++)
  set(QUORNEL_ICON ${CMAKE_BINARY_DIR}/res/quornel.ico)
  if(QUORNEL_HOST_CXX)
    add_custom_command(
      OUTPUT ${QUORNEL_ICON}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/res
      COMMAND ${QUORNEL_HOST_CXX} -std=c++20 -O1 -I${CMAKE_SOURCE_DIR}/src
              ${QUORNEL_RES_DIR}/make_icon.cpp ${CMAKE_SOURCE_DIR}/src/ui/pictures.cpp
              ${CMAKE_SOURCE_DIR}/src/drawing/input_rules.cpp
              ${CMAKE_SOURCE_DIR}/src/exchange/number_text.cpp
              ${CMAKE_SOURCE_DIR}/src/exchange/decimal_digits.cpp
              ${CMAKE_SOURCE_DIR}/src/platform/text_codec.cpp
              -o ${CMAKE_BINARY_DIR}/res/make_icon
      COMMAND ${CMAKE_BINARY_DIR}/res/make_icon ${QUORNEL_ICON}
      DEPENDS ${QUORNEL_RES_DIR}/make_icon.cpp ${CMAKE_SOURCE_DIR}/src/ui/pictures.cpp
              ${CMAKE_SOURCE_DIR}/src/ui/pictures.h ${CMAKE_SOURCE_DIR}/src/drawing/input_rules.cpp
      COMMENT "Drawing the program icon")
    # Both programs carry the icon: one target draws it and both wait for it, so that two
    # parallel jobs never build and run the drawing program at the same moment.
    add_custom_target(quornel_icon DEPENDS ${QUORNEL_ICON})
    set(QUORNEL_ICON_LINE "1 ICON \"${QUORNEL_ICON}\"")
  else()
    message(STATUS "No host C++ compiler: the Windows programs get no icon")
    set(QUORNEL_ICON_LINE "")
  endif()

  # DESCRIPTION is the Japanese line Explorer shows as the file's description.
  function(quornel_windows_resources program description out_var)
    set(PROGRAM ${program})
    set(DESCRIPTION ${description})
    set(VERSION ${PROJECT_VERSION})
    set(VERSION_FOUR ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
    set(VERSION_COMMAS
        ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0)
    set(MANIFEST ${CMAKE_BINARY_DIR}/res/${program}.manifest)
    set(ICON_LINE ${QUORNEL_ICON_LINE})
    configure_file(${QUORNEL_RES_DIR}/app.manifest ${MANIFEST} @ONLY)
    configure_file(${QUORNEL_RES_DIR}/app.rc.in ${CMAKE_BINARY_DIR}/res/${program}.rc @ONLY)
    set_source_files_properties(${CMAKE_BINARY_DIR}/res/${program}.rc PROPERTIES
      OBJECT_DEPENDS "${MANIFEST};${QUORNEL_ICON}")
    if(NOT QUORNEL_HOST_CXX)
      set_source_files_properties(${CMAKE_BINARY_DIR}/res/${program}.rc PROPERTIES
        OBJECT_DEPENDS "${MANIFEST}")
    endif()
    set(${out_var} ${CMAKE_BINARY_DIR}/res/${program}.rc PARENT_SCOPE)
  endfunction()

  # A Windows program with its resources; it waits for the icon its resources carry.
  function(quornel_windows_program program source description)
    quornel_windows_resources(${program} "${description}" rc)
    add_executable(${program} WIN32 ${CMAKE_CURRENT_LIST_DIR}/${source} ${rc})
    target_link_libraries(${program} PRIVATE ${ARGN})
    # Release builds drop the symbol tables: half the size, nothing the user needs.
    target_link_options(${program} PRIVATE -municode -mwindows
                        $<$<CONFIG:Release,MinSizeRel>:-s>)
    if(TARGET quornel_icon)
      add_dependencies(${program} quornel_icon)
    endif()
  endfunction()

  quornel_windows_program(quornel quornel_win32.cpp "柱・壁の作図（Jw_cad 外部変形）"
                          quornel_win32 quornel_ui)
  quornel_windows_program(uninstall uninstall_win32.cpp "quornel アンインストール（設定の削除）"
                          quornel_win32 quornel_uninstall)
endif()
