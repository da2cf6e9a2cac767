# zk_add_test(NAME <name> SOURCES <files...> [LIBS <targets...>] [GUI])
# Registers one QtTest executable with CTest. Tests run headless.
function(zk_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE zktestsupport Qt6::Test ${T_LIBS})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZOKAMO_RESOURCES=${ZK_RESOURCES_DIR};QT_LOGGING_RULES=qt.qpa.*=false"
    TIMEOUT 900)
endfunction()
