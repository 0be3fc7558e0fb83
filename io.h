// io.h: standard input and output for the filters, buffered both ways, with
// every failure of the streams themselves reported.
//
// Input comes in blocks, and a refill first writes out every pending answer:
// an answer is out before the program waits for more input, yet a batch
// costs one write per input block rather than one per answer.  Output goes
// out when the program is about to block on input, when its buffer is full
// and at exit, and at no other time.
//
// Bad input is the caller's business and is never reported here.  A read or
// write that fails is the system's: one line on stderr, exit status 1, so
// that a lost answer is never taken for success.  SIGPIPE keeps its default
// action, so a reader that goes away ends the program quietly, as it ends
// other filters.
#pragma once

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

static char ibuf[1 << 16], obuf[1 << 16];
static char *ip = ibuf, *ie = ibuf; // the bytes of ibuf not yet read
static size_t olen;                 // the bytes of obuf not yet written
static bool ieof;                   // the input has ended; it is not read again

// Reports a failed read or write of the streams and ends the run.  The
// name is the one the program was started by, as other tools give it.
[[noreturn]] static inline void
fail(const char *what)
{
	char line[512];
	int n = std::snprintf(line, sizeof line, "%s: %s error: %s\n",
	    program_invocation_short_name, what, std::strerror(errno));

	if (n > 0 && write(2, line, static_cast<size_t>(n)) < 0) {
		// Nothing is left to tell it to.
	}
	std::_Exit(1);
}

// Writes out everything buffered, however many writes it takes.
static inline void
flushout()
{
	size_t done = 0;

	while (done < olen) {
		ssize_t n = write(1, obuf + done, olen - done);
		if (n > 0) {
			done += static_cast<size_t>(n);
		} else if (n == 0 || errno != EINTR) {
			if (n == 0)
				errno = EIO;
			fail("write");
		}
	}
	olen = 0;
}

// Whatever is still buffered goes out when main returns; a failure of
// that last write is reported like any other.
[[maybe_unused]] static const int flushed_at_exit = std::atexit(flushout);

// Reads the next block of input.  False once the input has ended.
static inline bool
refill()
{
	if (ieof)
		return false;
	flushout(); // every answer is out before the program may block
	for (;;) {
		ssize_t n = read(0, ibuf, sizeof ibuf);
		if (n > 0) {
			ip = ibuf;
			ie = ibuf + n;
			return true;
		}
		if (n == 0) {
			ieof = true;
			return false;
		}
		if (errno != EINTR)
			fail("read");
	}
}

// The next input byte as an unsigned char, or EOF.
static inline int
getbyte()
{
	if (ip == ie && !refill())
		return EOF;
	return static_cast<unsigned char>(*ip++);
}

// Puts back the byte just read by getbyte; EOF puts back nothing.  Only
// that one byte can be put back, and it always still lies in the buffer.
static inline void
ungetbyte(int c)
{
	if (c != EOF)
		ip--;
}

static inline void
putbyte(int c)
{
	if (olen == sizeof obuf)
		flushout();
	obuf[olen++] = static_cast<char>(c);
}

// Room for n more bytes of output, at most the buffer's size, to be
// written straight into the buffer; the caller then adds n to olen.
static inline char *
outroom(size_t n)
{
	if (sizeof obuf - olen < n)
		flushout();
	return obuf + olen;
}

static inline void
putbytes(const char *s, size_t n)
{
	while (n > 0) {
		if (olen == sizeof obuf)
			flushout();
		size_t k = n < sizeof obuf - olen ? n : sizeof obuf - olen;
		std::memcpy(obuf + olen, s, k);
		olen += k;
		s += k;
		n -= k;
	}
}

// Writes v in decimal, as "%lld" does.
static inline void
putint(long long v)
{
	char d[24], *p = d + sizeof d;
	unsigned long long u = v < 0 ? 0 - static_cast<unsigned long long>(v) :
	                               static_cast<unsigned long long>(v);

	do
		*--p = static_cast<char>('0' + u % 10);
	while ((u /= 10) != 0);
	if (v < 0)
		*--p = '-';
	putbytes(p, static_cast<size_t>(d + sizeof d - p));
}

// printf into the output buffer, for the formats of floating-point answers.
[[gnu::format(printf, 1, 2)]] static inline void
putfmt(const char *fmt, ...)
{
	va_list ap;

	// No answer is longer than this ("%.2f" of the largest double has 312
	// bytes); should one be, it is formatted again into the whole buffer.
	if (sizeof obuf - olen < 1024)
		flushout();
	for (;;) {
		va_start(ap, fmt);
		int n = std::vsnprintf(obuf + olen, sizeof obuf - olen, fmt,
		    ap);
		va_end(ap);
		if (n < 0)
			return;
		if (static_cast<size_t>(n) < sizeof obuf - olen) {
			olen += static_cast<size_t>(n);
			return;
		}
		if (olen == 0)
			return; // would not fit even alone; cannot happen
		flushout();
	}
}

// White space as the C library's isspace has it in the C locale.
static inline bool
space(int c)
{
	return c == ' ' || (c >= '\t' && c <= '\r');
}

static inline bool
digit(int c)
{
	return c >= '0' && c <= '9';
}

// Skips white space; returns the first other byte, read, or EOF.
static inline int
skipspace()
{
	int c;

	while ((c = getbyte()) != EOF && space(c))
		;
	return c;
}

// Reads an int as "%d" reads it: white space skipped, an optional sign,
// decimal digits, the byte after them left unread.  Returns 1 on a number;
// 0 where none stands (a sign without digits is read, the byte after it
// is not) or where it lies beyond the range of int, which "%d" would not
// report (its digits are read all the same); EOF where the input ends
// before anything but white space.
static inline int
readint(int *v)
{
	int c = skipspace();
	bool neg = false, over = false;
	long long n = 0;

	if (c == EOF)
		return EOF;
	if (c == '+' || c == '-') {
		neg = c == '-';
		c = getbyte();
	}
	if (!digit(c)) {
		ungetbyte(c);
		return 0;
	}
	for (; digit(c); c = getbyte())
		if (!over && (n = n * 10 + (c - '0')) > INT_MAX + 1LL)
			over = true;
	ungetbyte(c);
	if (over || (!neg && n > INT_MAX))
		return 0;
	*v = static_cast<int>(neg ? -n : n);
	return 1;
}

// Matches `word` in any case, `c` being its first byte, already read.  On
// a mismatch the byte that broke it is put back.
static inline bool
matchword(int c, const char *word)
{
	for (;;) {
		if (c == EOF || (c | 0x20) != *word) {
			ungetbyte(c);
			return false;
		}
		if (*++word == '\0')
			return true;
		c = getbyte();
	}
}

// Reads "inf", "infinity" or "nan" in any case, `c` being its first byte.
// As with scanf, "inf" followed by an "i" must go on to "infinity".
static inline bool
readword(int c, char sign, double *v)
{
	bool inf = (c | 0x20) == 'i';

	if (!matchword(c, inf ? "inf" : "nan"))
		return false;
	if (inf) {
		c = getbyte();
		if (c != EOF && (c | 0x20) == 'i') {
			if (!matchword(c, "inity"))
				return false;
		} else {
			ungetbyte(c);
		}
	}
	*v = std::strtod(inf ? "inf" : "nan", nullptr);
	if (sign == '-')
		*v = -*v;
	return true;
}

// Reads a double as "%lf" reads it: white space skipped, an optional sign,
// then "inf", "infinity" or "nan" in any case, or a decimal or hexadecimal
// ("0x") number with an optional point and exponent.  On success it reads
// exactly the bytes scanf reads, trailing ones included ("1e" and "1e+",
// where the exponent has no digits, are read whole and are 1), and gives
// the value strtod gives for them.  Returns 1 on a number, 0 where none
// stands, EOF where the input ends before anything but white space.
//
// Unlike scanf, a read that fails puts back the byte that broke it: a
// cut-short "in" followed by a line feed leaves the line feed unread.
// Where a failed read ends the run this is never seen.
//
// Any number of digits is read in constant room: digits beyond the first
// 800 significant ones can only matter by being other than zero, which
// one more digit at the end stands for, so the text handed to strtod is a
// short one with the same value.
static inline int
readdouble(double *v)
{
	enum { keep = 800 };
	char text[keep + 64], *t = text, sign = 0;
	char mant[keep + 1];
	int c = skipspace(), nm = 0;
	bool hex = false, dot = false, seen = false, sticky = false;
	bool any = false;           // anything read after the sign or "0x"
	long long pos = 0, exp = 0; // value = 0.mant * base^pos * ...^exp

	if (c == EOF)
		return EOF;
	if (c == '+' || c == '-') {
		sign = static_cast<char>(c);
		c = getbyte();
	}
	if (c != EOF && ((c | 0x20) == 'i' || (c | 0x20) == 'n'))
		return readword(c, sign, v) ? 1 : 0;
	if (c == '0') {
		c = getbyte();
		if ((c | 0x20) == 'x') {
			hex = true;
			c = getbyte();
		} else {
			seen = any = true; // a leading zero: a digit
		}
	}
	for (;; c = getbyte()) {
		int d;
		if (digit(c))
			d = c - '0';
		else if (hex && (c | 0x20) >= 'a' && (c | 0x20) <= 'f')
			d = (c | 0x20) - 'a' + 10;
		else if (c == '.' && !dot) {
			dot = any = true;
			continue;
		} else
			break;
		seen = any = true;
		if (nm == 0 && d == 0) {
			if (dot)
				pos--; // a zero between the point and the digits
			continue;
		}
		if (nm < keep)
			mant[nm++] = static_cast<char>(c);
		else if (d != 0)
			sticky = true;
		if (!dot)
			pos++;
	}
	// An exponent needs a digit before it; its own digits may be missing.
	if (seen && c != EOF && (c | 0x20) == (hex ? 'p' : 'e')) {
		bool neg = false;
		c = getbyte();
		if (c == '+' || c == '-') {
			neg = c == '-';
			c = getbyte();
		}
		for (; digit(c); c = getbyte())
			if (exp < 100000000)
				exp = exp * 10 + (c - '0');
		if (neg)
			exp = -exp;
	}
	ungetbyte(c);
	// Nothing after the sign, or after "0x", is no number; nor is a lone
	// point.  "0x." is, as strtod reads its "0".
	if (!any || (!hex && !seen))
		return 0;

	// Up to 15 digits times a power of ten up to 22 are two exact doubles,
	// and one division or multiplication rounds them as strtod would.
	if (!hex && nm <= 15 && !sticky) {
		static const double ten[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6,
		    1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16,
		    1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
		long long e = pos + exp - nm;
		if (e >= -22 && e <= 22) {
			long long m = 0;
			for (int i = 0; i < nm; i++)
				m = m * 10 + (mant[i] - '0');
			double d = static_cast<double>(m);
			d = e < 0 ? d / ten[-e] : d * ten[e];
			*v = sign == '-' ? -d : d;
			return 1;
		}
	}
	if (sign != 0)
		*t++ = sign;
	if (nm == 0) {
		*t++ = '0';
	} else {
		long long e = hex ? 4 * pos + exp : pos + exp;
		if (e > 1000000)
			e = 1000000; // far beyond the largest and the smallest
		if (e < -1000000)
			e = -1000000;
		const char *lead = hex ? "0x0." : "0.";
		std::memcpy(t, lead, std::strlen(lead));
		t += std::strlen(lead);
		std::memcpy(t, mant, static_cast<size_t>(nm));
		t += nm;
		if (sticky)
			*t++ = '1';
		t += std::snprintf(t, 16, "%c%lld", hex ? 'p' : 'e', e);
	}
	*t = '\0';
	*v = std::strtod(text, nullptr);
	return 1;
}
