# Build helpers shared by every folder.
#
# A folder's sources are picked up by glob so that a new file needs no CMake edit.

# tarvelo_library(<name> [LINK <targets>...])
#   Static library tarvelo_<name> from the *.cpp/*.h of the current folder; a folder
#   that holds no source yet makes no library.
function(tarvelo_library name)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_library(tarvelo_${name} STATIC ${sources})
  target_include_directories(tarvelo_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  # A folder library may link one that has no sources yet (and so does not exist).
  list(TRANSFORM ARG_LINK REPLACE "^(tarvelo_.*)$" "$<TARGET_NAME_IF_EXISTS:\\1>")
  target_link_libraries(tarvelo_${name} PUBLIC ${ARG_LINK})
endfunction()

# tarvelo_tests(<folder> LINK <targets>...)
#   In tests/<folder>:  test_*.cpp -> label unit, gui_*.cpp -> label gui (offscreen Qt),
#   x11_*.cpp -> label x11 (a real X server, DISPLAY given by the test script),
#   fuzz_*.cpp -> one libFuzzer target each (only with TARVELO_FUZZ).
#   Any other *.cpp in the folder is shared test support linked into every kind.
function(tarvelo_tests folder)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
  file(GLOB all CONFIGURE_DEPENDS ${dir}/*.cpp)
  file(GLOB support_h CONFIGURE_DEPENDS ${dir}/*.h)
  set(support ${support_h})
  foreach(f ${all})
    get_filename_component(n ${f} NAME)
    if(NOT n MATCHES "^(test|gui|x11|fuzz)_")
      list(APPEND support ${f})
    endif()
  endforeach()

  if(TARVELO_FUZZ)
    file(GLOB fuzzers CONFIGURE_DEPENDS ${dir}/fuzz_*.cpp)
    foreach(f ${fuzzers})
      get_filename_component(n ${f} NAME_WE)
      add_executable(${n} ${f})
      target_link_libraries(${n} PRIVATE ${ARG_LINK})
      target_link_options(${n} PRIVATE -fsanitize=fuzzer)
      set_property(GLOBAL APPEND PROPERTY TARVELO_FUZZERS ${n})
    endforeach()
    return()
  endif()

  foreach(kind unit gui x11)
    if(kind STREQUAL "unit")
      set(prefix test)
    else()
      set(prefix ${kind})
    endif()
    file(GLOB files CONFIGURE_DEPENDS ${dir}/${prefix}_*.cpp)
    if(NOT files)
      continue()
    endif()
    set(exe ${folder}_${kind}_tests)
    add_executable(${exe} ${files} ${support})
    target_include_directories(${exe} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${exe} PRIVATE ${ARG_LINK} GTest::gtest GTest::gmock tarvelo_testmain)
    target_compile_definitions(${exe} PRIVATE TARVELO_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
      TARVELO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    # The windows are tested where the program's users live: on a Brazilian desktop, whose
    # decimal comma the C library's numbers would follow. A property holds one value here
    # (gtest_discover_tests splits lists and drops empty values).
    set(properties LABELS ${kind} TIMEOUT 120)
    if(kind STREQUAL "gui")
      list(APPEND properties ENVIRONMENT QT_QPA_PLATFORM=offscreen ENVIRONMENT_MODIFICATION LANG=set:pt_BR.UTF-8)
    elseif(kind STREQUAL "x11")
      list(APPEND properties ENVIRONMENT QT_QPA_PLATFORM=xcb ENVIRONMENT_MODIFICATION LANG=set:pt_BR.UTF-8)
    endif()
    gtest_discover_tests(${exe} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
    # The unit tests once more on a French desktop: a decimal comma and a space of some
    # kind between groups.
    if(kind STREQUAL "unit")
      gtest_discover_tests(${exe} DISCOVERY_MODE PRE_TEST TEST_SUFFIX ".fr_FR" TEST_LIST ${exe}_fr_FR
        PROPERTIES ${properties} ENVIRONMENT_MODIFICATION LANG=set:fr_FR.UTF-8)
    endif()
  endforeach()
endfunction()
