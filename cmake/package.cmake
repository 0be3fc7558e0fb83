# `cpack` in a build directory makes a Debian package and a tarball of the
# ten programs and their manual pages.  The version is the project's.
set(CPACK_PACKAGE_NAME "ten-filters")
set(CPACK_PACKAGE_VENDOR "ten-filters")
set(CPACK_PACKAGE_CONTACT "ten-filters maintainers <maintainers@ten-filters.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ten small batch filters for standard input")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Ten small, independent command-line filters, each reading cases from standard\n"
  "input and writing one answer per case: square-sum pegs, word values, prime\n"
  "shares, binomial digit counts, factorial digit sums, trip distances, keyboard\n"
  "shift repair, word lengths, sound codes and binary tree counts.")
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
