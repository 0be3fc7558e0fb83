// wordlengths: for each block of text ended by "#", how many words there are
// of each length.
//
// A word's length counts its letters only: an apostrophe or hyphen inside a
// word neither counts nor splits it, and a hyphen at the end of a line joins
// the word with the one that starts the next line.  Words of more than 39
// letters are counted in a table of their own and listed after the others.

#include <map>

#include "../io.h"

// Classifies one byte: -1 ends the word, 0 belongs to it without counting,
// 1 is a counted letter.  pch is the last byte that was a letter, an
// apostrophe or a hyphen; it is never reset, not even between blocks.
static int
chk(char c)
{
	static char pch = 0;

	switch (c) {
	case ' ': case '?': case '!': case ',': case '.':
		return -1;
	case '\'': case '-':
		pch = c;
		return 0;
	case '\n':
		// Blank lines after a line-end hyphen keep the word open too.
		return pch == '-' ? 0 : -1;
	default:
		// Every other byte, punctuation, tab and NUL included, is a letter.
		pch = c;
		return 1;
	}
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

int
main()
{
	int ch;

	while ((ch = getbyte()) != EOF) {
		// 64-bit counts and lengths: no input is long enough to wrap them.
		long long freq[40] = {0};	// freq[0] collects empty words
		std::map<long long, long long> longer;	// beyond 39 letters
		long long len = 0;

		// A word still open at the "#" or the end of input is dropped.
		for (; ch != '#' && ch != EOF; ch = getbyte()) {
			int r = chk(static_cast<char>(ch));
			if (r >= 0) {
				len += r;
				continue;
			}
			if (len < 40)
				freq[len]++;
			else
				longer[len]++;
			len = 0;
		}

		for (int l = 1; l < 40; l++)
			if (freq[l] != 0)
				report(l, freq[l]);
		for (auto [l, n] : longer)
			report(l, n);
		if (ch == EOF)
			return 0;
		// Only a block ended by "#" gets the empty line.
		putbyte('\n');
	}
	return 0;
}
