// A failed read or write of the standard streams, for every program of the
// build: one line on stderr naming the program and the reason, exit status
// 1, never a quiet success.  A reader that goes away with SIGPIPE at its
// default ends the program quietly, by that signal, as it ends other
// filters.
#include "harness.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Built {
	std::string_view name;
	const char *path;
};
const Built built[] = {
#include "hostile_programs.inc"
};

void PrintTo(const Built &b, std::ostream *os) { *os << b.name; }

// A small valid input for each program, with at least one answer, so that
// the program has something to write.
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

std::string_view input_of(std::string_view name)
{
	for (auto &i : inputs)
		if (i.name == name)
			return i.in;
	return {};
}

// Where the program's standard streams lead.
enum class In { file, directory, closed };
enum class Out { devfull, closed, broken_pipe };

struct Ended {
	int status = -1;	// exit status, or -signal
	std::string err;
};

// Runs the program on `in` (through a file) with its output led as asked;
// stderr is collected.  SIGPIPE is ignored in the child unless
// `sigpipe_default`, as the test process itself ignores it.
Ended run_with(const char *path, std::string_view in, In inmode, Out outmode,
    bool sigpipe_default = false)
{
	Ended e;
	char name[] = "/tmp/iofail-XXXXXX";
	int infd = -1;
	if (inmode == In::file) {
		infd = mkstemp(name);
		if (infd < 0 || write(infd, in.data(), in.size()) !=
		    static_cast<ssize_t>(in.size()))
			return e;
		unlink(name);
		lseek(infd, 0, SEEK_SET);
	} else if (inmode == In::directory) {
		infd = open("/", O_RDONLY | O_DIRECTORY);
	}
	int outfd = -1, gone[2] = {-1, -1}, err[2];
	if (outmode == Out::devfull)
		outfd = open("/dev/full", O_WRONLY);
	if (outmode == Out::broken_pipe) {
		if (pipe(gone) != 0)
			return e;
		close(gone[0]);	// the reader has gone away
		outfd = gone[1];
	}
	if (pipe(err) != 0)
		return e;

	pid_t pid = fork();
	if (pid == 0) {
		signal(SIGPIPE, sigpipe_default ? SIG_DFL : SIG_IGN);
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
	while ((n = read(err[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))
		if (n > 0)
			e.err.append(buf, static_cast<size_t>(n));
	close(err[0]);
	int st;
	while (waitpid(pid, &st, 0) < 0 && errno == EINTR)
		;
	e.status = WIFEXITED(st) ? WEXITSTATUS(st) : -WTERMSIG(st);
	return e;
}

struct IoFailure : testing::TestWithParam<Built> {
	void SetUp() override
	{
		if (input_of(GetParam().name).empty())
			FAIL() << "no input for " << GetParam().name
			       << ": add one to the table of inputs";
	}
};

// The expected line: the program's name, what failed, the system's reason.
std::string line(const Built &b, const char *what, const char *reason)
{
	return std::string(b.name) + ": " + what + " error: " + reason + "\n";
}

TEST_P(IoFailure, FullDiskIsAWriteError)
{
	const Built &b = GetParam();
	Ended e = run_with(b.path, input_of(b.name), In::file, Out::devfull);
	EXPECT_EQ(e.status, 1);
	EXPECT_EQ(e.err, line(b, "write", "No space left on device"));
}

TEST_P(IoFailure, ClosedOutputIsAWriteError)
{
	const Built &b = GetParam();
	Ended e = run_with(b.path, input_of(b.name), In::file, Out::closed);
	EXPECT_EQ(e.status, 1);
	EXPECT_EQ(e.err, line(b, "write", "Bad file descriptor"));
}

TEST_P(IoFailure, GoneReaderIsAWriteErrorWithSigpipeIgnored)
{
	const Built &b = GetParam();
	Ended e = run_with(b.path, input_of(b.name), In::file, Out::broken_pipe);
	EXPECT_EQ(e.status, 1);
	EXPECT_EQ(e.err, line(b, "write", "Broken pipe"));
}

// The default action stays: the program ends by SIGPIPE and says nothing.
TEST_P(IoFailure, GoneReaderEndsQuietlyWithSigpipeDefault)
{
	const Built &b = GetParam();
	Ended e = run_with(b.path, input_of(b.name), In::file, Out::broken_pipe,
	    true);
	EXPECT_EQ(e.status, -SIGPIPE);
	EXPECT_EQ(e.err, "");
}

TEST_P(IoFailure, DirectoryAsInputIsAReadError)
{
	const Built &b = GetParam();
	Ended e = run_with(b.path, "", In::directory, Out::devfull);
	EXPECT_EQ(e.status, 1);
	EXPECT_EQ(e.err, line(b, "read", "Is a directory"));
}

TEST_P(IoFailure, ClosedInputIsAReadError)
{
	const Built &b = GetParam();
	Ended e = run_with(b.path, "", In::closed, Out::devfull);
	EXPECT_EQ(e.status, 1);
	EXPECT_EQ(e.err, line(b, "read", "Bad file descriptor"));
}

INSTANTIATE_TEST_SUITE_P(IoFailure, IoFailure, testing::ValuesIn(built),
    [](const testing::TestParamInfo<Built> &info) {
	    return std::string(info.param.name);
    });

}  // namespace
