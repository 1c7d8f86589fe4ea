# The layout of a Debian package: the program in /usr/bin, its desktop entry, icon, AppStream
# metainfo, manual page and Debian documents in their freedesktop and Debian places. The data
# folder is not installed: the program carries it and creates it in the user's data location.
set(KORI_ID de.kori.KORI)
set(KORI_BETREUER "K.O.R.I maintainers <maintainers@users.noreply.c-seed-3e0bb37f.example>")
string(TIMESTAMP KORI_DATUM "%Y-%m-%d" UTC)
string(TIMESTAMP KORI_DATUM_RFC "%a, %d %b %Y %H:%M:%S +0000" UTC)

set(paket_ordner ${CMAKE_CURRENT_BINARY_DIR}/paket)
configure_file(packaging/${KORI_ID}.metainfo.xml ${paket_ordner}/${KORI_ID}.metainfo.xml @ONLY)
configure_file(packaging/kori.1 ${paket_ordner}/kori.1 @ONLY)
configure_file(packaging/changelog ${paket_ordner}/changelog @ONLY)
# Debian wants both compressed, without a time stamp in the archive.
add_custom_command(OUTPUT ${paket_ordner}/kori.1.gz ${paket_ordner}/changelog.gz
    COMMAND gzip -9nkf ${paket_ordner}/kori.1 ${paket_ordner}/changelog
    DEPENDS ${paket_ordner}/kori.1 ${paket_ordner}/changelog
    VERBATIM)
add_custom_target(kori_paketdateien ALL DEPENDS ${paket_ordner}/kori.1.gz ${paket_ordner}/changelog.gz)

install(TARGETS kori RUNTIME DESTINATION bin)
install(TARGETS livevorschau fotowerkzeug LIBRARY DESTINATION ${KORI_BIBLIOTHEKSORDNER}/plugins)
install(FILES packaging/${KORI_ID}.desktop DESTINATION share/applications)
install(FILES packaging/kori.svg DESTINATION share/icons/hicolor/scalable/apps RENAME ${KORI_ID}.svg)
install(FILES ${paket_ordner}/${KORI_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${paket_ordner}/kori.1.gz DESTINATION share/man/man1)
install(FILES packaging/copyright ${paket_ordner}/changelog.gz DESTINATION share/doc/kori)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kori)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KORI_BETREUER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compose titles and HTML descriptions for Ebay listings")
# CPack puts the summary in front and indents each line itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "K.O.R.I helps private sellers prepare their articles for the Ebay marketplace:
from fields, pick lists and stored texts it builds the listing title and the
HTML description from a template, and saves each article. The user interface
is German.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries of our own that the program loads lie here, not in the system's library path.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_INSTALL_PREFIX}/${KORI_BIBLIOTHEKSORDNER}
    ${CMAKE_INSTALL_PREFIX}/${KORI_BIBLIOTHEKSORDNER}/plugins)
# Qt's own dialogs speak German only with these translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
include(CPack)
