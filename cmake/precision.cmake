# Several programs carry intermediates in long double and rely on it having
# the 64-bit significand of the x87 extended format; a narrower long double
# would silently change printed results, so refuse to build at all.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles("
  #include <limits>
  static_assert(std::numeric_limits<long double>::digits >= 64);
  int main() { return 0; }
" FILTERS_LONG_DOUBLE_64)
if(NOT FILTERS_LONG_DOUBLE_64)
  message(FATAL_ERROR
    "long double on this platform has fewer than 64 significand bits. "
    "These programs need the 80-bit extended format (as on x86-64 Linux) "
    "to reproduce their results exactly.")
endif()
