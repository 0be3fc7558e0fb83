#include "harness.h"

#include <cstring>
#include <vector>

#define main keyshift_main
#include "keyshift/keyshift.cpp"
#undef main

// Expected values: the worked examples, and the key rows read off by hand
// (each key gives the one two places to its left; the first two stay).
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Case cases[] = {
	{"worked_example", "KT''[ R[Y'G!\n\nJdut 9\n"sv, "hello world!\n\ngate 7\n"sv},
	{"q_equals_3_backslash", "Q=3\\\n"sv, "q01;\n"sv},
	{"upper_case_maps_like_lower", "EDCRFV\n"sv, "qazwsx\n"sv},
	{"left_keys_stay", "`1qwaszx\n"sv, "`1qwaszx\n"sv},
	{"left_letters_upper_come_out_lower", "QWASZX\n"sv, "qwaszx\n"sv},
	{"digits_minus_equals", "1234567890-=\n"sv, "1`1234567890\n"sv},
	{"brackets_and_home_row_end", "[];'\\\n"sv, "opkl;\n"sv},
	{"bottom_row_end", "m,./\n"sv, "bnm,\n"sv},
	{"shifted_symbols_stay", "!@#$%^&*()_+{}|:\"<>?~\n"sv,
	    "!@#$%^&*()_+{}|:\"<>?~\n"sv},
	{"space_and_tab_stay", " \t e \t\n"sv, " \t q \t\n"sv},
	{"control_bytes_stay", "\x01\x07\x0b\x0c\x1b\x7f\n"sv, "\x01\x07\x0b\x0c\x1b\x7f\n"sv},
	{"high_bytes_stay", "\x80\xc4\xe9\xff\n"sv, "\x80\xc4\xe9\xff\n"sv},
	{"high_bytes_between_keys", "d\xc9" "d\n"sv, "a\xc9" "a\n"sv},

	// line structure
	{"empty_input", ""sv, ""sv},
	{"empty_line", "\n"sv, "\n"sv},
	{"only_empty_lines", "\n\n\n"sv, "\n\n\n"sv},
	{"last_line_without_line_feed", "Jdut\n9"sv, "gate\n7\n"sv},
	{"single_line_without_line_feed", "ktt"sv, "hee\n"sv},
	{"carriage_return_kept_before_line_feed", "Jdut\r\n9\r\n"sv, "gate\r\n7\r\n"sv},
	{"lone_carriage_return", "\r\n"sv, "\r\n"sv},

	// a zero byte ends that line's output; its line feed still follows
	{"nul_inside_line", "jd\0ut\nut\n"sv, "ga\nte\n"sv},
	{"nul_first_in_line", "\0jdut\n9\n"sv, "\n7\n"sv},
	{"nul_last_in_line", "jd\0\n"sv, "ga\n"sv},
	{"nul_in_last_line_without_line_feed", "jd\0ut"sv, "ga\n"sv},
	{"only_nul", "\0"sv, "\n"sv},
};
// clang-format on
FILTER_CASES(Keyshift, cases);

// The 39 keys that move, as listed by hand from the keyboard rows: input
// byte, output byte.  Every other byte maps to itself.
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const unsigned char moved[][2] = {
	{'2', '`'}, {'3', '1'}, {'4', '2'}, {'5', '3'}, {'6', '4'}, {'7', '5'},
	{'8', '6'}, {'9', '7'}, {'0', '8'}, {'-', '9'}, {'=', '0'},
	{'e', 'q'}, {'r', 'w'}, {'t', 'e'}, {'y', 'r'}, {'u', 't'}, {'i', 'y'},
	{'o', 'u'}, {'p', 'i'}, {'[', 'o'}, {']', 'p'},
	{'d', 'a'}, {'f', 's'}, {'g', 'd'}, {'h', 'f'}, {'j', 'g'}, {'k', 'h'},
	{'l', 'j'}, {';', 'k'}, {'\'', 'l'}, {'\\', ';'},
	{'c', 'z'}, {'v', 'x'}, {'b', 'c'}, {'n', 'v'}, {'m', 'b'}, {',', 'n'},
	{'.', 'm'}, {'/', ','},
};
// clang-format on

// The expected output byte for one input byte, from the list above.
unsigned char
shifted(unsigned char b)
{
	if (b >= 'A' && b <= 'Z')
		b += 32;
	for (auto &m : moved)
		if (m[0] == b)
			return m[1];
	return b;
}

// Each moved key on a line of its own, then its upper-case letter.
TEST(Keyshift, EveryMovedKey)
{
	std::string in, want;
	for (auto &m : moved) {
		in += static_cast<char>(m[0]);
		in += '\n';
		want += static_cast<char>(m[1]);
		want += '\n';
		if (m[0] >= 'a' && m[0] <= 'z') {
			in += static_cast<char>(m[0] - 32);
			in += '\n';
			want += static_cast<char>(m[1]);
			want += '\n';
		}
	}
	expect_filter(in, want);
}

// Every byte from 1 to 255 but the line feed, on one line: the moved keys
// move, upper case maps like lower case, everything else stays.
TEST(Keyshift, EveryByteValue)
{
	std::string in, want;
	for (int b = 1; b < 256; b++) {
		if (b == '\n')
			continue;
		in += static_cast<char>(b);
		want += static_cast<char>(
		    shifted(static_cast<unsigned char>(b)));
	}
	expect_filter(in + "\n", want + "\n");
}

// Lines far beyond the usual 271 characters are mapped in full.
TEST(Keyshift, LongLinesMappedInFull)
{
	const std::string_view pattern = "KT''[ R[Y'G! Jdut 9 \x80\t\r"sv;
	for (size_t len : {271u, 272u, 100000u, 1000000u}) {
		std::string in, want;
		for (size_t i = 0; i < len; i++) {
			unsigned char b = pattern[i % pattern.size()];
			in += static_cast<char>(b);
			want += static_cast<char>(shifted(b));
		}
		expect_filter(in + "\nJdut\n", want + "\ngate\n");
	}
}

// The output line for one input line without its line feed: each byte
// shifted, up to the first zero byte, then a line feed.
std::string
mapped(std::string_view line)
{
	std::string out;
	for (unsigned char b : line.substr(0, line.find('\0')))
		out += static_cast<char>(shifted(b));
	return out + '\n';
}

// A line is read 271 bytes at a time: lines of every length around one,
// two and three pieces, with a zero byte or a carriage return on either
// side of a piece boundary, give what the whole line gives.
TEST(Keyshift, PieceBoundariesChangeNothing)
{
	const std::string_view pattern = "Jdut 9 KT''[ R[Y'G!\x80\t"sv;
	for (size_t k = 1; k <= 3; k++) {
		for (size_t len = 271 * k - 2; len <= 271 * k + 2; len++) {
			std::string line, in, want;
			for (size_t i = 0; i < len; i++)
				line += pattern[i % pattern.size()];
			std::vector<std::string> variants = {line};
			for (size_t at = 271 * k - 2;
			     at <= 271 * k + 1 && at < len; at++) {
				std::string v = line;
				v[at] = '\0';
				variants.push_back(v);
			}
			variants.push_back(line.substr(0, len - 1) + '\r');
			for (auto &v : variants) {
				in += v + '\n';
				want += mapped(v);
			}
			// and the plain line once more, last and without a line feed
			SCOPED_TRACE(len);
			expect_filter(in + line, want + mapped(line));
		}
	}
	// a zero byte early in a line of three pieces drops the other two
	std::string line(813, 'D');
	line[5] = '\0';
	expect_filter(line + "\nJdut\n", "aaaaa\ngate\n");
}

// Each line's output must be out before the next line is read.
TEST(Keyshift, AnswersEachLineBeforeTheNext)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	expect_steps({
	    {"KT''[\n", "hello\n"},
	    {"\n", "hello\n\n"},
	    {"Jdut 9", "hello\n\n"},
	}, "hello\n\ngate 7\n");
	// clang-format on
}

// Each send arrives as a read of its own, so these lines break across
// reads: the rest of a line after a zero byte is dropped even when it comes
// in a later read, and such a line still gets its line feed at the end of
// input.  Expected values by hand (j g, d a, u t, t e, K h, T e).
TEST(Keyshift, ZeroByteCutAcrossReads)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	expect_steps({
	    {"jd\0u"sv, "ga"},
	    {"t\nut\n", "ga\nte\n"},
	    {"KT\0''"sv, "ga\nte\nhe"},
	    {"[", "ga\nte\nhe"},
	}, "ga\nte\nhe\n");
	// clang-format on
}

// strlower: a lower-cased copy of n bytes, the source untouched; only A to
// Z change, and a zero byte is copied like any other.  Expected values by
// hand.
TEST(Keyshift, StrlowerCopies)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	const struct {
		std::string_view in, want;
	} rows[] = {
		{""sv, ""sv},
		{"AZaz@[`{"sv, "azaz@[`{"sv},
		{"Hello, World 09"sv, "hello, world 09"sv},
		{"\xc0\xc1\xda\xff"sv, "\xc0\xc1\xda\xff"sv},
		{"AB\0CD"sv, "ab\0cd"sv},
	};
	// clang-format on
	for (auto &r : rows) {
		std::string arg(r.in), low(r.in.size() + 1, '#');
		strlower(low.data(), arg.data(), arg.size());
		EXPECT_EQ(low, std::string(r.want) + "#");
		EXPECT_EQ(arg, r.in) << "argument changed";
	}
}

// Lines far longer than an input block, with zero bytes here and there:
// wherever the blocks end, each line gives what it gives alone.
TEST(Keyshift, LongLinesAcrossBlocks)
{
	const std::string_view pattern = "Jdut 9 KT''[ R[Y'G!\x80\t"sv;
	std::string in, want;
	for (size_t len : {65535u, 65536u, 65537u, 200000u}) {
		std::string line;
		for (size_t i = 0; i < len; i++)
			line += pattern[i % pattern.size()];
		std::string cut = line;
		cut[len - 2] = '\0';
		in += line + '\n' + cut + '\n';
		want += mapped(line) + mapped(cut);
	}
	expect_filter(in + "Jdut", want + "gate\n");
}
