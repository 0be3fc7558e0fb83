// The harness checks itself, with /bin/sh as the program: sh reads its
// script from standard input, so each input is a small misbehaving filter.
#include "harness.h"

const char *const sh = program; // /bin/sh

TEST(Harness, PassesOutputThroughExactly)
{
	Outcome r = run("printf 'a\\000b\\r\\n'", 5s, sh);
	EXPECT_FALSE(r.timed_out);
	EXPECT_EQ(r.status, 0);
	EXPECT_EQ(r.out, "a\0b\r\n"sv);
	EXPECT_EQ(r.err, "");
}

TEST(Harness, SeesStatusStderrAndSignals)
{
	EXPECT_EQ(run("exit 3", 5s, sh).status, 3);
	EXPECT_EQ(run("echo oops >&2", 5s, sh).err, "oops\n");
	EXPECT_EQ(run("kill -SEGV $$", 5s, sh).status, -SIGSEGV);
}

TEST(Harness, TimesOutAHang)
{
	Outcome r = run("exec sleep 30", 300ms, sh);
	EXPECT_TRUE(r.timed_out);
	EXPECT_EQ(r.status, -SIGKILL);
}

// A program that closes its outputs and goes on running still hangs.
TEST(Harness, TimesOutAHangAfterClosedOutputs)
{
	auto t0 = std::chrono::steady_clock::now();
	Outcome r = run("exec >&- 2>&-; exec sleep 30", 300ms, sh);
	EXPECT_TRUE(r.timed_out);
	EXPECT_LT(std::chrono::steady_clock::now() - t0, 5s);
}

// A program that stops reading early must not kill the test or hang it.
TEST(Harness, SurvivesAProgramThatStopsReading)
{
	std::string in = "echo done; exit 0\n" + std::string(4 << 20, '#');
	Outcome r = run(in, 5s, sh);
	EXPECT_FALSE(r.timed_out);
	EXPECT_EQ(r.out, "done\n");
}

TEST(Harness, VisibleIsUnambiguous)
{
	EXPECT_EQ(visible("a\0"
	                  "1\x01"
	                  "a\xff\n\t\r\\\""sv),
	    "a\\0001\\001a\\377\\n\\t\\r\\\\\\\"");
}

TEST(Harness, AwaitOutputGivesUpOnAMismatch)
{
	Child c = start(sh);
	ASSERT_TRUE(send(c, "echo yes\n"));
	auto t0 = std::chrono::steady_clock::now();
	EXPECT_FALSE(await_output(c, "no\n", 5s));
	EXPECT_LT(std::chrono::steady_clock::now() - t0, 4s);
	EXPECT_EQ(finish(c).out, "yes\n");
}
