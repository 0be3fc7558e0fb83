#include "harness.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

// The program's functions, for checking its exact and interval counts
// directly on cases the plain sum already gets right.
#define main binomdigits_main
#include "binomdigits/binomdigits.cpp"
#undef main

// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Case cases[] = {
	// the worked example
	{"worked_example", "10 5\n100 50\n1000 500\n52 5\n"sv,
	    "3\n30\n300\n7\n"sv},
	{"any_whitespace_separates", "10\t5\r\n\n  100\n50"sv, "3\n30\n"sv},
	{"decimal_notations_alike", "10.0 5 1e1 5e0 +10 0.5e1\n"sv,
	    "3\n3\n3\n"sv},
	{"hexadecimal_is_a_number", "0xa 0x5\n"sv, "3\n"sv},

	// small coefficients, known by hand
	{"loop_not_run_prints_1", "5 0 5 5 0 0\n"sv, "1\n1\n1\n"sv},
	{"k_outside_0_to_n_prints_1", "3 5 5 -1\n"sv, "1\n1\n"sv},
	{"powers_of_ten_exact", "10 1 100 99 1000 1 5 2 5 3\n"sv,
	    "2\n3\n4\n2\n2\n"sv},
	{"symmetric_pairs_alike", "10 3 10 7\n"sv, "3\n3\n"sv},
	{"two_one_and_twenty_ten", "2 1 20 10\n"sv, "1\n6\n"sv},
	// factors 4.5/1, 5.5/2, 6.5/3: log10 of 53.625 plus 1
	{"non_whole_k_runs_same_steps", "7 3.5\n"sv, "2\n"sv},

	// where the plain sum rounds across a whole number; true counts from
	// exact integer arithmetic (C(n, 2) the largest below 10^29, 10^30,
	// 10^31 and one below that)
	{"nines_just_below_ten_to_15", "999999999999999 1\n"sv, "15\n"sv},
	{"nines_symmetric_form", "999999999999999 999999999999998\n"sv,
	    "15\n"sv},
	{"cube_sum_rounded_down", "8434326653017494 3\n"sv, "48\n"sv},
	{"pair_below_ten_to_29", "447213595499958 2 447213595499957 2\n"sv,
	    "29\n29\n"sv},
	{"pair_below_ten_to_30", "1414213562373095 2 1414213562373094 2\n"sv,
	    "30\n30\n"sv},
	{"pair_below_ten_to_31", "4472135954999579 2 4472135954999578 2\n"sv,
	    "31\n31\n"sv},
	{"ten_to_15_itself", "1000000000000000 1\n"sv, "16\n"sv},
	// C(6999271023161168, 4) is 1.00000000000000002... * 10^62
	{"closer_to_power_than_any_sum", "6999271023161168 4\n"sv, "63\n"sv},
	{"largest_n_in_contract",
	    "9007199254740991 1 9007199254740991 2 9007199254740991 3\n"sv,
	    "16\n32\n48\n"sv},
	// 500000 steps, and C(10^6, 5 * 10^5) has 301027 digits
	{"half_a_million_steps", "1000000 500000\n"sv, "301027\n"sv},
	// sums within both the loop's and a long double sum's error of a whole
	// number, and far too many steps for r^2 exact arithmetic; counts from
	// exact products n! / (n - r)! compared with r! * 10^d (decimal
	// integers in Python) and a 80-digit log-gamma sum
	{"within_error_fifty_thousand_steps", "9000165466599839 50000\n"sv,
	    "584477\n"sv},
	{"within_error_loop_one_short", "9000455914335405 100000\n"sv,
	    "1138854\n"sv},
	{"within_error_million_steps", "8990025367717119 1000000\n"sv,
	    "10388052\n"sv},

	// the loop's rounding points, outside whole pairs where its answer
	// stands; counts agreed by the program and an exact-rational model of
	// the loop, which tells them from the variants in parentheses
	// (sum kept in long double, or 1.0 added last: 45)
	{"sum_rounded_each_step_one_first",
	    "1817120592832134.75 1817120592832131.25\n"sv, "46\n"sv},
	// (logarithms of numerators and denominators summed apart: 87)
	{"log_of_each_quotient", "946721157105636.2 6.001\n"sv, "88\n"sv},
	// (quotient left in long double for its logarithm: 15)
	{"quotient_rounded_before_log", "99999999999999.8 99999999999998.8\n"sv,
	    "14\n"sv},
	// (quotient formed in double, not rounded from long double: 3872; it
	// shows only past about 2048 steps, here 4103)
	{"quotient_rounded_from_long_double", "15372.28307793079 4103.5\n"sv,
	    "3871\n"sv},
	// k is 1 - 2^-34 - 2^-52, so n - k is 999999 + 2^-34 + 2^-52: through
	// long double that is a tie at 64 bits and rounds to even, m = 999999,
	// one step of 10^6 / 1 and a sum of exactly 7; rounded once, m is
	// 999999 + 2^-33, x passes n and the loop does not run (1)
	{"difference_rounded_from_long_double",
	    "1000000 0.9999999999417921\n"sv, "7\n"sv},

	// a pair that is not whole keeps the plain sum, rounding and all
	{"non_whole_pair_keeps_loop_answer",
	    "999999999999999 1.0000000000000002\n"sv, "16\n"sv},

	// from n = 2^53 on adding 1 no longer moves x: a loop that runs there
	// could never end, so the pair has no answer and ends the run
	{"n_2_to_53_ends_run", "10 5 9007199254740992 1 10 5\n"sv, "3\n"sv},
	{"n_2_to_53_even_for_k_0", "10 5 9007199254740992 0 10 5\n"sv, "3\n"sv},
	{"far_below_2_to_53_ends_run_at_once", "10 5 1e16 5e15 10 5\n"sv,
	    "3\n"sv},
	{"n_infinite_ends_run", "10 5 inf 1\n"sv, "3\n"sv},
	{"n_beyond_double_is_infinite", "10 5 1e999 2\n"sv, "3\n"sv},
	{"huge_n_ends_run", "10 5 1e300 1\n"sv, "3\n"sv},
	// the largest n below 2^53 still runs
	{"n_below_2_to_53_runs", "9007199254740991 1\n"sv, "16\n"sv},
	// a loop that does not run there still prints 1
	{"huge_n_loop_not_run_prints_1", "1e300 1e301 1e300 -1e301\n"sv,
	    "1\n1\n"sv},
	{"nan_and_unordered_print_1", "nan 1 5 nan inf inf -inf 1 -5 2\n"sv,
	    "1\n1\n1\n1\n1\n"sv},

	// input that ends early or cannot be read: the pairs before it only
	{"empty_input", ""sv, ""sv},
	{"only_whitespace", " \n\t\n"sv, ""sv},
	{"no_final_line_feed", "10 5"sv, "3\n"sv},
	{"lone_last_number_dropped", "10 5 7\n"sv, "3\n"sv},
	{"word_ends_run", "10 5 x 4 2 1\n"sv, "3\n"sv},
	{"word_as_k_ends_run", "10 5 2 x\n"sv, "3\n"sv},
	{"nul_byte_ends_run", "10 5\0 2 1\n"sv, "3\n"sv},
	{"high_bytes_end_run", "2 1 \xff\xfe 4 2\n"sv, "1\n"sv},
};
// clang-format on
FILTER_CASES(Binomdigits, cases);

// C(n, k) in decimal, least significant digit first, by schoolbook
// multiplication and division one digit at a time.
static std::vector<int>
decimal_binomial(std::uint64_t n, std::uint64_t k)
{
	std::vector<int> c{1};

	for (std::uint64_t i = 1; i <= k; i++) {
		// c * (n - k + i) / i is C(n - k + i, i): exact at every step
		std::uint64_t f = n - k + i, carry = 0;
		for (int &d : c) {
			carry += d * f;
			d = carry % 10;
			carry /= 10;
		}
		for (; carry; carry /= 10)
			c.push_back(carry % 10);
		std::uint64_t rem = 0;
		for (auto d = c.rbegin(); d != c.rend(); ++d) {
			rem = rem * 10 + *d;
			*d = rem / i;
			rem %= i;
		}
		while (c.size() > 1 && c.back() == 0)
			c.pop_back();
	}
	return c;
}

// Around every power of ten that C(n, k) crosses for n < 2^53, both forms
// of each pair against the digit count in exact decimal arithmetic.
TEST(Binomdigits, ExactNearEveryPowerOfTen)
{
	std::string in, want;

	for (int k : {1, 2, 3, 4, 5, 7, 10}) {
		long double kfact = 1;
		for (int i = 2; i <= k; i++)
			kfact *= i;
		for (int e = 1;; e++) {
			// C(n, k) is close to (n - (k - 1) / 2)^k / k!
			long double guess = std::pow(std::pow(10.0L, e) * kfact,
			                        1.0L / k) +
			    (k - 1) / 2.0L;
			auto mid = (std::uint64_t)std::llround(guess);
			if (mid + 3 >= (std::uint64_t)1 << 53)
				break;
			if (mid < (std::uint64_t)2 * k + 3)
				continue;
			int below = 0, above = 0;
			for (std::uint64_t n = mid - 3; n <= mid + 3; n++) {
				auto d = decimal_binomial(n, k).size();
				(d <= (std::size_t)e ? below : above)++;
				for (std::uint64_t kk :
				    {(std::uint64_t)k, n - k}) {
					in += std::to_string(n) + ' ' +
					    std::to_string(kk) + '\n';
					want += std::to_string(d) + '\n';
				}
			}
			ASSERT_TRUE(below && above)
			    << "k " << k
			    << ": the pairs "
			       "near "
			    << mid << " do not cross 10^" << e;
		}
	}
	expect_filter(in, want);
}

// The exact count and the count from bounds, on coefficients up to a few
// hundred digits where the plain sum is never needed, against exact
// decimal arithmetic.
TEST(Binomdigits, ExactAndIntervalCountsAgree)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	const std::uint64_t pairs[][2] = {
		{2, 1}, {52, 5}, {100, 50}, {1000, 500}, {1001, 500},
		{123456789, 77}, {9007199254740991, 40}, {4294967297, 3},
		{99999999999999, 13}, {3000, 1499},
	};
	// clang-format on
	for (auto [n, k] : pairs) {
		double m = (double)(k > n - k ? k : n - k);
		double want = (double)decimal_binomial(n, k).size();
		EXPECT_EQ(exact((double)n, m), want) << n << ' ' << k;
		EXPECT_EQ(interval((double)n, m), want) << n << ' ' << k;
	}
}

// A sum that lands on a whole number is never trusted, nor bounds around a
// power of ten.
TEST(Binomdigits, WholeSumsAreSettledExactly)
{
	const double pairs[][2] = {{10, 1}, {5, 2}, {1000, 1}, {1e15, 1}};
	for (auto [n, k] : pairs) {
		double m = n - k;
		EXPECT_FALSE(sure1(binom(n, k), n - m)) << n << ' ' << k;
		EXPECT_EQ(interval(n, m), -1) << n << ' ' << k;
	}
}

// Each answer must be written and flushed before the next pair is read.
TEST(Binomdigits, AnswersEachPairBeforeTheNext)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	expect_steps({
	    {"10 5\n", "3\n"},
	    {"999999999999999 1\n", "3\n15\n"},
	    {"1000 500", "3\n15\n"},
	}, "3\n15\n300\n");
	// clang-format on
}

// Natural numbers as little-endian base 2^32 digits, for the test's own
// exact check of the 256-bit bounds.
using nat = std::vector<std::uint64_t>;

static nat
plus(nat a, const nat &b)
{
	std::uint64_t carry = 0;

	a.resize(std::max(a.size(), b.size()) + 1);
	for (std::size_t i = 0; i < a.size(); i++) {
		carry += a[i] + (i < b.size() ? b[i] : 0);
		a[i] = carry & 0xffffffff;
		carry >>= 32;
	}
	return a;
}

// a * v, for v below 2^64
static nat
times(const nat &a, std::uint64_t v)
{
	nat lo, hi{0};
	std::uint64_t cl = 0, ch = 0;

	for (auto d : a) {
		cl += d * (v & 0xffffffff);
		lo.push_back(cl & 0xffffffff);
		cl >>= 32;
		ch += d * (v >> 32);
		hi.push_back(ch & 0xffffffff);
		ch >>= 32;
	}
	lo.push_back(cl);
	hi.push_back(ch);
	return plus(lo, hi);
}

// a * 2^s
static nat
shifted(nat a, std::int64_t s)
{
	for (; s >= 32; s -= 32)
		a.insert(a.begin(), 0);
	return times(a, (std::uint64_t)1 << s);
}

static int
compare(nat a, nat b)
{
	while (!a.empty() && a.back() == 0)
		a.pop_back();
	while (!b.empty() && b.back() == 0)
		b.pop_back();
	if (a.size() != b.size())
		return a.size() < b.size() ? -1 : 1;
	for (std::size_t i = a.size(); i-- > 0;)
		if (a[i] != b[i])
			return a[i] < b[i] ? -1 : 1;
	return 0;
}

// The sign of w - x, x given exactly.
static int
compare(const wide &w, const nat &x)
{
	nat m;
	for (auto limb : w.m) {
		m.push_back(limb & 0xffffffff);
		m.push_back(limb >> 32);
	}
	return w.e >= 0 ? compare(shifted(m, w.e), x) :
	                  compare(m, shifted(x, -w.e));
}

// Whether w is normalised and w <= x <= widen(w).
static bool
brackets(const wide &w, const nat &x)
{
	wide hi = widen(w);

	return w.m[3] >> 63 && hi.m[3] >> 63 && compare(w, x) <= 0 &&
	    compare(hi, x) >= 0;
}

// The bounds on n! / (n - r)!, on r! and on 10^d hold at every step,
// against exact products.
TEST(Binomdigits, BoundsHoldAgainstExactProducts)
{
	const std::uint64_t tops[] = {400, 123457, 9007199254740991};
	for (std::uint64_t n : tops) {
		wide num = of(1), den = of(1);
		nat xnum{1}, xden{1};
		for (std::uint64_t i = 1; i <= 300; i++) {
			num = scale(num, n - 300 + i);
			xnum = times(xnum, n - 300 + i);
			ASSERT_TRUE(brackets(num, xnum)) << n << ' ' << i;
			den = scale(den, i);
			xden = times(xden, i);
			ASSERT_TRUE(brackets(den, xden)) << i;
		}
	}
	nat ten{1};
	for (int d = 0; d <= 1000; d++, ten = times(ten, 10))
		ASSERT_TRUE(brackets(power(d), ten)) << d;
	// ten is now 10^1001: the product of two bounds bounds the product
	ASSERT_TRUE(brackets(mul(power(300), power(701)), ten));
}

// widen adds at least a part in 2^199, also where the sum carries past
// 2^256.
TEST(Binomdigits, WidenAddsAPartIn2To199)
{
	const std::uint64_t ones = ~(std::uint64_t)0,
	                    top = (std::uint64_t)1 << 63;
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	const wide cases[] = {
		{{0, 0, 0, top}, 0},
		{{ones, ones, ones, ones}, 0},
		{{0, 0, 0, ones}, -300},
		{{ones, ones, ones, ones >> 1 | top}, 5},
		{{12345, 0, ones, top | 777}, 1000},
	};
	// clang-format on
	for (const auto &w : cases) {
		wide hi = widen(w);
		nat m;
		for (auto limb : w.m) {
			m.push_back(limb & 0xffffffff);
			m.push_back(limb >> 32);
		}
		// w * (1 + 2^-199), scaled by 2^(199 - e)
		nat want = plus(shifted(m, 199), m);
		wide scaled = hi;
		scaled.e = hi.e - w.e + 199;
		EXPECT_TRUE(hi.m[3] >> 63);
		EXPECT_GE(compare(scaled, want), 0) << w.m[3];
		EXPECT_FALSE(below(hi, w));
	}
}
