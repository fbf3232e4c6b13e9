# The Debian package, made by CPack from the install rules:
#   cpack -G DEB        (in the build folder)
# It installs under CMAKE_INSTALL_PREFIX, the folder the program and its
# manual were built to expect, so configure a build for a package with
# -DCMAKE_INSTALL_PREFIX=/usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumbra)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "board game: roll balls into rows of five before the board fills up")
set(CPACK_PACKAGE_DESCRIPTION [=[
Lumbra is a board game for one player. Balls of seven colours lie on a
board of nine by nine squares; click a ball, then an empty square, and the
ball rolls there along the shortest free path. Five or more balls of one
colour in a row vanish and score. Every move that completes no row drops
three new balls, so the board fills up; the game is over when it is full.
Jokers stand in for any colour, and dynamite bars blow up every other ball
of their row's colour.

Two game modes each keep a hall of fame, and scores can be compared with the
internet high-score page and posted to it by mail.]=])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Lumbra developers <${LUMBRA_CONTACT_ADDRESS}>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LUMBRA_WEB_SITE}")
# dpkg-shlibdeps finds the libraries the program links: Qt's core, widgets,
# multimedia and network, libcurl. Qt's window-system plugin (xcb) and the
# icon reader come with libqt6gui6, which that pulls in; the sounds go through
# PulseAudio, which libqt6multimedia6 links itself, so no GStreamer plugin
# is needed. Without a sound server the game is silent, hence the hint.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio")

include(CPack)
