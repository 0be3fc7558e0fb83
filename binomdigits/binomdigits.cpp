// binomdigits: the number of decimal digits of the binomial coefficient
// C(n, k), for pairs n k.
//
// C(n, k) is never formed: with m the larger of k and n - k it is the
// product of the quotients (m + 1) / 1, (m + 2) / 2, ..., n / (n - m), and
// the answer is the integer part of 1 plus the sum of their logarithms.
//
// Rounding can carry that sum across a whole number (999999999999999 1 sums
// to exactly 16), so for whole numbers 0 <= k <= n < 2^53 the sum is only
// trusted where it lies farther from a whole number than its rounding error
// can reach; elsewhere a sharper sum, and at last the exact coefficient,
// settles the count.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <utility>
#include <vector>

static_assert(std::numeric_limits<long double>::digits >= 64,
    "the loop's rounding needs the 64-bit significand of x87 long double");

// The loop as users know it.  Each quotient and each partial sum is formed
// in long double and then rounded to a double, exactly where the results
// have always been rounded: the answers near whole numbers depend on it.
// It stops early where adding 1 no longer moves x (n infinite, or 2^53 and
// beyond), where it could never end.
static double
binom(double n, double k)
{
	double m, x, j, t, sum;

	sum = 1.0;
	m = k > (long double)n - k ? k : (long double)n - k;
	j = 1.0;
	x = m + 1.0L;
	while (x <= n) {
		t = (long double)x / j;
		j = j + 1.0L;
		sum = sum + (long double)std::log10(t);
		if ((double)(x + 1.0L) == x)
			break;
		x = x + 1.0L;
	}
	return sum;
}

// Whether floor(v) is surely the floor of the true value, knowing only that
// the two lie at most err apart.
static bool
sure(long double v, long double err)
{
	long double frac = v - std::floor(v);	// exact

	return frac > err && 1 - frac > err;
}

// Whether floor(sum) from binom is surely 1 + floor(log10 C(n, k)), for
// whole numbers with r = min(k, n - k) >= 1 quotients.  Per step, with
// u = 2^-53 and every quotient at least 2 (so every logarithm positive and
// every partial sum at most the last):
//  - the quotient, rounded twice, is off by a factor of at most 1 + 1.001u,
//    which moves its logarithm by at most 0.44u;
//  - log10 is trusted to 4 units in the last place of its result (glibc
//    documents 2), at most 4 * 2u times the logarithm, 8u * sum in all;
//  - the addition, rounded to 64 and then 53 bits, is off by at most
//    (0.5 + 2^-12) ulp(sum).
// The constants below are rounded up, which also covers the rounding of
// the bound itself.
static bool
sure1(double sum, double r)
{
	double ulp = std::nextafter(sum, INFINITY) - sum;
	double err = r * (0.51 * ulp + 0.5 * 0x1p-53) + 8 * 0x1p-53 * sum;

	return sure(sum, err);
}

// The same quotients summed in long double without rounding error: each
// addition's error is caught exactly (two-sum) and gathered in c.  Returns
// the digit count, or -1 where this sum too is too close to call.  With
// u = 2^-64, the error of s + c is at most r * 0.44u from the quotients,
// 4 ulp = 8u * s from log10l, r^2 u^2 * s from the rounding of c (which
// itself stays below r u s) and u from the final addition.
static double
sharper(double n, double m)
{
	long double s = 1, c = 0, r = n - m;

	for (double x = m + 1, j = 1; x <= n; x++, j++) {
		long double l = std::log10((long double)x / j);
		long double t = s + l, b = t - s;

		c += (s - (t - b)) + (l - b);
		s = t;
	}
	long double u = 0x1p-64L;
	long double err = r * 0.5L * u + 8.1L * u * s + 2 * r * r * u * u * s +
	    4 * u;
	long double f = std::floor(s), g = s - f + c;
	if (!sure(g, err))
		return -1;
	return (double)(f + std::floor(g));
}

// Little-endian base 2^32 natural numbers, just enough to compare
// n! / (n - r)! with r! * 10^d.
using big = std::vector<std::uint32_t>;

static void
mul(big &a, std::uint64_t v)
{
	big p(a.size() + 2, 0);

	for (int half = 0; half < 2; half++) {
		std::uint64_t w = half ? v >> 32 : v & 0xffffffff, carry = 0;
		std::size_t i = 0;
		for (; i < a.size(); i++) {
			carry += a[i] * w + p[i + half];
			p[i + half] = (std::uint32_t)carry;
			carry >>= 32;
		}
		for (i += half; carry; i++) {
			carry += p[i];
			p[i] = (std::uint32_t)carry;
			carry >>= 32;
		}
	}
	while (!p.empty() && p.back() == 0)
		p.pop_back();
	a = std::move(p);
}

static bool
less(const big &a, const big &b)
{
	if (a.size() != b.size())
		return a.size() < b.size();
	for (std::size_t i = a.size(); i-- > 0;)
		if (a[i] != b[i])
			return a[i] < b[i];
	return false;
}

static long
bits(const big &a)
{
	return a.empty() ? 0 : 32 * ((long)a.size() - 1) + std::bit_width(a.back());
}

// The digit count of C(n, n - m) found exactly: the largest d with
// r! * 10^d <= n! / (n - r)!, plus one.  No division needed.
static double
exact(double n, double m)
{
	std::uint64_t r = (std::uint64_t)(n - m), top = (std::uint64_t)n;
	big num{1}, den{1};

	for (std::uint64_t i = 1; i <= r; i++) {
		mul(num, top - r + i);
		mul(den, i);
	}
	// num / den lies between 2^(bits(num) - bits(den) - 1) and
	// 2^(bits(num) - bits(den) + 1): start a little below and step up.
	long d = (long)((bits(num) - bits(den) - 1) * 0.30102999) - 1;
	if (d < 0)
		d = 0;
	big p = den;
	long i = 0;
	for (; i + 19 <= d; i += 19)
		mul(p, 10000000000000000000u);
	for (; i < d; i++)
		mul(p, 10);
	for (mul(p, 10); !less(num, p); mul(p, 10))
		d++;
	return (double)d + 1;
}

// The digit count of C(n, k), for whole numbers 0 <= k <= n < 2^53, where
// binom gave sum.
static double
settle(double n, double k, double sum)
{
	double m = k > n - k ? k : n - k, d;

	if (sure1(sum, n - m))
		return std::floor(sum);
	if ((d = sharper(n, m)) >= 0)
		return d;
	return exact(n, m);
}

static bool
whole(double n, double k)
{
	return n < 0x1p53 && k >= 0 && k <= n && n == std::floor(n) &&
	    k == std::floor(k);
}

int
main()
{
	double n, k;

	// A pair that cannot be read whole ends the run: a lone last number
	// or a token that is not a number prints nothing more.
	while (std::scanf("%lf%lf", &n, &k) == 2) {
		double sum = binom(n, k);
		std::printf("%.0f\n", whole(n, k) ? settle(n, k, sum) :
		    std::floor(sum));
		// Each answer is out before the next pair is read.
		std::fflush(stdout);
	}
	return 0;
}
