// The programs of this build, one {name, path} row each, for the tests that
// run every one of them.  CMake writes the rows from its list of programs.
#pragma once

#include <ostream>
#include <string_view>

struct Built {
	std::string_view name;
	const char *path;
};

inline const Built built[] = {
#include "programs.inc"
};

inline void
PrintTo(const Built &b, std::ostream *os)
{
	*os << b.name;
}
