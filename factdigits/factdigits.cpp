// factdigits: the sum of the decimal digits of n! for each number n read.
//
// Factorials are built as decimal strings by long multiplication on arrays
// of single digits; there is no big-number type.  The stores grow with the
// numbers, so n beyond the old fixed limit of 1774 is answered exactly too,
// in time that grows with the square of n.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "../io.h"

// a * b for decimal strings, in a buffer of spmul's own that stays valid
// until its next call.  The product has strlen(a) + strlen(b) - 1 digits,
// or one more when the top one is not 0: leading zeros are kept, so
// "007" * "3" is "021" and "0" * "123" is "000".  An empty operand gives
// the empty string.  The characters are not checked; bytes other than
// digits give a string that is not a number, but nothing worse.
static char *
spmul(const char *a, const char *b)
{
	static std::vector<int16_t> x, y, r; // least significant digit first
	static std::string prod;
	size_t la = std::char_traits<char>::length(a);
	size_t lb = std::char_traits<char>::length(b);
	size_t k;
	long long carry = 0;

	if (la == 0 || lb == 0) {
		prod.clear();
		return prod.data();
	}
	// The operands are taken in before prod is touched, so that even the
	// last product may be passed back in.
	x.resize(la);
	y.resize(lb);
	r.resize(la + lb);
	for (size_t i = 0; i < la; i++)
		x[i] = static_cast<int16_t>(a[la - 1 - i] - '0');
	for (size_t i = 0; i < lb; i++)
		y[i] = static_cast<int16_t>(b[lb - 1 - i] - '0');

	// Long multiplication one result digit at a time: each digit adds up
	// its column of digit products and then carries once, rather than
	// carrying once per row, which halves the time of a factorial.  The
	// digits are those the row by row method gives.
	// NOLINTBEGIN(bugprone-implicit-widening-of-multiplication-result): the
	// product of two int16_t digits always fits the int it is formed in.
	for (k = 0; k < la + lb; k++) {
		size_t lo = k < la ? 0 : k - la + 1;
		size_t hi = k < lb ? k : lb - 1;
		for (size_t i = lo; i <= hi; i++)
			carry += x[k - i] * y[i];
		r[k] = static_cast<int16_t>(carry % 10);
		carry /= 10;
	}
	// NOLINTEND(bugprone-implicit-widening-of-multiplication-result)
	if (r[k - 1] == 0)
		k--; // no carry out of the top row

	prod.resize(k);
	for (size_t i = 0; i < k; i++)
		prod[i] = static_cast<char>(r[k - 1 - i] + '0');
	return prod.data();
}

// n! as a decimal string, in a buffer of fact's own that stays valid until
// its next call; the empty string for negative n, which has no factorial.
// The factorial last built is kept, so asking for n, n + 1, n + 2, ... costs
// one multiplication each; a smaller n starts again from 1!.
static char *
fact(int n)
{
	static std::string prod = "1"; // built! (and 0! = 1! = 1)
	static int built = 1;
	static char none[1];
	char text[16];

	if (n < 0)
		return none;
	if (n < built) {
		prod.assign(1, '1'); // not = "1": g++ 12 warns falsely there
		built = 1;
	}
	while (built < n) {
		built++;
		std::snprintf(text, sizeof text, "%d", built);
		prod = spmul(prod.c_str(), text); // copied before the next call
	}
	return prod.data();
}

int
main()
{
	// sums[i] is the digit sum of i!, for every i up to the largest n read:
	// factorials are built once, in order, each from the one before.
	std::vector<long long> sums;
	std::string digits;
	int n;

	// A negative number has no factorial.  It ends the run like a token
	// that is no number: skipping it would shift every later answer off
	// the line of its case.
	while (readint(&n) == 1 && n >= 0) {
		while (sums.size() <= static_cast<size_t>(n)) {
			digits = fact(static_cast<int>(sums.size()));
			long long sum = 0;
			for (char d : digits)
				sum += d - '0';
			sums.push_back(sum);
		}
		putint(sums[n]);
		putbyte('\n');
	}
	return 0;
}
