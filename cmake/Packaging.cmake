# The Debian package: cpack -G DEB in a build tree. Runtime libraries come from dpkg-shlibdeps;
# the Qt platform plugins are named since nothing links them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wtalvera)
set(CPACK_PACKAGE_VENDOR "wTalvera")
set(CPACK_PACKAGE_CONTACT "wTalvera developers <dev@wtalvera.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "receipts import for a PostgreSQL accounting system")
set(CPACK_PACKAGE_DESCRIPTION
    "wTalvera takes receipts and payments of miscellaneous debtors and creditors\nfrom an Excel workbook into a company's accounting database, lists the\nreceipt log beside the invoices it pays, and has the server generate the\nreceipt documents.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/conffiles)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/conffiles "${WTALVERA_CONFIG_DIR}/wtalvera.ini.example\n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
