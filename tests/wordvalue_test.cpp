#include "harness.h"

#include <algorithm>
#include <random>

#include <pthread.h>

#define main prog_main
#include "wordvalue/wordvalue.cpp"
#undef main

// Expected values: the worked example, and sums added up by hand.
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Case cases[] = {
	{"worked_example",
	    "3 2\napple 10\nbanana 2.5\ncherry 1000000\n"
	    "apple banana apple kiwi apple. .\ncherry .\n"sv,
	    "22.5\n1e+06\n"sv},
	{"text_spans_lines", "2 1\na 1 b 2\na\n\nb\na\n.\n"sv, "4\n"sv},
	{"texts_share_a_line", "2 3 a 1 b 2\na . b . a b .\n"sv, "1\n2\n3\n"sv},
	{"any_whitespace_separates", "2\t2\r\na\v1\fb\t2\r\na\tb\r.\v\fb .\n"sv,
	    "3\n2\n"sv},
	{"last_dot_without_line_feed", "1 2 a 1 a . a a ."sv, "1\n2\n"sv},
	{"count_used_up_rest_ignored", "1 1 a 1 a . a . x"sv, "1\n"sv},

	// the table of sums and the lines printed for them
	{"sum_0", "0 1 .\n"sv, "0\n"sv},
	{"sum_150", "1 1 x 150 x .\n"sv, "150\n"sv},
	{"sum_22_5", "1 1 x 22.5 x .\n"sv, "22.5\n"sv},
	{"sum_123456", "1 1 x 123456 x .\n"sv, "123456\n"sv},
	{"sum_999999_5", "1 1 x 999999.5 x .\n"sv, "1e+06\n"sv},
	{"sum_1000000", "1 1 x 1000000 x .\n"sv, "1e+06\n"sv},
	{"sum_1234567", "1 1 x 1234567 x .\n"sv, "1.23457e+06\n"sv},
	{"sum_3_14159265", "1 1 x 3.14159265 x .\n"sv, "3.14159\n"sv},
	{"sum_0_1_plus_0_2", "2 1 a 0.1 b 0.2 a b .\n"sv, "0.3\n"sv},
	// the addition rounds first to extended precision, then to double: the
	// exact sum lies just above a tie between two doubles, which the first
	// rounding makes an exact tie, and the tie goes to the even double
	// below 1.000005 (a single rounding gives the double above: 1.00001)
	{"sum_rounded_twice", "2 1 a 1 b 4.9999999999217346e-06 a b .\n"sv,
	    "1\n"sv},
	// the sum is rounded to double after every word: 1 + 1e-18 is 1 again
	// (half a double's step at 1 is 2^-53, about 1.1e-16), so 1 - 1 leaves
	// 0; a sum carried at 64 bits through the text would print 9.75782e-19
	{"sum_rounded_after_every_word", "3 1 a 1 b 1e-18 c -1 a b c .\n"sv,
	    "0\n"sv},
	{"sum_0_0001", "1 1 x 0.0001 x .\n"sv, "0.0001\n"sv},
	{"sum_0_00001", "1 1 x 0.00001 x .\n"sv, "1e-05\n"sv},
	{"sum_minus_7_25", "1 1 x -7.25 x .\n"sv, "-7.25\n"sv},
	// the same rules at the other edges of the format
	{"sum_rounds_up_to_10", "1 1 x 9.9999996 x .\n"sv, "10\n"sv},
	{"sum_rounds_up_into_fixed", "1 1 x 0.00009999996 x .\n"sv, "0.0001\n"sv},
	{"sum_small_fraction_in_full", "1 1 x 0.000123456 x .\n"sv,
	    "0.000123456\n"sv},
	{"sum_three_exponent_digits", "1 1 x 1e100 x .\n"sv, "1e+100\n"sv},
	{"sum_negative_small", "1 1 x -0.00001 x .\n"sv, "-1e-05\n"sv},
	{"sum_cancels_to_0", "2 1 a 2.5 b -2.5 a b .\n"sv, "0\n"sv},

	// lookups
	{"word_twice_counts_twice", "1 1 a 7 a a .\n"sv, "14\n"sv},
	{"duplicate_pair_gives_second", "2 1 a 1 a 2 a .\n"sv, "2\n"sv},
	{"duplicate_triple_gives_third", "3 1 a 1 a 2 a 3 a .\n"sv, "3\n"sv},
	{"duplicates_among_others", "4 1 b 5 a 1 c 9 a 2 a b c .\n"sv,
	    "16\n"sv},
	{"case_sensitive", "2 1 Apple 1 apple 2 Apple apple APPLE aPPLE .\n"sv,
	    "3\n"sv},
	{"prefix_words_apart", "2 1 ba 2 b 1 b ba bab bb .\n"sv, "3\n"sv},
	{"dot_entry_never_counts", "2 2 . 100 a 1 a . a .\n"sv, "1\n1\n"sv},
	{"trailing_dot_is_another_word", "1 1 a 1 a. a .a a .\n"sv, "2\n"sv},
	{"high_bytes_are_words", "2 1 \xe9t\xe9 4 ete 1 \xe9t\xe9 ete \xc3\xa9 .\n"sv,
	    "5\n"sv},
	{"word_of_19_matches", "1 1 abcdefghijklmnopqrs 3 abcdefghijklmnopqrs .\n"sv,
	    "3\n"sv},

	// dictionary and text counts
	{"empty_dictionary_prints_0", "0 2 a . b c .\n"sv, "0\n0\n"sv},
	// by hand: with no dictionary ".x" is still a word of its own, not
	// the "." that ends a text, so the second text never ends
	{"dot_with_tail_is_a_word", "0 2 .x .\n"sv, "0\n"sv},
	{"no_texts_no_output", "1 0 a 1 a .\n"sv, ""sv},
	{"negative_text_count", "1 -3 a 1 a .\n"sv, ""sv},
	{"negative_size_reads_no_entries", "-1 1 a 5 a .\n"sv, "0\n"sv},
	{"most_negative_size", "-2147483648 2 a . b .\n"sv, "0\n0\n"sv},
	{"signed_counts", "+1 +1 a 1 a .\n"sv, "1\n"sv},

	// values in every form "%lf" reads
	{"value_signs_and_exponents", "3 1 a +1.5 b -.5e1 c 2E-1 a b c .\n"sv,
	    "-3.3\n"sv},
	{"value_hexadecimal", "1 1 a 0x1p4 a .\n"sv, "16\n"sv},
	// by hand: the value lies a hair above 1 + 2^-53, halfway between 1
	// and the next double 1 + 2^-52, so it rounds up, and less 1 leaves
	// 2^-52; rounded first to 64 bits it would be the halfway point itself,
	// which goes to the even double, 1, and the sum would be 0
	{"value_rounded_once_to_double",
	    "2 1 a 1.00000000000000011102230246251566 b -1 a b .\n"sv,
	    "2.22045e-16\n"sv},
	{"value_infinity", "2 2 a inf b -INFINITY a . b .\n"sv, "inf\n-inf\n"sv},
	{"value_nan", "1 1 a nan a .\n"sv, "nan\n"sv},
	{"value_huge_is_infinite", "1 1 a 1e999 a .\n"sv, "inf\n"sv},
	{"value_glued_to_next_word", "2 1 a 10b 5 a b .\n"sv, "15\n"sv},

	// input that ends early: the texts before it, nothing more
	{"empty_input", ""sv, ""sv},
	{"only_whitespace", " \n\t\n"sv, ""sv},
	{"ends_after_size", "1"sv, ""sv},
	{"ends_after_header", "1 1\n"sv, ""sv},
	{"ends_after_entry_word", "1 1 a"sv, ""sv},
	{"ends_inside_dictionary", "2 1 a 1\n"sv, ""sv},
	{"ends_before_first_text", "1 1 a 1\n"sv, ""sv},
	{"ends_inside_text", "1 1 a 1 a a\n"sv, ""sv},
	{"ends_inside_last_text", "1 3 a 1 a . a a . a\n"sv, "1\n2\n"sv},

	// a token that is not a number where one is needed ends the run
	{"size_not_a_number", "x 1 a 1 a .\n"sv, ""sv},
	{"text_count_not_a_number", "1 x a 1 a .\n"sv, ""sv},
	{"value_not_a_number", "2 1 a 1 b x a .\n"sv, ""sv},
	{"size_beyond_int", "99999999999 1 a 1 a .\n"sv, ""sv},
	{"size_just_beyond_int", "2147483648 1 a 1 a .\n"sv, ""sv},
	{"text_count_beyond_int", "1 2147483648 a 1 a .\n"sv, ""sv},
	{"text_count_largest_int", "1 2147483647 a 1 a . a a .\n"sv,
	    "1\n2\n"sv},

	// a NUL byte ends a word, as it ends a C string: a\0b is a, and the
	// pair a 5, a 1 gives 1 as duplicates do
	{"nul_ends_word", "2 1 a\0b 5 a 1 a\0b a a\0 .\n"sv, "3\n"sv},
	{"dot_nul_ends_text", "1 1 a 1 a .\0 a .\n"sv, "1\n"sv},
	{"nul_within_longest_word", "1 1 ab 5 ab\0xyz abc\0 ab\0\0 .\n"sv, "10\n"sv},
	{"nul_as_value_ends", "1 1 a \0 a .\n"sv, ""sv},
	{"nul_in_header_ends", "\0 1 a 1 a .\n"sv, ""sv},
};
// clang-format on
FILTER_CASES(Wordvalue, cases);

// Words longer than 19 bytes are kept whole; one matches only itself.
TEST(Wordvalue, LongWordsMatchOnlyInFull)
{
	std::string huge(1000000, 'x'), w19(19, 'x'), w20(20, 'x');
	std::string in = "3 1\n" + huge + " 1\n" + w19 + " 2\n" + w20 + " 4\n";
	in += huge + ' ' + w19 + ' ' + w20 + ' ' + std::string(21, 'x') + ' ' +
	    std::string(999999, 'x') + ' ' + huge + "y " + huge + " .\n";
	expect_filter(in, "8\n");
}

// Distinct words in shuffled order, each valued by its index, and one text
// per word (with a word that misses) in another order: each line is known.
TEST(Wordvalue, DictionaryBeyondThousandEntries)
{
	const int n = 5000;
	std::vector<int> order(n);
	for (int i = 0; i < n; i++)
		order[i] = i;
	std::mt19937 rng(7);
	std::shuffle(order.begin(), order.end(), rng);
	std::string in = std::to_string(n) + ' ' + std::to_string(n) + '\n';
	for (int i : order)
		in += "k" + std::to_string(i) + ' ' + std::to_string(i) + '\n';
	std::shuffle(order.begin(), order.end(), rng);
	std::string want;
	for (int i : order) {
		in += "k" + std::to_string(i) + " k" + std::to_string(i + n) +
		    " .\n";
		want += std::to_string(i) + '\n';
	}
	expect_filter(in, want);
}

// A large dictionary given in order, and texts whose sums are known.
TEST(Wordvalue, HundredThousandAscendingEntries)
{
	const int n = 100000;
	char w[16];
	std::string in = std::to_string(n) + " 2\n";
	for (int i = 0; i < n; i++) {
		snprintf(w, sizeof w, "w%06d", i);
		in += w + (' ' + std::to_string(i)) + '\n';
	}
	in += "w000000 w050000 w099999 w100000 w .\nw000001 w099998 .\n";
	expect_filter(in, "149999\n99999\n");
}

// Each sum must be written and flushed before the next text is read.
TEST(Wordvalue, AnswersEachTextBeforeTheNext)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	expect_steps({
	    {"2 3\na 1.5\nb 2\na b a .\n", "5\n"},
	    {"b\n", "5\n"},
	    {".\n", "5\n2\n"},
	    {". ", "5\n2\n0\n"},
	}, "5\n2\n0\n");
	// clang-format on
}

// The sort as first written, an independent reference for the arrangement:
// plain recursion, the left side first.
static void
refsort(std::vector<std::string> &w, std::vector<double> &v, int low, int high)
{
	if (low >= high)
		return;
	std::string pw = w[low];
	double pv = v[low];
	int i = low, j = high;
	while (i < j) {
		while (w[i] <= pw && i < j)
			i++;
		while (w[j] > pw)
			j--;
		if (i < j) {
			std::swap(w[i], w[j]);
			std::swap(v[i], v[j]);
		}
	}
	w[low] = w[j];
	v[low] = v[j];
	w[j] = pw;
	v[j] = pv;
	refsort(w, v, low, j - 1);
	refsort(w, v, j + 1, high);
}

// Sorts the words in place with the program's quicksort; dollar[i] starts
// as i, so every value names the row its word was read into.
static void
sortwords(std::vector<std::string> &w)
{
	dollar.clear();
	for (size_t i = 0; i < w.size(); i++)
		dollar.push_back(static_cast<double>(i));
	quicksort(w, 0, static_cast<int>(w.size()) - 1);
}

static std::vector<std::string>
dictionary(const std::string &kind, int n, std::mt19937 &rng)
{
	std::vector<std::string> w;
	for (int i = 0; i < n; i++) {
		char buf[16];
		if (kind == "ascending")
			snprintf(buf, sizeof buf, "%06d", i);
		else if (kind == "descending")
			snprintf(buf, sizeof buf, "%06d", n - i);
		else if (kind == "equal")
			snprintf(buf, sizeof buf, "same");
		else if (kind == "few") // many duplicates, prefixes and cases
			snprintf(buf, sizeof buf, "%.*s", int(rng() % 3),
			    &"aAb"[rng() % 3]);
		else
			snprintf(buf, sizeof buf, "%u",
			    unsigned(rng() % 100000));
		w.push_back(buf);
	}
	return w;
}

TEST(Wordvalue, SortKeepsValuesWithWordsAndMatchesReference)
{
	std::mt19937 rng(1);
	for (std::string kind :
	    {"ascending", "descending", "equal", "few", "random"}) {
		for (int n : {0, 1, 2, 3, 10, 500, 3000}) {
			SCOPED_TRACE(kind + " " + std::to_string(n));
			std::vector<std::string> in = dictionary(kind, n, rng);
			std::vector<std::string> w = in, refw = in;
			std::vector<double> refv;
			for (int i = 0; i < n; i++)
				refv.push_back(i);
			sortwords(w);
			refsort(refw, refv, 0, n - 1);
			ASSERT_TRUE(std::is_sorted(w.begin(), w.end()));
			std::vector<bool> seen(n);
			for (int r = 0; r < n; r++) {
				int from = static_cast<int>(dollar[r]);
				ASSERT_TRUE(
				    from >= 0 && from < n && !seen[from]);
				seen[from] = true;
				ASSERT_EQ(w[r], in[from]) << "row " << r;
			}
			ASSERT_EQ(w, refw);
			ASSERT_EQ(dollar, refv);
		}
	}
}

// Byte order, upper case before lower, prefixes first, high bytes last.
TEST(Wordvalue, SortOrderIsUnsignedBytes)
{
	std::vector<std::string> w = {"\xff", "z", "ba", "Z", "b", "a", "\x01"};
	sortwords(w);
	EXPECT_EQ(w,
	    (std::vector<std::string>{"\x01", "Z", "a", "b", "ba", "z",
	        "\xff"}));
	EXPECT_EQ(dollar, (std::vector<double>{6, 3, 5, 4, 2, 1, 0}));
}

// The duplicate examples: a 1, a 2 and a 1, a 2, a 3.
TEST(Wordvalue, DuplicateArrangement)
{
	std::vector<std::string> w = {"a", "a"};
	dollar = {1, 2};
	quicksort(w, 0, 1);
	EXPECT_EQ(dollar, (std::vector<double>{2, 1}));
	EXPECT_EQ(binarysearch(w, "a", 2), 0);

	w = {"a", "a", "a"};
	dollar = {1, 2, 3};
	quicksort(w, 0, 2);
	EXPECT_EQ(dollar, (std::vector<double>{2, 3, 1}));
	EXPECT_EQ(binarysearch(w, "a", 3), 1);
}

TEST(Wordvalue, SearchFindsEachRowAndMissesTheRest)
{
	std::vector<std::string> w = {"B", "a", "b", "ba", "bb", "c", "d"};
	const int n = static_cast<int>(w.size());
	for (int r = 0; r < n; r++)
		EXPECT_EQ(binarysearch(w, w[r], n), r) << w[r];
	for (const char *miss : {"", "A", "bab", "bc", "e", "\xff", "aa"})
		EXPECT_EQ(binarysearch(w, miss, n), -1) << visible(miss);
	EXPECT_EQ(binarysearch(w, std::string("b\0", 2), n), -1);
	EXPECT_EQ(binarysearch(w, "a", 0), -1);
	EXPECT_EQ(binarysearch(w, "a", 1), -1);
	EXPECT_EQ(binarysearch(w, "B", 1), 0);
}

// Runs f on a thread whose stack is far too small for a recursion as deep
// as the dictionary is long: such a recursion crashes the test.
template <class F>
static void
on_small_stack(F f)
{
	pthread_attr_t attr;
	pthread_t t;
	ASSERT_EQ(pthread_attr_init(&attr), 0);
	ASSERT_EQ(pthread_attr_setstacksize(&attr, 64 * 1024), 0);
	auto thunk = [](void *p) -> void * {
		(*static_cast<F *>(p))();
		return nullptr;
	};
	ASSERT_EQ(pthread_create(&t, &attr, thunk, &f), 0);
	pthread_join(t, nullptr);
	pthread_attr_destroy(&attr);
}

TEST(Wordvalue, SortDepthStaysSmall)
{
	std::mt19937 rng(3);
	for (std::string kind : {"descending", "equal"}) {
		SCOPED_TRACE(kind);
		std::vector<std::string> w = dictionary(kind, 10000, rng);
		on_small_stack([&] { sortwords(w); });
		EXPECT_TRUE(std::is_sorted(w.begin(), w.end()));
	}
}
