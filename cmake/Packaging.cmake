# What `cmake --install` lays out and `make package` (CPack) puts in the .deb:
# the two programs, the menu entry, its icon, the AppStream metainfo, the man
# pages and the udev rule. The simulated device is a test tool: not installed.
include(GNUInstallDirs)

set(VELOMI_APP_ID com.calvorn.Velomi)
# The metainfo's release: set the date with each new project(VERSION).
set(VELOMI_RELEASE_DATE 2026-12-09)
set(VELOMI_HOMEPAGE "https://www.calvorn.com/velomi" CACHE STRING
  "The tool's web page, named by the metainfo and the package")
set(VELOMI_SCREENSHOT_URL "${VELOMI_HOMEPAGE}/screenshot.png" CACHE STRING
  "Where software centres fetch the screenshot (docs/screenshot.png) from")
set(VELOMI_PACKAGE_MAINTAINER "Calvorn Velomi Team <velomi@calvorn.com>" CACHE STRING
  "The .deb's maintainer: Name <address>")
set(VELOMI_USB_VENDOR_ID "" CACHE STRING
  "The device's USB vendor ID (four hex digits, as udevadm info shows it) for the udev rule")
set(VELOMI_USB_PRODUCT_ID "" CACHE STRING
  "The device's USB product ID (four hex digits) for the udev rule")

set(VELOMI_DATA_OUT ${PROJECT_BINARY_DIR}/data)
configure_file(data/metainfo/${VELOMI_APP_ID}.metainfo.xml.in
  ${VELOMI_DATA_OUT}/${VELOMI_APP_ID}.metainfo.xml @ONLY)

# The udev rule matches the device by its USB IDs, which we do not know: the
# installer gives them. Without them the rule is installed switched off (its
# lines commented out, the placeholders left), with a note on how to switch it
# on. Only the two placeholders are replaced: the comments stay as written.
set(udev_template ${PROJECT_SOURCE_DIR}/data/udev/70-velomi.rules.in)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${udev_template})
file(READ ${udev_template} udev_rule)
foreach(id VELOMI_USB_VENDOR_ID VELOMI_USB_PRODUCT_ID)
  if(NOT "${${id}}" STREQUAL "" AND NOT "${${id}}" MATCHES "^[0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F]$")
    message(FATAL_ERROR "${id} is four hex digits (e.g. 1a86), not \"${${id}}\"")
  endif()
endforeach()
if(NOT "${VELOMI_USB_VENDOR_ID}" STREQUAL "" AND NOT "${VELOMI_USB_PRODUCT_ID}" STREQUAL "")
  foreach(id VELOMI_USB_VENDOR_ID VELOMI_USB_PRODUCT_ID)
    string(TOLOWER "${${id}}" value)
    string(REPLACE "@${id}@" "${value}" udev_rule "${udev_rule}")
  endforeach()
elseif(NOT "${VELOMI_USB_VENDOR_ID}${VELOMI_USB_PRODUCT_ID}" STREQUAL "")
  message(FATAL_ERROR "The udev rule needs both VELOMI_USB_VENDOR_ID and VELOMI_USB_PRODUCT_ID")
else()
  string(REGEX REPLACE "\n([^#\n][^\n]*@VELOMI_USB_(VENDOR|PRODUCT)_ID@)" "\n#\\1"
    udev_rule "\n${udev_rule}")
  string(REGEX REPLACE "^\n" "" udev_rule "${udev_rule}")
  set(udev_rule "\
# THIS RULE IS OFF: no USB IDs were given when the tool was built, so its
# lines (below, with @VELOMI_USB_VENDOR_ID@ and @VELOMI_USB_PRODUCT_ID@) are
# commented out. To switch it on, copy this file to /etc/udev/rules.d/ (a file
# there overrides this one), in the copy put the device's IDs in place of the
# two placeholders, remove the '#' before those lines, and run:
#   sudo udevadm control --reload && sudo udevadm trigger
# Or build with -DVELOMI_USB_VENDOR_ID=xxxx -DVELOMI_USB_PRODUCT_ID=yyyy.
#
${udev_rule}")
endif()
file(GENERATE OUTPUT ${VELOMI_DATA_OUT}/70-velomi.rules CONTENT "${udev_rule}")

install(TARGETS velomi velomi-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/desktop/${VELOMI_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
  FILES_MATCHING PATTERN "*.png" PATTERN "*.svg")
install(FILES ${VELOMI_DATA_OUT}/${VELOMI_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/man/velomi.1 data/man/velomi-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# udev reads /usr/lib/udev/rules.d, not /usr/local: a source install under
# /usr/local copies the rule to /etc/udev/rules.d by hand (README).
install(FILES ${VELOMI_DATA_OUT}/70-velomi.rules DESTINATION lib/udev/rules.d)

# cpack (and `make install`) packs what is built and builds nothing itself:
# `make package` builds first, and the package test does not rebuild the tree.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velomi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Calvorn)
set(CPACK_PACKAGE_CONTACT "${VELOMI_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure wearable emergency-alarm devices over USB")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Velomi Tool is the desktop program a technician uses to configure a wearable
emergency-alarm device (GSM modem, GPS, radio accessory sensors) over its USB
serial port: it reads the whole configuration, writes it back page by page or
all at once, keeps profiles and backups, runs maintenance commands, manages
the paired sensors and upgrades the firmware. velomi-cli does the same from
the command line, several devices at once.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELOMI_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELOMI_HOMEPAGE}")
# The libraries come from the binaries; the X11 platform plugin the window
# needs is only a recommendation of Qt's, which --no-install-recommends skips.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own texts (Yes, No, Cancel, the file dialog) in the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
