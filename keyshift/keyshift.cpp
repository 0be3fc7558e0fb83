// keyshift: repairs lines typed with the hands two keys too far to the right.
//
// Each line is lower-cased, then every byte goes through keymap, which sends
// a key on one of the four unshifted keyboard rows to the key two places to
// its left on the same row and leaves every other byte as it is.

#include <cstdio>
#include <cstring>
#include <iostream>

// The unshifted keys of each row, left to right.  The backslash ends the
// home row, after the apostrophe, so it maps to the semicolon.
static const char *const rows[] = {
	"`1234567890-=",
	"qwertyuiop[]",
	"asdfghjkl;'\\",
	"zxcvbnm,./",
};

// Returns a lower-cased copy of s, up to its first zero byte; only A to Z
// change.  The copy lives in a buffer of strlower's own, good until the
// next call, and holds at most 271 bytes, as much as one piece of a line.
static const char *
strlower(const char *s)
{
	static char low[272];
	size_t i;

	for (i = 0; i < sizeof low - 1 && s[i] != '\0'; i++)
		low[i] = s[i] >= 'A' && s[i] <= 'Z' ? static_cast<char>(s[i] + 32) : s[i];
	low[i] = '\0';
	return low;
}

int
main()
{
	unsigned char keymap[256];
	char line[272];
	bool cut = false;	// a zero byte has ended this line's output

	for (int b = 0; b < 256; b++)
		keymap[b] = static_cast<unsigned char>(b);
	for (const char *row : rows)
		for (int i = 2; row[i] != '\0'; i++)
			keymap[static_cast<unsigned char>(row[i])] = row[i - 2];

	// A line is read in pieces of at most 271 bytes, so one of any length
	// needs no more room than that; a last line without a line feed still
	// counts.  Only when not one byte is left does the read come back empty.
	for (;;) {
		std::cin.getline(line, sizeof line);
		if (std::cin.gcount() == 0)
			return 0;
		// The read fails only when the piece filled line and the line
		// goes on.
		bool more = std::cin.fail();
		std::cin.clear();

		if (!cut) {
			strcpy(line, strlower(line));
			for (const char *p = line; *p != '\0'; p++)
				putchar(keymap[static_cast<unsigned char>(*p)]);
			// A zero byte inside a full piece ends the line's output
			// there: the rest of the line is read and dropped.
			cut = strlen(line) < sizeof line - 1;
		}
		if (!more) {
			putchar('\n');
			// Each line is out before the next one is read.
			fflush(stdout);
			cut = false;
		}
	}
}
