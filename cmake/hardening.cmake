# The hardening Debian's own packages are built with, as dpkg-buildflags
# reports it with hardening=+all: fortified string and I/O functions, the
# strong stack protector, position-independent executables and full RELRO.
# None of it changes what a program prints.
option(FILTERS_HARDEN "Build the programs with Debian's hardening flags" OFF)
if(FILTERS_HARDEN)
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_definitions(_FORTIFY_SOURCE=2)
  add_compile_options(-fstack-protector-strong -Wformat
    -Werror=format-security)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
