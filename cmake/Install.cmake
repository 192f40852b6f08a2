# What `cmake --install` lays out under the prefix:
#   <prefix>/lib/kestload/      the application folder: the program, its libraries,
#                               kestmech, the mechanism tables, the predefined loads,
#                               the icon, the pictures, the manual and the
#                               example projects (examples/)
#   <prefix>/bin/kestload       a link to the program
#   <prefix>/share/applications/kestload.desktop
#   <prefix>/share/mime/packages/kestload.xml          *.kestload files
#   <prefix>/share/icons/hicolor/256x256/{apps,mimetypes}/...
#   <prefix>/share/doc/kestload/Manual_KestLoad_ko.pdf  a link into the application folder
# The program finds its files beside itself (the link resolves to the folder).
set(KEST_INSTALL_APP_DIR lib/kestload)

install(TARGETS kestload kestmech RUNTIME DESTINATION ${KEST_INSTALL_APP_DIR})
install(TARGETS KestLoadLib Tarn_Kest LIBRARY DESTINATION ${KEST_INSTALL_APP_DIR})
install(FILES
    ${KEST_APP_DIR}/KestMechData.bin
    ${KEST_APP_DIR}/KestMechData_old.bin
    ${KEST_APP_DIR}/PredefLoad.xml
    ${KEST_APP_DIR}/KestLoadDt.ico
    ${KEST_APP_DIR}/KestLoadDt.png
    DESTINATION ${KEST_INSTALL_APP_DIR})
install(DIRECTORY ${KEST_APP_DIR}/Image ${KEST_APP_DIR}/manual ${KEST_APP_DIR}/examples
    DESTINATION ${KEST_INSTALL_APP_DIR})

set(KEST_SHARE_BUILD_DIR ${CMAKE_BINARY_DIR}/share)
install(FILES ${KEST_SHARE_BUILD_DIR}/applications/kestload.desktop DESTINATION share/applications)
install(FILES ${KEST_SHARE_BUILD_DIR}/mime/packages/kestload.xml DESTINATION share/mime/packages)
install(FILES ${KEST_SHARE_BUILD_DIR}/icons/hicolor/256x256/apps/kestload.png
    DESTINATION share/icons/hicolor/256x256/apps)
install(FILES ${KEST_SHARE_BUILD_DIR}/icons/hicolor/256x256/mimetypes/application-x-kestload.png
    DESTINATION share/icons/hicolor/256x256/mimetypes)

# Relative links, so that the tree works wherever it is unpacked.
install(CODE "
    set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    file(MAKE_DIRECTORY \"\${root}/bin\" \"\${root}/share/doc/kestload\")
    file(CREATE_LINK ../${KEST_INSTALL_APP_DIR}/kestload \"\${root}/bin/kestload\" SYMBOLIC)
    file(CREATE_LINK ../../../${KEST_INSTALL_APP_DIR}/manual/Manual_KestLoad_ko.pdf
         \"\${root}/share/doc/kestload/Manual_KestLoad_ko.pdf\" SYMBOLIC)
    message(STATUS \"Linking: \${root}/bin/kestload\")
")
