#include "harness.h"

#include <thread>

#include <sys/ioctl.h>

#define main prog_main
#include "wordlengths/wordlengths.cpp"
#undef main

// Expected values: the worked example, then each rule applied by hand.
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Case cases[] = {
	{"worked_example",
	    "Hello, world! It's a well-known\nexam-\nple.\n#\nGo on.\n#\n"sv,
	    "1 1\n3 1\n5 2\n7 1\n9 1\n\n2 2\n\n"sv},

	// blocks: "#" ends one, the next byte starts the next
	{"empty_input", ""sv, ""sv},
	{"hash_alone", "#"sv, "\n"sv},
	{"hash_and_line_feed", "#\n"sv, "\n"sv},
	{"two_empty_blocks", "#\n#\n"sv, "\n\n"sv},
	{"word_before_hash_dropped", "one two#three"sv, "3 1\n\n"sv},
	{"cut_off_block_no_empty_line", "to be or not.\n"sv, "2 3\n3 1\n"sv},
	{"word_at_end_of_input_dropped", "abc def"sv, "3 1\n"sv},
	{"counts_restart_each_block", "a b #c #\n"sv, "1 2\n\n1 1\n\n"sv},
	{"line_feed_after_hash_opens_block", "a #\nbb \n#"sv, "1 1\n\n2 1\n\n"sv},
	{"hyphen_before_hash_dropped", "ab-\n#"sv, "\n"sv},
	{"only_separators", " ,.!?\n\n#"sv, "\n"sv},

	// inside words: apostrophes and hyphens join without counting
	{"apostrophe_inside", "don't \n"sv, "4 1\n"sv},
	{"hyphens_inside", "mother-in-law.\n"sv, "11 1\n"sv},
	{"lone_hyphen_no_word", "a - b \n"sv, "1 2\n"sv},
	{"lone_apostrophe_no_word", "a ' b \n"sv, "1 2\n"sv},

	// line ends: a hyphen right before the line feed joins the lines
	{"hyphen_at_line_end_joins", "exam-\nple.\n"sv, "7 1\n"sv},
	{"blank_before_line_end_splits", "exam- \nple.\n"sv, "3 1\n4 1\n"sv},
	{"blank_lines_after_hyphen_join", "a-\n\nb \n"sv, "2 1\n"sv},
	{"apostrophe_after_hyphen_splits", "a-'\nb \n"sv, "1 2\n"sv},
	{"line_feed_ends_word", "ab\ncd\n"sv, "2 2\n"sv},
	{"carriage_return_is_letter", "ab\r\n"sv, "3 1\n"sv},
	{"carriage_return_after_hyphen_splits", "exam-\r\nple.\n"sv,
	    "3 1\n5 1\n"sv},

	// separators: only blank ? ! , . end words; empty words are not listed
	{"consecutive_separators", "Hi, there.\nYes!? No.\n"sv,
	    "2 2\n3 1\n5 1\n"sv},
	{"other_punctuation_counts", "end; (x) \"q\":\n"sv, "3 1\n4 2\n"sv},
	{"tab_is_letter", "a\tb \n"sv, "3 1\n"sv},
	{"digits_are_letters", "route 66 \n"sv, "2 1\n5 1\n"sv},
	{"nul_is_letter", "a\0b \n"sv, "3 1\n"sv},
	{"high_bytes_are_letters", "\xc3\xa9t\xc3\xa9 \n"sv, "5 1\n"sv},
	{"byte_ff_is_no_end_of_input", "\xff \xff#ab \n#"sv, "1 1\n\n2 1\n\n"sv},

	// the largest in-contract length, and the first beyond it
	{"thirty_nine_letters",
	    "abcdefghijklmnopqrstuvwxyzabcdefghijklm \n"sv, "39 1\n"sv},
	{"forty_letters_after_shorter",
	    "abcdefghijklmnopqrstuvwxyzabcdefghijklmn a \n"sv,
	    "1 1\n40 1\n"sv},
};
// clang-format on
FILTER_CASES(Wordlengths, cases);

// Every byte but "#" between two letters, one block each; the expected
// class of each byte is the rule written out here.
TEST(Wordlengths, EveryByteClassified)
{
	std::string in, want;
	for (int b = 0; b < 256; b++) {
		if (b == '#')
			continue;
		in += 'a';
		in += static_cast<char>(b);
		in += "a #";
		std::string_view ends = " ?!,.\n", joins = "'-";
		if (ends.find(static_cast<char>(b)) != ends.npos)
			want += "1 2\n\n";
		else if (joins.find(static_cast<char>(b)) != joins.npos)
			want += "2 1\n\n";
		else
			want += "3 1\n\n";
	}
	expect_filter(in, want);
}

// Words beyond 39 letters follow the shorter ones in increasing length,
// however they arrive; a following block starts without them.
TEST(Wordlengths, LongWordsListedAfterShorter)
{
	std::string in;
	for (int n : {1000000, 40, 3, 1000, 40, 39, 1000})
		in += std::string(n, 'x') + ' ';
	in += std::string(5000, 'y') + "#ab \n#";
	expect_filter(in, "3 1\n39 1\n40 2\n1000 2\n1000000 1\n\n2 1\n\n");
}

// A long word is joined across lines like a short one.
TEST(Wordlengths, LongWordAcrossLines)
{
	std::string in = std::string(600, 'x') + "-\n" + std::string(400, 'y') +
	    "\n";
	expect_filter(in, "1000 1\n");
}

TEST(Wordlengths, MillionWordsInOneBlock)
{
	std::string in;
	for (int i = 0; i < 1000000; i++)
		in += "a ";
	expect_filter(in + "bb.#", "1 1000000\n2 1\n\n");
}

// The last letter, apostrophe or hyphen decides a line feed; separators
// and line feeds leave it alone.
TEST(Wordlengths, ChkRemembersLastJoiningByte)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	struct { char c; int want; } steps[] = {
		{'a', 1}, {'\n', -1}, {'-', 0}, {'\n', 0}, {'\n', 0}, {' ', -1},
		{'.', -1}, {'\n', 0}, {'\'', 0}, {'\n', -1}, {'-', 0}, {'\r', 1},
		{'\n', -1}, {'#', 1}, {'\0', 1}, {'\xff', 1},
	};
	// clang-format on
	char pch = 0;
	for (auto [c, want] : steps)
		EXPECT_EQ(chk(c, pch), want) << "byte " << visible({&c, 1});
}

// Each block's lines must be out before the next block is read.
TEST(Wordlengths, AnswersEachBlockBeforeTheNext)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	expect_steps({
	    {"hi there #", "2 1\n5 1\n\n"},
	    {"go on #\n", "2 1\n5 1\n\n2 2\n\n"},
	}, "2 1\n5 1\n\n2 2\n\n");
	// clang-format on
}

// Sends the bytes and waits until the program has taken them all from the
// pipe, so that whatever is sent next reaches it in a read of its own.
bool
send_alone(Child &c, std::string_view bytes)
{
	if (!send(c, bytes))
		return false;
	for (int i = 0; i < 5000; i++) {
		int left = 0;
		if (ioctl(c.in, FIONREAD, &left) < 0)
			return false;
		if (left == 0)
			return true;
		std::this_thread::sleep_for(1ms);
	}
	return false;
}

// A block that comes in several reads counts as if read at once: the
// counts, the word in progress and the hyphen before a line feed all carry
// over from one read to the next.  Expected values by hand: a, abcd, ef.
TEST(Wordlengths, BlockAcrossReads)
{
	Child c = start();
	for (std::string_view piece : {"a ab"sv, "cd e-"sv, "\nf #"sv})
		EXPECT_TRUE(send_alone(c, piece)) << visible(piece);
	expect_run(finish(c), "1 1\n2 1\n4 1\n\n");
}
