# orvanto_room(NAME <room> [RECURSE] [PROGRAM <name>] [DEPS <targets>...]
#              [TEST_DEPS <targets>...] [TEST_ENVIRONMENT <VAR=value>...])
#
# A room is a folder of the program: its *.cpp files (not those under tests/)
# make the static library orvanto_<room>; its tests make the test program
# <room>_tests, run by ctest with the shared test support.
#
# RECURSE: the room's sub-folders belong to it (every *.cpp below the folder,
# and every tests/ folder below it). Without RECURSE a source in a sub-folder
# other than tests/ stops the configuration, so no sub-folder is skipped
# without notice.
# PROGRAM: the room's main.cpp (at any depth) is left out of the library and
# becomes the program <name>, linked against it.
function(orvanto_room)
  cmake_parse_arguments(ROOM "RECURSE" "NAME;PROGRAM" "DEPS;TEST_DEPS;TEST_ENVIRONMENT" ${ARGN})
  set(here ${CMAKE_CURRENT_SOURCE_DIR})

  # Headers too, so that the meta-object compiler sees every Q_OBJECT class.
  file(GLOB_RECURSE all_sources CONFIGURE_DEPENDS ${here}/*.cpp ${here}/*.h)
  set(room_sources "")
  set(test_sources "")
  set(main_source "")
  foreach(source IN LISTS all_sources)
    file(RELATIVE_PATH relative ${here} ${source})
    if(relative MATCHES "(^|/)tests/")
      if(ROOM_RECURSE OR relative MATCHES "^tests/[^/]*$")
        list(APPEND test_sources ${source})
      else()
        message(FATAL_ERROR "${ROOM_NAME}: ${relative} is in a sub-folder this room does not build")
      endif()
    elseif(ROOM_PROGRAM AND relative MATCHES "(^|/)main\\.cpp$")
      set(main_source ${source})
    elseif(ROOM_RECURSE OR NOT relative MATCHES "/")
      list(APPEND room_sources ${source})
    else()
      message(FATAL_ERROR "${ROOM_NAME}: ${relative} is in a sub-folder this room does not build")
    endif()
  endforeach()

  set(compiled ${room_sources})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  if(compiled)
    add_library(orvanto_${ROOM_NAME} STATIC ${room_sources})
    target_include_directories(orvanto_${ROOM_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(orvanto_${ROOM_NAME} PUBLIC ${ROOM_DEPS})
  else()
    add_library(orvanto_${ROOM_NAME} INTERFACE)
    target_include_directories(orvanto_${ROOM_NAME} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(orvanto_${ROOM_NAME} INTERFACE ${ROOM_DEPS})
  endif()

  if(ROOM_PROGRAM)
    if(NOT main_source)
      message(FATAL_ERROR "${ROOM_NAME}: the program ${ROOM_PROGRAM} has no main.cpp")
    endif()
    add_executable(${ROOM_PROGRAM} ${main_source})
    target_link_libraries(${ROOM_PROGRAM} PRIVATE orvanto_${ROOM_NAME})
  endif()

  if(test_sources)
    add_executable(${ROOM_NAME}_tests ${test_sources})
    target_link_libraries(${ROOM_NAME}_tests PRIVATE orvanto_${ROOM_NAME} ${ROOM_TEST_DEPS} orvanto_test_support
                          GTest::gmock GTest::gtest_main)
    target_compile_definitions(${ROOM_NAME}_tests PRIVATE
                               ORVANTO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                               ORVANTO_BINARY_DIR="${CMAKE_BINARY_DIR}"
                               ORVANTO_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
    # Test names carry the parameter's name, never its bytes.
    # The user's folders point into the build tree: a test that reaches for
    # the default settings, wallpaper or autostart folder never touches the
    # real user's files.
    set(test_home ${CMAKE_BINARY_DIR}/test-home)
    set(test_folders "HOME=${test_home};XDG_CONFIG_HOME=${test_home}/.config;XDG_DATA_HOME=${test_home}/.local/share")
    gtest_discover_tests(${ROOM_NAME}_tests DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES NO_PRETTY_TYPES
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${test_folders};${ROOM_TEST_ENVIRONMENT}")
  endif()
endfunction()
