// tripspeed: the distance covered along a log of time-stamped speed changes.
//
// A line "h:m:s speed" sets a speed in km/h from that time on; a line
// "h:m:s" alone asks for the kilometres covered up to that time.  The
// speed is a step function of time, so the distance is summed interval by
// interval, from the time of one record to the next.

#include "../io.h"

static bool colon();
static void skipline();
static long double span(int, int);
static void report(int, int, int, double);

// A colon must follow the number directly.  Anything else is put back so
// that a line feed in its place still ends this line, not the next.
static bool
colon()
{
	int c = getbyte();

	if (c == ':')
		return true;
	ungetbyte(c);
	return false;
}

// Drops a damaged record: the rest of the line the read failed on, up to
// and including its line feed.
static void
skipline()
{
	int c;

	while ((c = getbyte()) != EOF && c != '\n')
		;
}

// The difference of two time fields, exact where it would leave the int
// range.
static long double
span(int now, int last)
{
	return static_cast<long double>(static_cast<long long>(now) - last);
}

// Every field below 10 gets one leading 0, a negative one too ("0-5").
static void
report(int h, int m, int s, double dist)
{
	if (h <= 9)
		putbyte('0');
	putint(h);
	putbyte(':');
	if (m <= 9)
		putbyte('0');
	putint(m);
	putbyte(':');
	if (s <= 9)
		putbyte('0');
	putint(s);
	putfmt(" %.2lf km\n", dist);
}

int
main()
{
	double dist = 0.0, speed = 0.0;
	double perhour = 0.0, perminute = 0.0, persecond = 0.0;
	int lasth = 0, lastm = 0, lasts = 0;
	int h, m, s, sep, r;

	while ((r = readint(&h)) != EOF) {
		if (r != 1 || !colon() || readint(&m) != 1 || !colon() ||
		    readint(&s) != 1) {
			skipline();
			continue;
		}
		// Only a line feed right after the seconds makes a query; a
		// space, a carriage return or anything else makes a speed
		// record, whose speed may then come from the next line.  A
		// last line ending at the seconds is a query.
		sep = getbyte();
		bool query = sep == '\n' || sep == EOF;
		// A speed that is no number costs only its line: the byte that
		// broke it, a line feed perhaps, is left for skipline.
		if (!query && readdouble(&speed) != 1) {
			skipline();
			continue;
		}

		// The interval at the rates in force before this record.  The
		// products and their sum stay in long double, as the x87 keeps
		// them, and are rounded to double once, into dist.
		dist = static_cast<double>(
		    (span(h, lasth) * perhour + span(m, lastm) * perminute) +
		    span(s, lasts) * persecond + dist);

		// Each rate is the stored one before it over 60.  Plain double
		// division gives the very bits an extended quotient rounded to
		// double would: the binary digits of x/60 repeat with period 4,
		// so it never comes close enough to a halfway point between
		// doubles for the first rounding to decide the second.
		if (!query) {
			perhour = speed;
			perminute = perhour / 60.0;
			persecond = perminute / 60.0;
		}
		lasth = h;
		lastm = m;
		lasts = s;
		if (query)
			report(h, m, s, dist);
	}
	return 0;
}
