#include "harness.h"

#include <cstring>

// Expected values: the worked example and words coded by hand from the
// letter classes (BFPV 1, CGJKQSXZ 2, DT 3, L 4, MN 5, R 6, others none).
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Case cases[] = {
	{"worked_example", "WASHCLOTH ACCEPT BACKSTOP LETTER Letter AEIOU BB\n"sv,
	    "2243\n213\n1231\n436\n4\n\n1\n"sv},
	{"vowels_only_empty_line", "AEIOU\n"sv, "\n"sv},
	{"small_letters_have_no_code", "letter Letter\n"sv, "\n4\n"sv},
	{"run_of_one_class_once", "BB BFPV CGJKQSXZ\n"sv, "1\n1\n2\n"sv},
	{"vowel_h_w_y_end_a_run", "BAB BHB BWB BYB\n"sv, "11\n11\n11\n11\n"sv},
	{"digit_ends_a_run", "B4B\n"sv, "11\n"sv},
	{"punctuation_ends_a_run", "B-B B'B B.\n"sv, "11\n11\n1\n"sv},
	{"small_letter_ends_a_run", "BbB\n"sv, "11\n"sv},
	{"pebble", "PEBBLE\n"sv, "114\n"sv},
	{"school_glass_fishcake", "SCHOOL GLASS FISHCAKE\n"sv, "24\n242\n1222\n"sv},
	{"first_letter_coded_like_the_rest", "ROBERT\n"sv, "6163\n"sv},
	{"no_cut_no_padding", "A DRUMSTICK\n"sv, "\n365232\n"sv},
	{"word_of_31", "BABABABABABABABABABABABABABABAB\n"sv, "1111111111111111\n"sv},

	// white space: "%s" splits at any run of the six C-locale spaces
	{"empty_input", ""sv, ""sv},
	{"only_white_space", " \t\n\v\f\r\n"sv, ""sv},
	{"every_space_separates", "B\tD\nL\vM\fR\rS G\n"sv, "1\n3\n4\n5\n6\n2\n2\n"sv},
	{"runs_of_space_and_leading_space", "\n\n   BB  \t\t DD\n\n"sv, "1\n3\n"sv},
	{"last_word_without_line_feed", "BB DD"sv, "1\n3\n"sv},
	{"crlf_lines", "BB\r\nDD\r\n"sv, "1\n3\n"sv},

	// outside 7-bit text: a zero byte ends the word as a C string does,
	// a byte above 127 has no code and ends a run
	{"nul_ends_word_codes", "B\0D LL\n"sv, "1\n4\n"sv},
	{"nul_alone_is_a_word", "\0 BB\n"sv, "\n1\n"sv},
	{"nul_first_codes_nothing", "\0BB D\n"sv, "\n3\n"sv},
	{"nul_then_nul_and_letters", "B\0\0DL\0M\tR\n"sv, "1\n6\n"sv},
	{"nul_in_last_word_without_line_feed", "BB D\0D"sv, "1\n3\n"sv},
	{"high_byte_ends_a_run", "B\xff" "B\n"sv, "11\n"sv},
	{"high_bytes_are_no_space", "B\xa0" "D \xc3\xa9\n"sv, "13\n\n"sv},
};
// clang-format on
FILTER_CASES(Soundcode, cases);

// The code of each capital from A to Z by hand, '0' for none.
constexpr std::string_view capitals = "01230120022455012623010202"sv;

char
code(unsigned char b)
{
	return b >= 'A' && b <= 'Z' && capitals[b - 'A'] != '0' ?
	    capitals[b - 'A'] :
	    '\0';
}

TEST(Soundcode, EachCapitalAlone)
{
	std::string in, want;
	for (char c = 'A'; c <= 'Z'; c++) {
		in += c;
		in += '\n';
		if (code(c))
			want += code(c);
		want += '\n';
	}
	expect_filter(in, want);
}

// Every byte but the spaces and NUL as "BxxB": an uncoded byte ends the run
// of B (11), a coded one joins it (1) or writes its own digit once (1c1).
TEST(Soundcode, EveryByteBetweenTwoBs)
{
	std::string in, want;
	for (int b = 1; b < 256; b++) {
		if (strchr(" \t\n\v\f\r", b))
			continue;
		char c = code(static_cast<unsigned char>(b));
		in += "B"s + static_cast<char>(b) + static_cast<char>(b) +
		    "B\n";
		want += c == 0 ? "11\n"s : c == '1' ? "1\n"s : "1"s + c + "1\n";
	}
	expect_filter(in, want);
}

// Words far beyond 31 letters are coded in full.
TEST(Soundcode, LongWordsCodedInFull)
{
	for (size_t n : {16u, 500u, 333333u}) {
		std::string ba, bcd, b1, b3, b(2 * n, 'B');
		for (size_t i = 0; i < n; i++) {
			ba += "BA";
			b1 += '1';
			bcd += "BCDE";
			b3 += "123";
		}
		expect_filter(ba + " " + b + "\n" + bcd + "\n",
		    b1 + "\n1\n" + b3 + "\n");
	}
}

// Each word's line must be out before the next word is read.
TEST(Soundcode, AnswersEachWordBeforeTheNext)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	expect_steps({
	    {"WASHCLOTH ", "2243\n"},
	    {"AEIOU\n", "2243\n\n"},
	    {"BB", "2243\n\n"},
	}, "2243\n\n1\n");
	// clang-format on
}

// Each send arrives as a read of its own, so these words break across
// reads: a run goes on into the next read (B then B gives one 1), the rest
// of a word after a zero byte gives no digits even from a later read, and a
// word cut off just before its white space still gets its line.  Expected
// values by hand from the letter classes.
TEST(Soundcode, WordsAcrossReads)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	expect_steps({
	    {"B", "1"},
	    {"BD\0D"sv, "13"},
	    {"D L\n", "13\n4\n"},
	    {"BB", "13\n4\n1"},
	    {"\nAEIOU", "13\n4\n1\n"},
	}, "13\n4\n1\n\n");
	// clang-format on
}
