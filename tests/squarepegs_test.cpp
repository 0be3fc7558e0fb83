#include "harness.h"

// Expected values: the worked example and the table rule
// type[N] = floor((N + 1)^2 / 2) - 1 for 1 <= N <= 50, 0 elsewhere.
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Case cases[] = {
	{"worked_example", "3 1 4 50\n"sv, "1\n11\n1299\n"sv},
	{"any_whitespace_separates", "3\n1\t\t4\r\n\n  50"sv, "1\n11\n1299\n"sv},
	{"two_and_three_pegs", "2 2 3\n"sv, "3\n7\n"sv},
	{"repeated_query_repeats_line", "3 7 7 7\n"sv, "31\n31\n31\n"sv},
	{"count_used_up_rest_ignored", "1 4 50 2\n"sv, "11\n"sv},
	{"signed_numbers", "+2 +3 -0\n"sv, "7\n0\n"sv},

	// counts that ask for nothing
	{"count_zero", "0 1 2 3\n"sv, ""sv},
	{"count_negative", "-5 1 2 3\n"sv, ""sv},
	{"count_most_negative", "-2147483648 1\n"sv, ""sv},

	// peg counts outside 1 to 50 print 0
	{"query_zero", "1 0\n"sv, "0\n"sv},
	{"queries_51_and_63", "2 51 63\n"sv, "0\n0\n"sv},
	{"query_minus_one", "1 -1\n"sv, "0\n"sv},
	{"query_64", "1 64\n"sv, "0\n"sv},
	{"query_int_max", "1 2147483647\n"sv, "0\n"sv},
	{"query_int_min", "1 -2147483648\n"sv, "0\n"sv},
	{"one_peg_holds_only_1", "1 1\n"sv, "1\n"sv},

	// input that ends early: the answers before it, nothing more
	{"empty_input", ""sv, ""sv},
	{"only_whitespace", " \n\t\n"sv, ""sv},
	{"ends_before_first_query", "2\n"sv, ""sv},
	{"ends_before_last_query", "3 1 4\n"sv, "1\n11\n"sv},
	{"last_query_without_line_feed", "2 1 4"sv, "1\n11\n"sv},

	// a token that is not a number ends the run
	{"non_number_count", "x 1 2\n"sv, ""sv},
	{"non_number_query", "3 1 x 4\n"sv, "1\n"sv},
	{"number_then_garbage", "3 1 4x 50\n"sv, "1\n11\n"sv},
	{"nul_byte_ends", "3 1\0 4\n"sv, "1\n"sv},
	{"high_bytes_end", "3 2 \xff\xfe 4\n"sv, "3\n"sv},
	// a number beyond int is no readable int: it ends the run like a word
	{"query_beyond_int", "3 1 99999999999 4\n"sv, "1\n"sv},
	{"count_beyond_int", "99999999999 1\n"sv, ""sv},
};
// clang-format on
FILTER_CASES(Squarepegs, cases);

// All fifty answers against the closed form, independent of the simulation.
TEST(Squarepegs, AllFiftyFollowTheRule)
{
	std::string in = "52", want;
	for (int n = 0; n <= 51; n++) {
		in += ' ';
		in += std::to_string(n);
		int rule = n >= 1 && n <= 50 ? (n + 1) * (n + 1) / 2 - 1 : 0;
		want += std::to_string(rule) + "\n";
	}
	expect_filter(in, want);
}

// Each answer must be written and flushed before the next query is read.
TEST(Squarepegs, AnswersEachQueryBeforeTheNext)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	expect_steps({
	    {"3\n1\n", "1\n"},
	    {"4\n", "1\n11\n"},
	    {"50\n", "1\n11\n1299\n"},
	}, "1\n11\n1299\n");
	// clang-format on
}
