// primeshare: for each pair a b, the percentage of the integers n from a to
// b for which n*n + n + 41 is prime.
//
// For n from 0 to 9999 the answer is constant data (flags.inc, written out
// once from the rule); nothing is tested for primality there.  Any other
// 32-bit n gets an exact primality test instead of an unchecked table read.

#include <cstdint>
#include <limits>

#include "../io.h"

static_assert(std::numeric_limits<long double>::digits >= 64,
    "the share needs a long double with a 64-bit significand");

__extension__ typedef unsigned __int128 u128;

// prime[n] is 1 when n*n + n + 41 is prime.
static const int prime[10000] = {
#include "flags.inc"
};

static uint64_t
powmod(uint64_t x, uint64_t e, uint64_t m)
{
	uint64_t r = 1;

	for (x %= m; e > 0; e /= 2) {
		if (e % 2)
			r = (u128)r * x % m;
		x = (u128)x * x % m;
	}
	return r;
}

// Miller-Rabin with the first twelve primes as bases, which decides every
// number below 3.1e23 exactly; n*n + n + 41 for a 32-bit n stays below 2^63.
static bool
isprime(uint64_t m)
{
	static const unsigned base[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31,
	    37};
	uint64_t d = m - 1;
	int s = 0;

	if (m < 2)
		return false;
	for (unsigned p : base)
		if (m % p == 0)
			return m == p;
	for (; d % 2 == 0; d /= 2)
		s++;
	for (unsigned p : base) {
		uint64_t x = powmod(p, d, m);
		int r = 1;
		if (x == 1 || x == m - 1)
			continue;
		for (; r < s; r++) {
			x = (u128)x * x % m;
			if (x == m - 1)
				break;
		}
		if (r == s)
			return false;
	}
	return true;
}

// n and -n-1 give the same value, so a negative n folds onto its mirror
// and those near 0 are read from the table as well.
static int
flag(int64_t n)
{
	uint64_t m = n < 0 ? -(n + 1) : n;

	if (m < 10000)
		return prime[m];
	return isprime(m * m + m + 41);
}

// below[n]: how many of the flags 0 to n - 1 are 1, so that a range inside
// the table is counted in two reads rather than one per number.
static int below[10001];

// Counts the n from a to b whose flag is 1.  64 bits: a 32-bit range holds
// up to 2^32 numbers.
static int64_t
count(int64_t a, int64_t b)
{
	int64_t c = 0;

	if (a >= 0 && b < 10000)
		return a <= b ? below[b + 1] - below[a] : 0;
	for (int64_t n = a; n <= b; n++)
		c += flag(n);
	return c;
}

int
main()
{
	int a, b; // as "%ld" reads them into a 32-bit long

	for (int n = 0; n < 10000; n++)
		below[n + 1] = below[n] + prime[n];
	// A pair that cannot be read whole ends the run: a lone last number or
	// a token that is not a number (or beyond 32 bits) prints nothing more.
	while (readint(&a) == 1 && readint(&b) == 1) {
		int64_t size = (int64_t)b - a + 1;
		// The quotient stays in long double and only the product becomes a
		// double: rounding 93/160 first would print 58.125 as 58.13.
		// NOLINTNEXTLINE(bugprone-narrowing-conversions): as just said
		double share = (long double)count(a, b) / size * 100.0;
		putfmt("%.2lf\n", share);
	}
	return 0;
}
