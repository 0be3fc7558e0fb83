// soundcode: writes for each word a line of digits for the sound of its
// consonants, one digit per run of capital letters of one sound class.

#include <cstdio>
#include <iostream>
#include <string>

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
	std::string word;
	int last;

	gen();
	// Words are split at white space as "%s" splits them, but have no
	// length limit.
	while (std::cin >> word) {
		last = -1;
		// A zero byte read into a word ends it, as in a C string.
		for (const char *p = word.c_str(); *p != '\0'; p++) {
			int code = str[static_cast<unsigned char>(*p)];
			if (code == 0) {
				last = -1;	// an uncoded character ends the run
			} else if (code != last) {
				putchar(code);
				last = code;
			}
		}
		putchar('\n');
		// Each line is out before the next word is read.
		fflush(stdout);
	}
	return 0;
}
