# orvanto_room(NAME <room> [DEPS <targets>...] [TEST_DEPS <targets>...])
#
# A room is a folder of the engine: its *.cpp files (not those under tests/)
# make the static library orvanto_<room>; its tests/*.cpp files make the test
# program <room>_tests, run by ctest.
function(orvanto_room)
  cmake_parse_arguments(ROOM "" "NAME" "DEPS;TEST_DEPS" ${ARGN})
  file(GLOB room_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(room_sources)
    add_library(orvanto_${ROOM_NAME} STATIC ${room_sources})
    target_include_directories(orvanto_${ROOM_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(orvanto_${ROOM_NAME} PUBLIC ${ROOM_DEPS})
  else()
    add_library(orvanto_${ROOM_NAME} INTERFACE)
    target_include_directories(orvanto_${ROOM_NAME} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(orvanto_${ROOM_NAME} INTERFACE ${ROOM_DEPS})
  endif()

  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp
                                           ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.h)
  if(test_sources)
    add_executable(${ROOM_NAME}_tests ${test_sources})
    target_link_libraries(${ROOM_NAME}_tests PRIVATE orvanto_${ROOM_NAME} ${ROOM_TEST_DEPS}
                          GTest::gmock GTest::gtest_main)
    target_compile_definitions(${ROOM_NAME}_tests PRIVATE
                               ORVANTO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                               ORVANTO_BINARY_DIR="${CMAKE_BINARY_DIR}")
    gtest_discover_tests(${ROOM_NAME}_tests DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()
