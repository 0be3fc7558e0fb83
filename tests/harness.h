// Byte-exact tests of stdin/stdout filters.
//
// A case is a name, the exact bytes written to the program's standard input
// and the exact bytes expected on its standard output.  The program runs as a
// child process (no shell); it must also leave stderr empty, exit 0 and
// finish within a time limit.
#pragma once

#include <chrono>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <sys/types.h>

using namespace std::literals;

struct Case {
	std::string_view name; // letters, digits and underscores: a test name
	std::string_view in;
	std::string_view out;
};

struct Outcome {
	std::string out, err;
	int status = -1; // exit status, or -signal when killed
	bool timed_out = false;
};

inline constexpr auto default_limit = 10s;

// The program under test, as built by CMake.
inline const char *const program = PROGRAM_PATH;

// Runs the program on the input and gathers everything it writes.
Outcome
run(std::string_view in, std::chrono::milliseconds limit = default_limit,
    const char *path = program);

// The bytes as a C string literal body: \n, \r, \t, \\, \" and a
// three-digit octal escape (\000, \377) for anything else outside printable
// ASCII, so a mismatch shows every byte.
std::string visible(std::string_view s);

// Checks one run: exact stdout, empty stderr, exit 0, in time.
void expect_run(const Outcome &r, std::string_view want);

// Runs the input and checks it as above.
void expect_filter(std::string_view in, std::string_view want,
    std::chrono::milliseconds limit = default_limit);

// A running child fed a piece at a time, for programs that promise to
// answer each case before reading the next.
struct Child {
	pid_t pid = -1;
	int in = -1, out = -1, err = -1;
	std::string got, errors;
};

Child start(const char *path = program);
// Writes more input; false when the program no longer reads.
bool send(Child &c, std::string_view bytes);
// Waits until the output so far is exactly `want`.  False on a timeout or
// as soon as the output can no longer become `want`.
bool await_output(Child &c, std::string_view want,
    std::chrono::milliseconds limit = 5s);
// Closes the input, collects the rest and waits for the exit.
Outcome finish(Child &c, std::chrono::milliseconds limit = default_limit);

// One step of a conversation: the bytes sent, then the whole output
// expected once the program has answered them.
struct Step {
	std::string_view send, output;
};

// Sends the steps one at a time, each only once the output of the one
// before has appeared in full, then closes the input and checks the run as
// expect_run does against `all`.  This shows that each answer is written
// before the next case is read: buffered answers never appear in time.
void expect_steps(std::initializer_list<Step> steps, std::string_view all);

// Table-driven tests: a table of cases becomes one named test per row.
struct FilterTest : testing::TestWithParam<Case> {};

std::string case_name(const testing::TestParamInfo<Case> &info);

// Print a case by name in gtest's messages.
inline void
PrintTo(const Case &c, std::ostream *os)
{
	*os << c.name;
}

#define FILTER_CASES(suite, table) \
	INSTANTIATE_TEST_SUITE_P(suite, FilterTest, testing::ValuesIn(table), \
	    case_name)
