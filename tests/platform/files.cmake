# The file services: paths, listing, files, drives, errors and memory.
add_qt_test(tst_winpath SOURCES tst_winpath.cpp LIBS platform)
add_qt_test(tst_folderlistings SOURCES tst_folderlistings.cpp LIBS platform)
add_qt_test(tst_filesystem SOURCES tst_filesystem.cpp LIBS platform)
add_qt_test(tst_drives SOURCES tst_drives.cpp LIBS platform)
add_qt_test(tst_errors SOURCES tst_errors.cpp LIBS platform)
add_qt_test(tst_testworld SOURCES tst_testworld.cpp LIBS platform)
