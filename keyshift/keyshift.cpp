// keyshift: repairs lines typed with the hands two keys too far to the right.
//
// Each line is lower-cased, then every byte goes through keymap, which sends
// a key on one of the four unshifted keyboard rows to the key two places to
// its left on the same row and leaves every other byte as it is.

#include <cstring>

#include "../io.h"

// The unshifted keys of each row, left to right.  The backslash ends the
// home row, after the apostrophe, so it maps to the semicolon.
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
static const char *const rows[] = {
	"`1234567890-=",
	"qwertyuiop[]",
	"asdfghjkl;'\\",
	"zxcvbnm,./",
};
// clang-format on

// Copies n bytes from s to low, lower-cased: only A to Z change.
static void
strlower(char *low, const char *s, size_t n)
{
	for (size_t i = 0; i < n; i++)
		low[i] = s[i] >= 'A' && s[i] <= 'Z' ?
		    static_cast<char>(s[i] + 32) :
		    s[i];
}

int
main()
{
	unsigned char keymap[256];
	bool open = false; // a line has begun and its line feed is not out
	bool cut = false;  // a zero byte has ended this line's output

	for (int b = 0; b < 256; b++)
		keymap[b] = static_cast<unsigned char>(b);
	for (const char *row : rows)
		for (int i = 2; row[i] != '\0'; i++)
			keymap[static_cast<unsigned char>(row[i])] = row[i - 2];

	// The input is mapped a block at a time, straight into the output:
	// lines are independent and the line feed maps to itself, so a block
	// is mapped whole up to its first zero byte, and a line of any length
	// needs no room of its own.
	while (ip < ie || refill()) {
		// A zero byte ends its line's output there: the rest of the
		// line is read and dropped, and the line feed still written.
		if (cut) {
			char *nl = static_cast<char *>(std::memchr(ip, '\n',
			    static_cast<size_t>(ie - ip)));
			if (nl == nullptr) {
				ip = ie;
				continue;
			}
			ip = nl;
			cut = false;
		}
		char *z = static_cast<char *>(
		    std::memchr(ip, '\0', static_cast<size_t>(ie - ip)));
		char *end = z != nullptr ? z : ie;
		if (end > ip) {
			size_t n = static_cast<size_t>(end - ip);
			char *low = outroom(n);
			strlower(low, ip, n);
			// NOLINTBEGIN(bugprone-narrowing-conversions): the byte
			// from the map is stored back into a char unchanged.
			for (size_t i = 0; i < n; i++)
				low[i] =
				    keymap[static_cast<unsigned char>(low[i])];
			// NOLINTEND(bugprone-narrowing-conversions)
			olen += n;
			open = end[-1] != '\n';
		}
		ip = end;
		if (z != nullptr) {
			ip++;
			cut = open = true;
		}
	}
	// A last line without a line feed still gets one.
	if (open)
		putbyte('\n');
	return 0;
}
