#include "harness.h"

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#define main prog_main
#include "factdigits/factdigits.cpp"
#undef main

namespace {

// Sanitized builds run several times slower; time limits scale with them.
#if defined(__SANITIZE_ADDRESS__)
constexpr int slow = 8;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int slow = 8;
#else
constexpr int slow = 1;
#endif
#else
constexpr int slow = 1;
#endif

// An independent reference: 0!, 1!, ..., n! in base 10^9 limbs, least
// significant limb first, with each factorial's decimal text and digit sum.
struct Factorials {
	std::vector<long long> sums;
	std::vector<uint32_t> limbs{1};

	explicit Factorials(int n)
	{
		sums.push_back(1);
		for (int i = 1; i <= n; i++) {
			uint64_t carry = 0;
			for (uint32_t &l : limbs) {
				uint64_t v = uint64_t(l) * uint64_t(i) + carry;
				l = uint32_t(v % 1000000000);
				carry = v / 1000000000;
			}
			if (carry)
				limbs.push_back(uint32_t(carry));
			long long sum = 0;
			for (uint32_t l : limbs)
				for (; l; l /= 10)
					sum += l % 10;
			sums.push_back(sum);
		}
	}
	// The decimal text of the last factorial built.
	std::string text() const
	{
		std::string s = std::to_string(limbs.back());
		char buf[16];
		for (size_t i = limbs.size() - 1; i-- > 0;) {
			snprintf(buf, sizeof buf, "%09u", unsigned(limbs[i]));
			s += buf;
		}
		return s;
	}
};

const Factorials &
upto5000()
{
	static const Factorials f(5000);
	return f;
}

std::string
lines(const std::vector<int> &ns)
{
	std::string out;
	for (int n : ns)
		out += std::to_string(upto5000().sums[n]) + "\n";
	return out;
}

} // namespace

// Expected values: the worked example, the factorials by hand
// (2, 6, 24, 120, 3628800, 0! = 1! = 1), and the input rules.
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Case cases[] = {
	{"worked_example", "3\n5\n10\n100\n"sv, "6\n3\n27\n648\n"sv},
	{"two_to_five", "2 3 4 5\n"sv, "2\n6\n6\n3\n"sv},
	{"any_whitespace_separates", "2\t3\r\n\n 4\v5\f"sv, "2\n6\n6\n3\n"sv},
	{"repeated_number_repeats_line", "10 10 10\n"sv, "27\n27\n27\n"sv},
	{"smaller_after_larger", "100 10 5 100 3\n"sv, "648\n27\n3\n648\n6\n"sv},
	{"signed_numbers", "+5 -0 +0010\n"sv, "3\n1\n27\n"sv},
	{"no_final_line_feed", "5"sv, "3\n"sv},

	// 0! = 1! = 1; a negative number has no factorial: it ends the run
	{"zero_and_one_print_1", "0 1\n"sv, "1\n1\n"sv},
	{"negative_ends_run", "5 -1 3\n"sv, "3\n"sv},
	{"int_min_ends_run", "4 -2147483648 4\n"sv, "6\n"sv},
	{"negative_first", "-1 5 3\n"sv, ""sv},

	// input that ends, or a token that is not a number, ends the run
	{"empty_input", ""sv, ""sv},
	{"only_whitespace", " \n\t\n"sv, ""sv},
	{"word_ends_run", "3 x 5\n"sv, "6\n"sv},
	{"number_then_garbage", "3 4x 5\n"sv, "6\n6\n"sv},
	{"sign_alone_ends_run", "3 - 5\n"sv, "6\n"sv},
	{"nul_byte_ends_run", "3\0 5\n"sv, "6\n"sv},
	{"high_bytes_end_run", "4 \xff 5\n"sv, "6\n"sv},
	{"decimal_point_ends_run", "3 5.0 4\n"sv, "6\n3\n"sv},
	// a number beyond int is no readable int: it ends the run like a word
	{"beyond_int_ends_run", "3 2147483648 4\n"sv, "6\n"sv},
	{"below_int_ends_run", "3 -2147483649 4\n"sv, "6\n"sv},
	{"many_digits_end_run", "3 99999999999999999999999 4\n"sv, "6\n"sv},
};
// clang-format on
FILTER_CASES(Factdigits, cases);

// Expected values: products worked by hand; the length is
// strlen(a) + strlen(b) - 1, or one more when the top digit is not 0.
struct Product {
	const char *a, *b, *want;
};
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Product products[] = {
	{"99", "99", "9801"}, {"9", "9", "81"}, {"5", "2", "10"},
	{"120", "6", "720"}, {"12", "1", "12"}, {"1", "12", "12"},
	{"0", "123", "000"}, {"123", "0", "000"}, {"007", "3", "021"},
	{"3", "007", "021"}, {"0", "0", "0"}, {"10", "10", "100"},
	{"4992", "1774", "8855808"}, {"0099", "1774", "0175626"},
	{"999999999999", "999999999999", "999999999998000000000001"},
	{"", "5", ""}, {"5", "", ""},
};
// clang-format on

TEST(Factdigits, SpmulProducts)
{
	for (const Product &p : products)
		EXPECT_STREQ(spmul(p.a, p.b), p.want) << p.a << " * " << p.b;
}

// Random operands of up to 9 digits with leading zeros, against 64-bit
// multiplication padded to the length rule.
TEST(Factdigits, SpmulMatchesMachineProducts)
{
	std::mt19937_64 rng(5);
	for (int t = 0; t < 2000; t++) {
		std::string a, b;
		for (size_t n = 1 + rng() % 9; a.size() < n;)
			a += char('0' + rng() % 10);
		for (size_t n = 1 + rng() % 9; b.size() < n;)
			b += char('0' + rng() % 10);
		std::string want = std::to_string(
		    std::stoull(a) * std::stoull(b));
		size_t len = a.size() + b.size() - 1;
		if (want.size() < len)
			want.insert(0, len - want.size(), '0');
		ASSERT_EQ(spmul(a.c_str(), b.c_str()), want) << a << " * " << b;
	}
}

// Long operands, whose columns add up hundreds of digit products: sums and
// carries far beyond what 16 bits hold.  (10^L - 1)^2 = 10^2L - 2 * 10^L + 1
// is L - 1 nines, an 8, L - 1 zeros and a 1.
TEST(Factdigits, SpmulLongColumns)
{
	for (size_t len : {400, 2499}) {
		std::string nines(len, '9');
		std::string want = std::string(len - 1, '9') + "8" +
		    std::string(len - 1, '0') + "1";
		ASSERT_EQ(spmul(nines.c_str(), nines.c_str()), want) << len;
	}
}

// The operands are only read, the result is a buffer of spmul's own, and
// that buffer may be handed straight back in.
TEST(Factdigits, SpmulOwnsItsBuffer)
{
	char a[] = "120", b[] = "6";
	char *p = spmul(a, b);
	EXPECT_NE(p, a);
	EXPECT_NE(p, b);
	EXPECT_STREQ(a, "120");
	EXPECT_STREQ(b, "6");
	EXPECT_STREQ(p, "720");
	std::string first = p;
	EXPECT_STREQ(spmul("11", "11"), "121");
	EXPECT_EQ(first, "720");
	EXPECT_STREQ(spmul(spmul("12", "3"), "2"), "72");
	EXPECT_STREQ(spmul("5", spmul("25", "4")), "500");
}

// Expected values: by hand, and 1774! (4996 digits) from the reference.
TEST(Factdigits, FactValues)
{
	EXPECT_STREQ(fact(2), "2");
	EXPECT_STREQ(fact(3), "6");
	EXPECT_STREQ(fact(6), "720");
	EXPECT_STREQ(fact(10), "3628800");
	EXPECT_STREQ(fact(0), "1");
	EXPECT_STREQ(fact(1), "1");
	EXPECT_STREQ(fact(-1), "");
	EXPECT_STREQ(fact(-2147483647 - 1), "");

	std::string big = fact(1774);
	EXPECT_EQ(big.size(), 4996u);
	EXPECT_EQ(big, Factorials(1774).text());
	// Going down after going up still gives the smaller factorial.
	EXPECT_STREQ(fact(5), "120");
	EXPECT_STREQ(fact(5), "120");
	EXPECT_EQ(fact(1775), Factorials(1775).text());
	EXPECT_STREQ(fact(4), "24");
}

// fact's buffer is its own: a later spmul leaves it as it was.
TEST(Factdigits, FactOwnsItsBuffer)
{
	char *f = fact(5);
	char *p = spmul("2", "3");
	EXPECT_NE(f, p);
	EXPECT_STREQ(f, "120");
	EXPECT_STREQ(p, "6");
}

// 1774 is served in full: its digit sum from the reference, plus the
// reference's own check that 1774! has 4996 digits.
TEST(Factdigits, LargestInContract)
{
	Factorials f(1774);
	ASSERT_EQ(f.text().size(), 4996u);
	expect_filter("1774\n", std::to_string(f.sums[1774]) + "\n");
	expect_filter("1774 1774 2 1774\n", lines({1774, 1774, 2, 1774}));
}

// Above 1774 the store grows: answers stay exact, and 5000 is quick.
TEST(Factdigits, BeyondFixedStores)
{
	expect_filter("1775 1776 2000 3\n", lines({1775, 1776, 2000, 3}));
	expect_run(run("5000\n", slow * 1000ms), lines({5000}));
}

// A real workload: 10000 numbers from 2 to 1774 in a few seconds.
TEST(Factdigits, TenThousandNumbers)
{
	std::mt19937 rng(1774);
	std::uniform_int_distribution<int> pick(2, 1774);
	std::vector<int> ns;
	std::string in;
	for (int i = 0; i < 10000; i++) {
		ns.push_back(pick(rng));
		in += std::to_string(ns.back()) + (i % 10 == 9 ? "\n" : " ");
	}
	expect_run(run(in, slow * 3000ms), lines(ns));
}

// Each answer must be written before the next number is read.
TEST(Factdigits, AnswersEachNumberBeforeTheNext)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	expect_steps({
	    {"5\n", "3\n"},
	    {"10\n", "3\n27\n"},
	    {"0 ", "3\n27\n1\n"},
	}, "3\n27\n1\n");
	// clang-format on
}
