# Installed places that other programs look for by name, shared by the install rules and the
# code that names them to the user.
include(GNUInstallDirs)

# udev reads package rules from <prefix>/lib/udev/rules.d, never from a multiarch lib folder.
set(RADIOPROG_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
    "Folder of the cable rule, relative to the install prefix or absolute")
# The uaccess tag must be set before udev's seat rules (71-seat, 73-seat-late) run.
set(RADIOPROG_CABLE_RULE_NAME 70-radioprog-cables.rules)
if(IS_ABSOLUTE "${RADIOPROG_UDEV_RULES_DIR}")
    set(RADIOPROG_CABLE_RULE "${RADIOPROG_UDEV_RULES_DIR}/${RADIOPROG_CABLE_RULE_NAME}")
else()
    set(RADIOPROG_CABLE_RULE
        "${CMAKE_INSTALL_PREFIX}/${RADIOPROG_UDEV_RULES_DIR}/${RADIOPROG_CABLE_RULE_NAME}")
endif()
