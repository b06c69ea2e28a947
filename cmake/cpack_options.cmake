# Read by cpack for each package kind. The ZIP unpacks into a folder named after the
# package; the installer puts the files straight into the folder the user chose.
if(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
