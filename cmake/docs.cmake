# The toolkit's API reference: `cmake --build <dir> --target docs` writes <dir>/docs/html
# from toolkit/vu.h with Doxygen (Debian package doxygen). It fails when a public function
# of vu.h has no comment above its declaration (tools/header_comments.py; ctest runs the
# same check).
find_package(Python3 COMPONENTS Interpreter)
find_program(VU_DOXYGEN doxygen)

set(VU_HEADER_COMMENTS ${PROJECT_SOURCE_DIR}/tools/header_comments.py)
set(VU_DOCS_DIR ${PROJECT_BINARY_DIR}/docs)

if(Python3_Interpreter_FOUND AND VU_DOXYGEN)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/Doxyfile.in ${VU_DOCS_DIR}/Doxyfile @ONLY)
  add_custom_target(docs
    COMMAND ${Python3_EXECUTABLE} ${VU_HEADER_COMMENTS} check ${PROJECT_SOURCE_DIR}/toolkit/vu.h
    COMMAND ${VU_DOXYGEN} ${VU_DOCS_DIR}/Doxyfile
    COMMAND ${CMAKE_COMMAND} -E echo "API reference: ${VU_DOCS_DIR}/html/index.html"
    WORKING_DIRECTORY ${VU_DOCS_DIR}
    DEPENDS ${PROJECT_SOURCE_DIR}/toolkit/vu.h ${VU_HEADER_COMMENTS}
    COMMENT "Checking the header's comments and writing the API reference"
    VERBATIM)
else()
  add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -E echo "docs: needs doxygen and python3 (scripts/deps.sh installs them)"
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
endif()
