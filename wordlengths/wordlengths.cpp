// wordlengths: for each block of text ended by "#", how many words there are
// of each length.
//
// A word's length counts its letters only: an apostrophe or hyphen inside a
// word neither counts nor splits it, and a hyphen at the end of a line joins
// the word with the one that starts the next line.  Words of more than 39
// letters are counted in a table of their own and listed after the others.

#include <algorithm>
#include <array>
#include <cstring>
#include <map>

#include "../io.h"

// What each byte is to a word, the line feed aside: -1 ends it (blank,
// "?", "!", ",", "."), 0 belongs to it without counting (apostrophe,
// hyphen), 1 is a counted letter (every other byte: punctuation, tab and NUL
// included).
static constexpr std::array<signed char, 256> kind = [] {
	std::array<signed char, 256> k;
	k.fill(1);
	for (unsigned char c : {' ', '?', '!', ',', '.'})
		k[c] = -1;
	k['\''] = k['-'] = 0;
	return k;
}();

// Classifies one byte: -1 ends the word, 0 belongs to it without counting,
// 1 is a counted letter.  pch is the last byte that was a letter, an
// apostrophe or a hyphen; it lives for the whole run and is never reset,
// not even between blocks.  A line feed ends the word unless pch is a
// hyphen: blank lines after a line-end hyphen keep the word open too.  No
// branch but the line feed's, as a byte of text is as likely to end a word
// as not.
static inline int
chk(char c, char &pch)
{
	// NOLINTNEXTLINE(bugprone-signed-char-misuse): -1, 0 or 1, not a byte
	int k = kind[static_cast<unsigned char>(c)];

	if (c == '\n')
		return pch == '-' ? 0 : -1;
	char keep = static_cast<char>(k >> 1); // all ones where k is -1
	pch = static_cast<char>((pch & keep) | (c & ~keep));
	return k;
}

// One line "L N": N words of L letters.
static void
report(long long l, long long n)
{
	putint(l);
	putbyte(' ');
	putint(n);
	putbyte('\n');
}

// Prints a block's counts: lengths 1 to 39 from freq, then the longer ones.
static void
counts(const long long *freq, const std::map<long long, long long> &longer)
{
	for (int l = 1; l < 40; l++)
		if (freq[l] != 0)
			report(l, freq[l]);
	for (auto [l, n] : longer)
		report(l, n);
}

int
main()
{
	// 64-bit counts and lengths: no input is long enough to wrap them.
	long long freq[40];                    // freq[0] collects empty words
	std::map<long long, long long> longer; // beyond 39 letters
	long long len = 0;
	char pch = 0;         // see chk
	bool inblock = false; // a block has begun and is not yet printed

	// The input is taken a block of input at a time, up to each "#".
	while (ip < ie || refill()) {
		if (!inblock) {
			std::fill(freq, freq + 40, 0);
			longer.clear();
			len = 0;
			inblock = true;
		}
		char *hash = static_cast<char *>(
		    std::memchr(ip, '#', static_cast<size_t>(ie - ip)));
		char *end = hash != nullptr ? hash : ie;
		for (const char *p = ip; p < end; p++) {
			int r = chk(*p, pch);
			long long ends = r < 0; // 1 where a word ends
			if (len < 40)
				freq[len] += ends;
			else if (ends)
				longer[len]++;
			len = (len + r) & (ends - 1); // 0 after a word's end
		}
		ip = end;
		// A word still open at the "#" is dropped.  Only a block ended
		// by "#" gets the empty line.
		if (hash != nullptr) {
			ip++;
			counts(freq, longer);
			putbyte('\n');
			inblock = false;
		}
	}
	// A block cut off by the end of input: its counts, no empty line, and
	// the word still open dropped.
	if (inblock)
		counts(freq, longer);
	return 0;
}
