// soundcode: writes for each word a line of digits for the sound of its
// consonants, one digit per run of capital letters of one sound class.

#include "../io.h"

static char str[256];	// code digit of each byte, 0 for none

// The capital letters of each class; class k is written as the digit k.
static const char *const classes[] = {
	"BFPV",		// 1
	"CGJKQSXZ",	// 2
	"DT",		// 3
	"L",		// 4
	"MN",		// 5
	"R",		// 6
};

static void
gen()
{
	for (int k = 0; k < 6; k++)
		for (const char *p = classes[k]; *p != '\0'; p++)
			str[static_cast<unsigned char>(*p)] = static_cast<char>('1' + k);
}

int
main()
{
	int c, last;

	gen();
	// Words are split at white space as "%s" splits them.  Each character
	// is coded as it is read, so a word of any length needs no room.
	for (;;) {
		if ((c = skipspace()) == EOF)
			return 0;
		last = -1;
		for (; c != EOF && c != '\0' && !space(c); c = getbyte()) {
			int code = str[c];
			if (code == 0) {
				last = -1;	// an uncoded character ends the run
			} else if (code != last) {
				putbyte(code);
				last = code;
			}
		}
		// A zero byte ends what is coded of its word, as it ends a C
		// string: the rest of the word gives no digits.
		while (c != EOF && !space(c))
			c = getbyte();
		putbyte('\n');
	}
}
