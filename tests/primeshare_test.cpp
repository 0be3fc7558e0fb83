#include "harness.h"

#include <cstdio>

#define main prog_main
#include "primeshare/primeshare.cpp"
#undef main

// Expected values: the worked example, and flag counts checked against the
// trial-division recount in FlagsFollowTheRule.
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Case cases[] = {
	{"worked_example", "0 39\n0 40\n40 49\n0 9999\n172 331\n"sv,
	    "100.00\n97.56\n60.00\n41.49\n58.12\n"sv},
	{"exact_tie_rounds_to_even", "172 331\n"sv, "58.12\n"sv},
	{"one_number_flagged", "0 0\n"sv, "100.00\n"sv},
	{"one_number_unflagged", "40 40\n"sv, "0.00\n"sv},
	{"last_ten_of_table", "9990 9999\n"sv, "50.00\n"sv},
	{"second_thousand", "1000 1999\n"sv, "44.00\n"sv},
	{"layout_does_not_matter", "0\n39\t0\r\n\n 40"sv, "100.00\n97.56\n"sv},
	{"signs_and_leading_zeros", "+0 000000000000000039 -0 +40\n"sv,
	    "100.00\n97.56\n"sv},

	// input that ends early: the pairs before it, nothing more
	{"empty_input", ""sv, ""sv},
	{"only_whitespace", " \n\t\n"sv, ""sv},
	{"lone_last_number_dropped", "5 7 9\n"sv, "100.00\n"sv},
	{"non_number_ends_run", "1 2 x 3 4\n"sv, "100.00\n"sv},
	{"non_number_second_of_pair", "0 39 40 x\n"sv, "100.00\n"sv},
	{"sign_without_digits", "0 39 - 5 6\n"sv, "100.00\n"sv},
	{"hex_is_zero_then_word", "0x10 39\n"sv, ""sv},
	{"nul_byte_ends", "0 39\0 0 40\n"sv, "100.00\n"sv},
	{"high_bytes_end", "0 39 \xff 0 40\n"sv, "100.00\n"sv},
	{"digits_then_minus_start_next", "0 39-40 -1\n"sv, "100.00\n100.00\n"sv},

	// numbers beyond 32 bits are no readable numbers: they end the run
	{"above_32_bits", "0 39 0 2147483648\n"sv, "100.00\n"sv},
	{"below_32_bits", "0 39 -2147483649 0\n"sv, "100.00\n"sv},
	{"far_beyond_32_bits", "0 39 99999999999999999999999 1\n"sv,
	    "100.00\n"sv},

	// a > b: count 0 over a size of 0 (NaN) or below (negative zero)
	{"empty_range_is_nan", "1 0\n"sv, "-nan\n"sv},
	{"reversed_range_is_minus_zero", "5 2\n"sv, "-0.00\n"sv},
	{"widest_reversed_range", "2147483647 -2147483648\n"sv, "-0.00\n"sv},

	// below 0 the value for n is the value for -n-1
	{"negative_mirror_of_first_forty", "-40 -1\n"sv, "100.00\n"sv},
	{"negative_mirror_of_first_41", "-41 -1\n"sv, "97.56\n"sv},
	{"table_and_its_mirror", "-10000 9999\n"sv, "41.49\n"sv},
};
// clang-format on
FILTER_CASES(Primeshare, cases);

static bool
trial(uint64_t m)
{
	if (m < 2)
		return false;
	for (uint64_t d = 2; d * d <= m; d++)
		if (m % d == 0)
			return false;
	return true;
}

// Every flag of the table recomputed from the rule by trial division, and
// the entries and counts the table is known by.
TEST(Primeshare, FlagsFollowTheRule)
{
	int ones = 0;
	for (uint64_t n = 0; n < 10000; n++) {
		ASSERT_EQ(prime[n], trial(n * n + n + 41) ? 1 : 0)
		    << "n = " << n;
		ones += prime[n];
	}
	EXPECT_EQ(ones, 4149);

	auto count = [](int from, int to) {
		int c = 0;
		for (int n = from; n <= to; n++)
			c += prime[n];
		return c;
	};
	EXPECT_EQ(count(0, 39), 40);
	EXPECT_EQ(count(0, 99), 86);
	EXPECT_EQ(count(0, 999), 581);
	EXPECT_EQ(count(9000, 9999), 363);
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	const int telling[][2] = {
		{40, 0}, {41, 0}, {42, 1}, {43, 1}, {44, 0}, {45, 1}, {48, 1},
		{49, 0}, {55, 1}, {56, 0},
		{9990, 1}, {9991, 0}, {9992, 0}, {9993, 1}, {9994, 1},
		{9995, 1}, {9996, 0}, {9997, 1}, {9998, 0}, {9999, 0},
	};
	// clang-format on
	for (auto [n, f] : telling)
		EXPECT_EQ(prime[n], f) << "n = " << n;
	EXPECT_EQ(count(50, 55), 6);
}

// The exact test against trial division, and against composites built to
// fool a test with too few bases.
TEST(Primeshare, PrimalityIsExact)
{
	for (uint64_t m = 0; m < 100000; m++)
		ASSERT_EQ(isprime(m), trial(m)) << "m = " << m;

	const uint64_t p = 2147483647, q = 2147483629;
	ASSERT_TRUE(trial(p));
	ASSERT_TRUE(trial(q));
	EXPECT_TRUE(isprime(p));
	EXPECT_TRUE(isprime(q));
	EXPECT_FALSE(isprime(p * q));
	EXPECT_FALSE(isprime(p * p));
	EXPECT_TRUE(isprime((uint64_t(1) << 61) - 1));  // a Mersenne prime
	EXPECT_FALSE(isprime((uint64_t(1) << 62) - 1)); // 3 divides 4^31 - 1

	// strong pseudoprimes to the bases 2 to 7 and 2 to 23
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	const uint64_t spsp[][4] = {
		{3215031751, 151, 751, 28351},
		{3825123056546413051, 149491, 747451, 34233211},
	};
	// clang-format on
	for (auto &s : spsp) {
		ASSERT_EQ(s[1] * s[2] * s[3], s[0]);
		EXPECT_FALSE(isprime(s[0])) << s[0];
	}
}

// Ranges outside the table against flags recounted by trial division: each
// line must be the correctly rounded share 100 * count / size.
TEST(Primeshare, OutsideTableFollowsTheRule)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	const long ranges[][2] = {
		{9990, 10099}, {10000, 10999}, {999000, 999999},
		{-1000000, -999001}, {-10100, -9990},
	};
	// clang-format on
	std::string in, want;
	for (auto [a, b] : ranges) {
		int count = 0;
		for (long n = a; n <= b; n++) {
			uint64_t m = n < 0 ? -(n + 1) : n;
			count += trial(m * m + m + 41);
		}
		char line[32];
		snprintf(line, sizeof line, "%.2f\n",
		    100.0 * count / (b - a + 1));
		in += std::to_string(a) + " " + std::to_string(b) + "\n";
		want += line;
	}
	expect_filter(in, want);
}

// At the ends of the 32-bit range, where only the exact test answers, a
// range and its mirror image give the same line: 152 of the top 1000
// values are prime, and so is the very last (counted with an independent
// Miller-Rabin test in Python, thirteen prime bases).
TEST(Primeshare, MirrorAtThe32BitEnds)
{
	expect_filter("2147482648 2147483647\n2147483647 2147483647\n"sv,
	    "15.20\n100.00\n"sv);
	expect_filter("-2147483648 -2147482649\n-2147483648 -2147483648\n"sv,
	    "15.20\n100.00\n"sv);
}

// Ranges in the table against the exact share rounded once to a double
// (100 * count is exact, so one IEEE division rounds it correctly), over
// every range starting at 172 and a spread of others.
TEST(Primeshare, SharesInTableAreCorrectlyRounded)
{
	int sum[10001] = {0};
	for (int n = 0; n < 10000; n++)
		sum[n + 1] = sum[n] + (trial(uint64_t(n) * n + n + 41) ? 1 : 0);

	std::string in, want;
	auto add = [&](int a, int b) {
		char line[32];
		double exact = 100.0 * (sum[b + 1] - sum[a]) / (b - a + 1);
		snprintf(line, sizeof line, "%.2f\n", exact);
		in += std::to_string(a) + " " + std::to_string(b) + "\n";
		want += line;
	};
	for (int b = 172; b < 10000; b++)
		add(172, b);
	for (int a = 0; a < 10000; a += 37)
		for (int b = a; b < 10000; b += 61 + a % 50)
			add(a, b);
	expect_filter(in, want, 30s);
}

// Each answer must be written before the next pair is read.
TEST(Primeshare, AnswersEachPairBeforeTheNext)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	expect_steps({
	    {"0 39\n", "100.00\n"},
	    {"0 40\n", "100.00\n97.56\n"},
	}, "100.00\n97.56\n");
	// clang-format on
}
