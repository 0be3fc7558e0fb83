#include "harness.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using clock_type = std::chrono::steady_clock;

// A child that exits before reading all its input must not kill the test
// with SIGPIPE; the write then fails with EPIPE instead.
// The standard descriptors must be open, or pipe() could hand out 0, 1 or
// 2 and the child's redirections would close its own ends.
[[maybe_unused]] const bool process_ready = [] {
	signal(SIGPIPE, SIG_IGN);
	for (int fd = 0; fd <= 2; fd++)
		if (fcntl(fd, F_GETFD) < 0)
			open("/dev/null", O_RDWR);
	return true;
}();

void
nonblocking(int fd)
{
	fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
	fcntl(fd, F_SETFD, FD_CLOEXEC);
}

void
close_fd(int &fd)
{
	if (fd >= 0)
		close(fd);
	fd = -1;
}

// Reads what is there without blocking; closes fd at end of file.
void
drain(int &fd, std::string &to)
{
	char buf[65536];
	for (;;) {
		ssize_t n = read(fd, buf, sizeof buf);
		if (n > 0) {
			to.append(buf, n);
			continue;
		}
		if (n == 0 || (errno != EAGAIN && errno != EINTR))
			close_fd(fd);
		return;
	}
}

// Moves bytes between the child and the buffers until `done` holds, both
// output pipes are closed, or the deadline passes.  Returns false on a
// timeout.  `pending` is written to the child's stdin as it accepts it;
// with `close_after` its stdin is closed once everything is written.
template <class Done>
bool
pump(Child &c, std::string_view &pending, bool close_after,
    clock_type::time_point deadline, Done done)
{
	for (;;) {
		if (pending.empty() && close_after)
			close_fd(c.in);
		if (done() || (c.out < 0 && c.err < 0))
			return true;
		auto left =
		    std::chrono::duration_cast<std::chrono::milliseconds>(
		        deadline - clock_type::now())
		        .count();
		if (left <= 0)
			return false;

		pollfd fds[3];
		int nfds = 0;
		if (c.out >= 0)
			fds[nfds++] = {c.out, POLLIN, 0};
		if (c.err >= 0)
			fds[nfds++] = {c.err, POLLIN, 0};
		if (c.in >= 0 && !pending.empty())
			fds[nfds++] = {c.in, POLLOUT, 0};
		if (poll(fds, nfds, static_cast<int>(left)) < 0 &&
		    errno != EINTR)
			return false;

		if (c.out >= 0)
			drain(c.out, c.got);
		if (c.err >= 0)
			drain(c.err, c.errors);
		while (c.in >= 0 && !pending.empty()) {
			ssize_t n = write(c.in, pending.data(), pending.size());
			if (n > 0) {
				pending.remove_prefix(n);
			} else if (n < 0 && errno == EPIPE) {
				// The program has stopped reading: the rest is unread.
				pending = {};
				close_fd(c.in);
			} else {
				break;
			}
		}
	}
}

// Reaps the child, killing it first when asked to or when it has not
// exited by the deadline (it may close its outputs and go on running).
// Sets timed_out when the deadline passed.
int
wait_status(pid_t pid, bool kill_it, clock_type::time_point deadline,
    bool &timed_out)
{
	int st = 0;
	pid_t got = 0;
	if (!kill_it) {
		while ((got = waitpid(pid, &st, WNOHANG)) == 0 &&
		    clock_type::now() < deadline)
			usleep(1000);
		if (got == 0)
			timed_out = true;
	}
	if (got == 0 || kill_it) {
		kill(pid, SIGKILL);
		while ((got = waitpid(pid, &st, 0)) < 0 && errno == EINTR)
			;
	}
	if (got < 0)
		return -1;
	if (WIFEXITED(st))
		return WEXITSTATUS(st);
	return WIFSIGNALED(st) ? -WTERMSIG(st) : -1;
}

} // namespace

Child
start(const char *path)
{
	int in[2], out[2], err[2];
	if (pipe(in) < 0 || pipe(out) < 0 || pipe(err) < 0)
		throw std::runtime_error("pipe: "s + strerror(errno));
	Child c;
	c.pid = fork();
	if (c.pid < 0)
		throw std::runtime_error("fork: "s + strerror(errno));
	if (c.pid == 0) {
		dup2(in[0], 0);
		dup2(out[1], 1);
		dup2(err[1], 2);
		for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
			close(fd);
		char *argv[] = {const_cast<char *>(path), nullptr};
		execv(path, argv);
		dprintf(2, "cannot run %s: %s\n", path, strerror(errno));
		_exit(127);
	}
	close(in[0]);
	close(out[1]);
	close(err[1]);
	c.in = in[1];
	c.out = out[0];
	c.err = err[0];
	for (int fd : {c.in, c.out, c.err})
		nonblocking(fd);
	return c;
}

bool
send(Child &c, std::string_view bytes)
{
	// Waits for the bytes to be taken, not for any answer; the deadline
	// only guards against a program that stopped reading.
	auto deadline = clock_type::now() + default_limit;
	pump(c, bytes, false, deadline, [&] { return bytes.empty(); });
	return bytes.empty() && c.in >= 0;
}

bool
await_output(Child &c, std::string_view want, std::chrono::milliseconds limit)
{
	std::string_view nothing;
	auto deadline = clock_type::now() + limit;
	pump(c, nothing, false, deadline, [&] {
		return c.got.size() >= want.size() ||
		    std::string_view(c.got) != want.substr(0, c.got.size());
	});
	return c.got == want;
}

Outcome
finish(Child &c, std::chrono::milliseconds limit)
{
	std::string_view nothing;
	Outcome r;
	auto deadline = clock_type::now() + limit;
	r.timed_out = !pump(c, nothing, true, deadline, [] { return false; });
	r.status = wait_status(c.pid, r.timed_out, deadline, r.timed_out);
	close_fd(c.in);
	close_fd(c.out);
	close_fd(c.err);
	r.out = std::move(c.got);
	r.err = std::move(c.errors);
	return r;
}

Outcome
run(std::string_view in, std::chrono::milliseconds limit, const char *path)
{
	Child c = start(path);
	auto deadline = clock_type::now() + limit;
	bool in_time = pump(c, in, true, deadline, [] { return false; });
	auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
	    deadline - clock_type::now());
	Outcome r = finish(c, in_time ? std::max(left, 1ms) : 0ms);
	r.timed_out = r.timed_out || !in_time;
	return r;
}

std::string
visible(std::string_view s)
{
	std::string v;
	for (unsigned char ch : s) {
		switch (ch) {
		case '\n': v += "\\n"; break;
		case '\r': v += "\\r"; break;
		case '\t': v += "\\t"; break;
		case '\\': v += "\\\\"; break;
		case '"': v += "\\\""; break;
		default:
			if (ch >= 32 && ch < 127) {
				v += static_cast<char>(ch);
			} else {
				// Three octal digits: unambiguous whatever follows.
				char oct[5];
				snprintf(oct, sizeof oct, "\\%03o", ch);
				v += oct;
			}
		}
	}
	return v;
}

void
expect_run(const Outcome &r, std::string_view want)
{
	EXPECT_FALSE(r.timed_out) << "did not finish in time";
	EXPECT_EQ(r.status, 0) << "exit status";
	EXPECT_EQ(r.err, "") << "stderr: \"" << visible(r.err) << '"';
	if (r.out != want) {
		size_t at = 0;
		while (at < r.out.size() && at < want.size() &&
		    r.out[at] == want[at])
			at++;
		ADD_FAILURE() << "stdout differs at byte " << at << "\n"
		              << "  expected (" << want.size() << " bytes): \""
		              << visible(want) << "\"\n"
		              << "  actual   (" << r.out.size() << " bytes): \""
		              << visible(r.out) << '"';
	}
}

void
expect_filter(std::string_view in, std::string_view want,
    std::chrono::milliseconds limit)
{
	expect_run(run(in, limit), want);
}

void
expect_steps(std::initializer_list<Step> steps, std::string_view all)
{
	Child c = start();
	for (const Step &s : steps) {
		if (!send(c, s.send)) {
			ADD_FAILURE() << "the program stopped reading before \""
			              << visible(s.send) << '"';
			break;
		}
		EXPECT_TRUE(await_output(c, s.output))
		    << "after sending \"" << visible(s.send) << "\"\n"
		    << "  expected \"" << visible(s.output) << "\"\n"
		    << "  got      \"" << visible(c.got) << '"';
	}
	expect_run(finish(c), all);
}

std::string
case_name(const testing::TestParamInfo<Case> &info)
{
	return std::string(info.param.name);
}

TEST_P(FilterTest, Output)
{
	expect_filter(GetParam().in, GetParam().out);
}

// A filter test suite may instantiate FilterTest or not.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FilterTest);
