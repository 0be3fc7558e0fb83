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
// can reach.  Elsewhere bounds on C(n, k) in 256-bit floating point, in
// about the loop's time, settle the count; only where a power of ten lies
// between the bounds does the exact coefficient.

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "../io.h"

static_assert(std::numeric_limits<long double>::digits >= 64,
    "the loop's rounding needs the 64-bit significand of x87 long double");

// The loop as users know it.  Each quotient and each partial sum is formed
// in long double and then rounded to a double, exactly where the results
// have always been rounded: the answers near whole numbers depend on it.
static double
binom(double n, double k)
{
	double m, x, j, t, sum;

	// NOLINTBEGIN(bugprone-narrowing-conversions): each long double result
	// is rounded to a double on purpose, as said above.
	sum = 1.0;
	m = k > (long double)n - k ? k : (long double)n - k;
	j = 1.0;
	x = m + 1.0L;
	while (x <= n) {
		t = (long double)x / j;
		j = j + 1.0L;
		sum = sum + (long double)std::log10(t);
		x = x + 1.0L;
	}
	// NOLINTEND(bugprone-narrowing-conversions)
	return sum;
}

// Whether the loop could never end.  From 2^53 on, adding 1 no longer
// moves x, so with n that large (or infinite) a loop that runs at all never
// gets past n.
static bool
endless(double n, double k)
{
	// NOLINTBEGIN(bugprone-narrowing-conversions): rounded as binom rounds
	double m = k > (long double)n - k ? k : (long double)n - k;
	double x = m + 1.0L;
	// NOLINTEND(bugprone-narrowing-conversions)

	return x <= n && n >= 0x1p53;
}

// Whether floor(v) is surely the floor of the true value, knowing only that
// the two lie at most err apart.
static bool
sure(long double v, long double err)
{
	long double frac = v - std::floor(v); // exact

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

// Binary floating point numbers of 256 bits, just enough to bound C(n, k)
// from both sides: the value is m * 2^e, m little-endian with the top bit
// of m[3] set.
struct wide {
	std::uint64_t m[4];
	std::int64_t e;
};

__extension__ typedef unsigned __int128 u128;

static wide
of(std::uint64_t v)
{
	int s = std::countl_zero(v);

	return {{0, 0, 0, v << s}, -192 - s};
}

// The product, cut to its top 256 bits: low by less than one part in
// 2^255, never high.
static wide
mul(const wide &a, const wide &b)
{
	std::uint64_t p[8] = {};

	for (int i = 0; i < 4; i++) {
		u128 carry = 0;
		for (int j = 0; j < 4; j++) {
			carry += (u128)a.m[j] * b.m[i] + p[i + j];
			p[i + j] = (std::uint64_t)carry;
			carry >>= 64;
		}
		p[i + 4] = (std::uint64_t)carry;
	}
	// the product lies in [2^510, 2^512)
	int s = p[7] >> 63 ? 0 : 1;
	wide c;
	for (int i = 0; i < 4; i++)
		c.m[i] = p[i + 4] << s | (s ? p[i + 3] >> 63 : 0);
	c.e = a.e + b.e + 256 - s;
	return c;
}

// a * v for v >= 1, cut the same way: one limb's products, not sixteen,
// for each factor of the coefficient.
static wide
scale(const wide &a, std::uint64_t v)
{
	std::uint64_t p[5];
	u128 carry = 0;

	for (int j = 0; j < 4; j++) {
		carry += (u128)a.m[j] * v;
		p[j] = (std::uint64_t)carry;
		carry >>= 64;
	}
	p[4] = (std::uint64_t)carry;
	if (p[4] == 0) // v is 1
		return a;
	int s = std::countl_zero(p[4]);
	wide c;
	for (int i = 0; i < 4; i++)
		c.m[i] = p[i + 1] << s | (s ? p[i] >> (64 - s) : 0);
	c.e = a.e + 64 - s;
	return c;
}

// At least a * (1 + 2^-199): m + (m >> 199) + 1, where m >> 199 is the top
// 57 bits of m.
static wide
widen(wide a)
{
	std::uint64_t add = (a.m[3] >> 7) + 1;

	for (int i = 0; i < 4 && add; i++) {
		a.m[i] += add;
		add = a.m[i] < add;
	}
	if (add) // carried past 2^256: 2^256 + 2^65 is above the sum
		a = {{0, 1, 0, (std::uint64_t)1 << 63}, a.e + 1};
	return a;
}

static bool
below(const wide &a, const wide &b)
{
	if (a.e != b.e)
		return a.e < b.e;
	for (int i = 4; i-- > 0;)
		if (a.m[i] != b.m[i])
			return a.m[i] < b.m[i];
	return false;
}

// 10^d from below, by repeated squaring.
static wide
power(std::int64_t d)
{
	wide p = of(1), b = of(10);

	for (; d; d >>= 1) {
		if (d & 1)
			p = mul(p, b);
		if (d > 1)
			b = mul(b, b);
	}
	return p;
}

// 1 where C = num / den is surely at least 10^d, -1 where it is surely
// below, 0 where the bounds cannot tell.
static int
side(const wide &num, const wide &den, std::int64_t d)
{
	wide p = mul(den, power(d));

	if (!below(num, widen(p)))
		return 1;
	if (below(widen(num), p))
		return -1;
	return 0;
}

// The digit count of C(n, n - m) from bounds on n! / (n - r)! and r!, or
// -1 where a power of ten lies between the bounds (in effect only where C
// is one).  Each value below is a chain of K products, each cut short by
// less than one part in 2^255, so it is at most the true value and
// (1 + 2^-255)^K < 1 + 2^-199 times it is at least the true value, since
// K < 2^54: r < 2^52 products for num and for den, and with d < 2^52
// (C < 2^n) the squares of 10 add up to fewer than 2^52 more for 10^d.
static double
interval(double n, double m)
{
	std::uint64_t r = (std::uint64_t)(n - m), top = (std::uint64_t)n;
	wide num = of(1), den = of(1);

	for (std::uint64_t i = 1; i <= r; i++) {
		num = scale(num, top - r + i);
		den = scale(den, i);
	}
	// log10 C to within 0.01, then the bounds settle it
	long double lg = (long double)(num.e - den.e) +
	    std::log2((long double)num.m[3]) - std::log2((long double)den.m[3]);
	auto d = (std::int64_t)(lg * 0.30102999566398119521L);
	for (;;) {
		int lo = side(num, den, d), hi = side(num, den, d + 1);
		if (lo == 0 || hi == 0)
			return -1;
		if (lo < 0)
			d--;
		else if (hi > 0)
			d++;
		else
			return (double)d + 1;
	}
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
	return a.empty() ? 0 :
	                   32 * ((long)a.size() - 1) + std::bit_width(a.back());
}

// The digit count of C(n, n - m) found exactly: the largest d with
// r! * 10^d <= n! / (n - r)!, plus one.  No division needed.  It costs
// r^2 steps, but is only reached where C lies within a part in 2^198 of
// a power of ten, which in effect means small r.
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
	// NOLINTNEXTLINE(bugprone-narrowing-conversions): a bit count is exact
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
	if ((d = interval(n, m)) >= 0)
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
	while (readdouble(&n) == 1 && readdouble(&k) == 1) {
		// A pair whose loop could never end has no answer: like a
		// token that is not a number, it ends the run.
		if (endless(n, k))
			break;
		double sum = binom(n, k);
		putfmt("%.0f\n",
		    whole(n, k) ? settle(n, k, sum) : std::floor(sum));
	}
	return 0;
}
