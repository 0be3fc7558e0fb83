// A failed read or write of the standard streams, for every program of the
// build: one line on stderr naming the program and the reason, exit status
// 1, never a quiet success.  A reader that goes away with SIGPIPE at its
// default ends the program quietly, by that signal, as it ends other
// filters.
#include "harness.h"
#include "programs.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A small valid input for each program, with at least one answer, so that
// the program has something to write.
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const struct {
	std::string_view name, in;
} inputs[] = {
	{"squarepegs", "3\n1 4 50\n"},
	{"wordvalue", "1 1\napple 10\napple .\n"},
	{"primeshare", "0 39\n"},
	{"binomdigits", "10 5\n"},
	{"factdigits", "10\n"},
	{"tripspeed", "7:0:0\n"},
	{"keyshift", "Jdut 9\n"},
	{"wordlengths", "Go on.\n#\n"},
	{"soundcode", "WASHCLOTH\n"},
	{"treecount", "42\n"},
};
// clang-format on

std::string_view
input_of(std::string_view name)
{
	for (auto &i : inputs)
		if (i.name == name)
			return i.in;
	return {};
}

// Where the program's standard streams lead.
enum class In { file, directory, closed };
enum class Out { devfull, closed, gone_reader };

// One way for the streams to fail, and how the program must end: exit
// status 1 and the line "NAME: WHAT error: REASON", or killed by SIGPIPE
// without a word where that signal keeps its default action.
struct Failure {
	std::string_view name;
	In in;
	Out out;
	bool sigpipe_default;
	int status; // exit status, or -signal
	const char *what, *reason;
};

// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Failure failures[] = {
	{"FullDisk", In::file, Out::devfull, false, 1, "write",
	    "No space left on device"},
	{"ClosedOutput", In::file, Out::closed, false, 1, "write",
	    "Bad file descriptor"},
	{"GoneReaderSigpipeIgnored", In::file, Out::gone_reader, false, 1,
	    "write", "Broken pipe"},
	{"GoneReaderSigpipeDefault", In::file, Out::gone_reader, true,
	    -SIGPIPE, nullptr, nullptr},
	{"DirectoryAsInput", In::directory, Out::devfull, false, 1, "read",
	    "Is a directory"},
	{"ClosedInput", In::closed, Out::devfull, false, 1, "read",
	    "Bad file descriptor"},
};
// clang-format on

void
PrintTo(const Failure &f, std::ostream *os)
{
	*os << f.name;
}

struct Ended {
	int status = -1; // exit status, or -signal
	std::string err;
};

// Runs the program on `in` (through a file) with its streams led as `f`
// says; stderr is collected.
Ended
run_with(const char *path, std::string_view in, const Failure &f)
{
	Ended e;
	char name[] = "/tmp/iofail-XXXXXX";
	int infd = -1;
	if (f.in == In::file) {
		infd = mkstemp(name);
		if (infd < 0 ||
		    write(infd, in.data(), in.size()) !=
		        static_cast<ssize_t>(in.size()))
			return e;
		unlink(name);
		lseek(infd, 0, SEEK_SET);
	} else if (f.in == In::directory) {
		infd = open("/", O_RDONLY | O_DIRECTORY);
	}
	int outfd = -1, gone[2] = {-1, -1}, err[2];
	if (f.out == Out::devfull)
		outfd = open("/dev/full", O_WRONLY);
	if (f.out == Out::gone_reader) {
		if (pipe(gone) != 0)
			return e;
		close(gone[0]); // the reader has gone away
		outfd = gone[1];
	}
	if (pipe(err) != 0)
		return e;

	pid_t pid = fork();
	if (pid == 0) {
		// The test process ignores SIGPIPE, and children inherit that.
		signal(SIGPIPE, f.sigpipe_default ? SIG_DFL : SIG_IGN);
		dup2(err[1], 2);
		if (infd >= 0)
			dup2(infd, 0);
		else
			close(0);
		if (outfd >= 0)
			dup2(outfd, 1);
		else
			close(1);
		for (int fd = 3; fd < 64; fd++)
			close(fd);
		execl(path, path, static_cast<char *>(nullptr));
		_exit(127);
	}
	close(err[1]);
	for (int fd : {infd, outfd})
		if (fd >= 0)
			close(fd);
	char buf[4096];
	ssize_t n;
	while ((n = read(err[0], buf, sizeof buf)) > 0 ||
	    (n < 0 && errno == EINTR))
		if (n > 0)
			e.err.append(buf, static_cast<size_t>(n));
	close(err[0]);
	int st;
	while (waitpid(pid, &st, 0) < 0 && errno == EINTR)
		;
	e.status = WIFEXITED(st) ? WEXITSTATUS(st) : -WTERMSIG(st);
	return e;
}

struct IoFailure : testing::TestWithParam<std::tuple<Built, Failure>> {};

TEST_P(IoFailure, EndsAsItMust)
{
	auto [b, f] = GetParam();
	std::string_view in = input_of(b.name);
	ASSERT_FALSE(in.empty())
	    << "no input for " << b.name << ": add one to the table of inputs";
	Ended e = run_with(b.path, in, f);
	EXPECT_EQ(e.status, f.status);
	std::string line;
	if (f.what != nullptr)
		line = std::string(b.name) + ": " + f.what +
		    " error: " + f.reason + "\n";
	EXPECT_EQ(e.err, line);
}

INSTANTIATE_TEST_SUITE_P(IoFailure, IoFailure,
    testing::Combine(testing::ValuesIn(built), testing::ValuesIn(failures)),
    [](const testing::TestParamInfo<std::tuple<Built, Failure>> &info) {
	    return std::string(std::get<1>(info.param).name) + "_" +
	        std::string(std::get<0>(info.param).name);
    });

} // namespace
