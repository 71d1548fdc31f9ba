# `make package`: a Debian package of the installed program, made by CPack.
# The libraries the program links are found by dpkg-shlibdeps; what it loads
# at run time without linking (Qt's platform and SVG plugins, the fonts the
# sheet's picture is measured with, and the fonts that draw the scripts and
# emoji those lack) is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME jubilo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${JUBILO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plan a party and print the plan as a spreadsheet")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${JUBILO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6svg6, fonts-liberation, fonts-noto-core, fonts-noto-cjk, fonts-symbola")
# Qt's own dialogs in the user's language; Jubilo's texts are built in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# No maintainer scripts: the plan files' type (usr/share/mime/packages) and
# the desktop entry's MimeType reach the system's caches through the dpkg
# triggers of shared-mime-info and desktop-file-utils, which watch those
# folders.
# CPack puts the summary on the first line and this long description under
# it (CPack indents each line).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Jubilo plans a party: guests, music, decorations, incidentals, food and
drinks, other supplies, a preparation schedule and the activities at the
party, with five budgets and the party date. From the plan it builds a
formatted, printable one-sheet workbook in the Excel 97 format, shows a
picture of it and saves a copy. It carries its own spreadsheet engine, so
no office suite is needed.")

include(CPack)
