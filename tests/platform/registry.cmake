# The registry, the collation, Windows-1252 and the error handling of the platform layer.
add_qt_test(tst_registry SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_registry.cpp LIBS platform)
add_qt_test(tst_collation SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_collation.cpp LIBS platform)
add_qt_test(tst_cp1252 SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_cp1252.cpp LIBS platform)
add_qt_test(tst_errorbox SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_errorbox.cpp LIBS platform_ui)
