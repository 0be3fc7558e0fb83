// keyshift: repairs lines typed with the hands two keys too far to the right.
//
// Each line is lower-cased, then every byte goes through keymap, which sends
// a key on one of the four unshifted keyboard rows to the key two places to
// its left on the same row and leaves every other byte as it is.

#include <cstdio>
#include <iostream>
#include <string>

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
// next call.
static const char *
strlower(const char *s)
{
	static std::string low;

	low.clear();
	for (; *s != '\0'; s++)
		low += *s >= 'A' && *s <= 'Z' ? static_cast<char>(*s + 32) : *s;
	return low.c_str();
}

int
main()
{
	unsigned char keymap[256];
	std::string line;

	for (int b = 0; b < 256; b++)
		keymap[b] = static_cast<unsigned char>(b);
	for (const char *row : rows)
		for (int i = 2; row[i] != '\0'; i++)
			keymap[static_cast<unsigned char>(row[i])] = row[i - 2];

	// A line is read whole, however long; a last line without a line
	// feed still counts.
	while (std::getline(std::cin, line)) {
		// A zero byte inside the line ends it here: the copy stops there.
		line = strlower(line.c_str());
		for (unsigned char c : line)
			putchar(keymap[c]);
		putchar('\n');
		// Each line is out before the next one is read.
		fflush(stdout);
	}
	return 0;
}
