#include "harness.h"

#include <cstdint>

#define main prog_main
#include "treecount/treecount.cpp"
#undef main

// The Catalan numbers C(0) to C(24) by C(n) = C(n-1) * 2(2n-1) / (n+1), in
// integers; the division is always exact.
static const std::vector<uint64_t> catalan = [] {
	std::vector<uint64_t> c{1};
	for (uint64_t n = 1; n <= 24; n++)
		c.push_back(c.back() * 2 * (2 * n - 1) / (n + 1));
	return c;
}();

// Expected values: the worked example and the lookup rule (the first entry
// above x, or an entry x lies on or less than 1e-9 above); C24 = 1289904147324
// is checked against the integer recurrence in TableHoldsCatalanNumbers.
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Case cases[] = {
	{"worked_example", "1 2 5 14 42\n"sv, "1\n2\n3\n4\n5\n"sv},
	{"largest_entry", "1289904147324\n"sv, "24\n"sv},
	{"above_largest_entry", "1289904147325\n"sv, "25\n"sv},
	{"far_above_largest_entry", "1e300\n"sv, "25\n"sv},
	{"zero", "0\n"sv, "0\n"sv},
	{"negative", "-1 -1e300\n"sv, "0\n0\n"sv},
	{"negative_zero", "-0\n"sv, "0\n"sv},
	{"between_entries_gives_upper", "3 43 0.5 4.9999999999\n"sv,
	    "3\n6\n1\n3\n"sv},
	{"any_decimal_notation", "42 42.0 4.2e1 +42 0x2a\n"sv,
	    "5\n5\n5\n5\n5\n"sv},
	{"layout_does_not_matter", "\t1\r\n\n2 5"sv, "1\n2\n3\n"sv},

	// the tolerance is strict and lies above an entry only
	{"just_within_tolerance", "1.0000000001\n"sv, "1\n"sv},
	{"just_beyond_tolerance", "1.000000001\n"sv, "2\n"sv},
	{"within_tolerance_of_zero", "0.0000000001\n"sv, "0\n"sv},
	{"exactly_the_tolerance", "0.000000001\n"sv, "1\n"sv},
	// the tolerance is the double nearest 1e-9: 9.99999999e-10 lies below
	// it, though above 1e-9 rounded to float (about 9.99999972e-10)
	{"just_below_the_tolerance", "0.000000000999999999\n"sv, "0\n"sv},
	{"below_an_entry_not_tolerated", "0.9999999999\n"sv, "1\n"sv},
	{"underflow_to_zero", "1e-400\n"sv, "0\n"sv},

	// infinities and NaN, as "%lf" reads them
	{"infinity", "inf INF infinity 1e400\n"sv, "25\n25\n25\n25\n"sv},
	{"minus_infinity", "-inf -1e400\n"sv, "0\n0\n"sv},
	{"nan_is_above_nothing", "nan NAN -nan\n"sv, "25\n25\n25\n"sv},

	// input that ends, or a token that is not a number
	{"empty_input", ""sv, ""sv},
	{"only_whitespace", " \n\t\n"sv, ""sv},
	{"non_number_ends_run", "1 x 2\n"sv, "1\n"sv},
	{"word_first", "x 1\n"sv, ""sv},
	{"nul_byte_ends", "1\0 2\n"sv, "1\n"sv},
	{"high_bytes_end", "2 \xff 5\n"sv, "2\n"sv},
};
// clang-format on
FILTER_CASES(Treecount, cases);

TEST(Treecount, TableHoldsCatalanNumbers)
{
	gen();
	EXPECT_EQ(tree[0], 0.0);
	for (int n = 1; n <= 24; n++)
		EXPECT_EQ(tree[n], double(catalan[n])) << "n = " << n;
	EXPECT_EQ(catalan[24], 1289904147324u);
	for (int n = 25; n < 28; n++)
		EXPECT_EQ(tree[n], 0.0) << "n = " << n;
}

// Around every entry: on it gives its index, half above gives the next,
// one below gives its own index again once entries are more than 1 apart.
TEST(Treecount, EveryEntryAndItsNeighbours)
{
	std::string in, want;
	for (int n = 1; n <= 24; n++) {
		auto c = std::to_string(catalan[n]);
		in += c + " " + c + ".5 ";
		want += std::to_string(n) + "\n" + std::to_string(n + 1) + "\n";
		if (n >= 3) {
			in += std::to_string(catalan[n] - 1) + " ";
			want += std::to_string(n) + "\n";
		}
	}
	expect_filter(in, want);
}

// Each answer must be written before the next number is read.
TEST(Treecount, AnswersEachNumberBeforeTheNext)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	expect_steps({
	    {"42\n", "5\n"},
	    {"1289904147324\n", "5\n24\n"},
	}, "5\n24\n");
	// clang-format on
}
