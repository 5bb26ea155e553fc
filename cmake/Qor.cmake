# qor_model_library(name SOURCES ... DEPENDS ...): model code, no Qt at all.
function(qor_model_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# qor_ui_library(name SOURCES ... DEPENDS ...): window classes, built with moc.
function(qor_ui_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} Qt6::Widgets)
endfunction()

# qor_test(name SOURCES ... DEPENDS ... [QT]): one test executable run through CTest.
# Model tests link only model libraries and carry the label "model"; QT tests get a
# QApplication main and the label "window".
function(qor_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} qor_test_support_qt GTest::gtest Qt6::Test)
    set(labels window)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} qor_test_support GTest::gtest_main)
    # Built by the target model_tests and run by `ctest -L model` (the sanitizer build).
    set_property(GLOBAL APPEND PROPERTY QOR_MODEL_TESTS ${name})
    set(labels model)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${labels})
endfunction()
