# Installation layout and the Debian package.
include(GNUInstallDirs)

# The desktop id names the launcher, the metadata and the icon. Set both to the project's own
# domain before a public release.
set(WENDLE_APP_ID "io.github.tasco.wendle" CACHE STRING "Reverse-DNS id of the desktop application")
set(WENDLE_HOMEPAGE "https://tasco.github.io/wendle" CACHE STRING "Home page named in the metadata")

set(pkg ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(packaging/wendle.desktop.in ${pkg}/${WENDLE_APP_ID}.desktop @ONLY)
configure_file(packaging/wendle.metainfo.xml.in ${pkg}/${WENDLE_APP_ID}.metainfo.xml @ONLY)

# The icon files come from the same drawing as the window's icon.
add_executable(make_icons tools/make_icons.cpp)
target_link_libraries(make_icons PRIVATE wendle_core wendle_warnings)
set(icon_sizes 16 32 48)
set(icon_files ${pkg}/wendle.svg)
foreach(size IN LISTS icon_sizes)
  list(APPEND icon_files ${pkg}/wendle-${size}.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND make_icons ${pkg} ${icon_sizes}
  DEPENDS make_icons
  COMMENT "Drawing the application icon")
add_custom_target(icons ALL DEPENDS ${icon_files})

# Debian wants compressed manual pages and changelogs, with no time stamp inside.
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${pkg}/wendle.1.gz ${pkg}/changelog.gz
  COMMAND ${GZIP} -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/packaging/wendle.1 > ${pkg}/wendle.1.gz
  COMMAND ${GZIP} -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog > ${pkg}/changelog.gz
  DEPENDS packaging/wendle.1 packaging/changelog)
add_custom_target(compressed_docs ALL DEPENDS ${pkg}/wendle.1.gz ${pkg}/changelog.gz)

install(TARGETS wendle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS wendle_preview LIBRARY DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/wendle)
install(FILES ${pkg}/${WENDLE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg}/${WENDLE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/wendle-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME wendle.xml)
foreach(size IN LISTS icon_sizes)
  set(dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size})
  install(FILES ${pkg}/wendle-${size}.png DESTINATION ${dir}/apps RENAME ${WENDLE_APP_ID}.png)
  install(FILES ${pkg}/wendle-${size}.png DESTINATION ${dir}/mimetypes
          RENAME application-x-wendle-project.png)
endforeach()
set(dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable)
install(FILES ${pkg}/wendle.svg DESTINATION ${dir}/apps RENAME ${WENDLE_APP_ID}.svg)
install(FILES ${pkg}/wendle.svg DESTINATION ${dir}/mimetypes RENAME application-x-wendle-project.svg)
install(FILES ${pkg}/wendle.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright ${pkg}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wendle)
install(FILES examples/template.html examples/welcome.wendle examples/markdown.wendle
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wendle/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wendle)
set(CPACK_PACKAGE_VENDOR Tasco)
set(CPACK_PACKAGE_CONTACT "Tasco <wendle@tasco.github.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make single HTML pages from a template")
set(CPACK_PACKAGE_DESCRIPTION
  "Wendle opens one window with a title field and a text field. Build puts\n\
the title and the text in place of the two %s markers of an HTML template\n\
and writes the page. The title, the text and the page's name can be kept\n\
in a small project file. Pages and projects are always saved whole.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${WENDLE_HOMEPAGE})
# Dependencies come from the libraries the binary links, not from a hand-kept list.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own catalogues translate the standard buttons and the file prompt, and a dictionary lets
# the spelling check underline (Enchant itself comes with the library the binary links). Recommended
# rather than required: apt installs recommendations by default, and without them Wendle still
# works, with those buttons in English and no word underlined.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, hunspell-en-us | hunspell-dictionary")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
