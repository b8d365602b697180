# The Debian package: `cpack` in a build folder writes korvel_<version>_amd64.deb, its
# version the project's. Its library dependencies come from dpkg-shlibdeps, which reads
# what the installed program links; only what Qt loads at run time is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvel)
set(CPACK_PACKAGE_VENDOR "Korvel developers")
set(CPACK_PACKAGE_CONTACT "Korvel developers <korvel@users.noreply.github.com>")
# Debian's long description: lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Korvel opens a picture and lets you draw rectangle, circle and polygon areas"
  "on it, give each a URL and an alt text, and writes the <map> element for a"
  "web page. It also saves maps as web pages and opens maps from any web page.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# WebP pictures are read by a Qt image-format plugin, loaded when a picture is opened,
# so no linked library brings it in. (JPEG, GIF and the platform plugins come with
# libqt6gui6; the SVG pictures are drawn by the linked libqt6svg6.)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins")
# Native Wayland windows; without it Qt falls back to X11 through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_STRIP_FILES ON)
# Checked when cpack runs: without dpkg-shlibdeps the package would lose its dependencies.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageCheck.cmake)
include(CPack)
