add_executable(tst_frmLongTerm ${CMAKE_CURRENT_LIST_DIR}/tst_frmLongTerm.cpp ${CMAKE_CURRENT_LIST_DIR}/QtTestMain.cpp)
target_link_libraries(tst_frmLongTerm PRIVATE trakora_frmLongTerm GTest::gtest Qt6::Test)
# Exported GPX is validated against the GPX 1.1 schema when it and xmllint are
# installed (scripts/install-deps.sh).
find_file(TRAKORA_GPX11_XSD NAMES gpx.xsd Topografix_gpx11.xsd
          PATHS /usr/local/share/xml/gpx/1.1 /usr/share/pytrainer/schemas NO_DEFAULT_PATH)
find_program(TRAKORA_XMLLINT xmllint)
if(TRAKORA_GPX11_XSD AND TRAKORA_XMLLINT)
    target_compile_definitions(tst_frmLongTerm PRIVATE
        TRAKORA_GPX_SCHEMA="${TRAKORA_GPX11_XSD}" TRAKORA_XMLLINT="${TRAKORA_XMLLINT}")
endif()
gtest_discover_tests(tst_frmLongTerm DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# Not a test: a window to look at (see the file's header); built on request.
add_executable(longterm_demo EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/longterm_demo.cpp)
target_link_libraries(longterm_demo PRIVATE trakora_frmLongTerm)
