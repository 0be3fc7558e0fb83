// soundcode: writes for each word a line of digits for the sound of its
// consonants, one digit per run of capital letters of one sound class.

#include <cstring>

#include "../io.h"

static char str[256]; // code digit of each byte, 0 for none

// What each byte writes when it follows a byte of another kind: its code
// digit; a line feed for white space, which ends a word and so its line; 0
// (nothing) for a byte that has no code.
static char kind[256];

// The capital letters of each class; class k is written as the digit k.
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
static const char *const classes[] = {
	"BFPV",		// 1
	"CGJKQSXZ",	// 2
	"DT",		// 3
	"L",		// 4
	"MN",		// 5
	"R",		// 6
};
// clang-format on

static void
gen()
{
	for (int k = 0; k < 6; k++)
		for (const char *p = classes[k]; *p != '\0'; p++)
			str[static_cast<unsigned char>(*p)] = static_cast<char>(
			    '1' + k);
	for (int c = 0; c < 256; c++)
		kind[c] = space(c) ? '\n' : str[c];
}

int
main()
{
	// The kind of the byte before, white space before the first.  A
	// coded byte writes its digit unless the byte before it has the same
	// code: that is one run.  White space after a word ends its line.
	int prev = '\n';
	bool ended = false; // a zero byte has ended what is coded of a word

	gen();
	// Words are split at white space as "%s" splits them, and each byte
	// is coded as it is read, a block at a time, without a branch for
	// what it writes: a word of any length needs no room.
	while (ip < ie || refill()) {
		// A zero byte ends what is coded of its word, as it ends a C
		// string: the rest of the word, up to white space, gives no
		// digits, and the word still gets its line.
		if (ended) {
			while (
			    ip < ie && !space(static_cast<unsigned char>(*ip)))
				ip++;
			if (ip == ie)
				continue;
			ended = false;
		}
		char *z = static_cast<char *>(
		    std::memchr(ip, '\0', static_cast<size_t>(ie - ip)));
		char *end = z != nullptr ? z : ie;
		char *out = outroom(static_cast<size_t>(end - ip)), *o = out;
		for (const char *p = ip; p < end; p++) {
			// A digit, a line feed or 0: never a negative char.
			// NOLINTNEXTLINE(bugprone-signed-char-misuse)
			int k = kind[static_cast<unsigned char>(*p)];
			*o = static_cast<char>(k);
			o += k != prev && k != 0;
			prev = k;
		}
		olen += static_cast<size_t>(o - out);
		ip = end;
		if (z != nullptr) {
			ip++;
			ended = true;
			prev = 0; // the word is open: it still needs its line
		}
	}
	if (prev != '\n')
		putbyte('\n');
	return 0;
}
