// tripspeed: the distance covered along a log of time-stamped speed changes.
//
// A line "h:m:s speed" sets a speed in km/h from that time on; a line
// "h:m:s" alone asks for the kilometres covered up to that time.  The
// speed is a step function of time, so the distance is summed interval by
// interval, from the time of one record to the next.

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>

static int	readint(int *);
static bool	colon();
static bool	readspeed(double *);
static bool	word(int, char *);
static void	skipline();
static long double span(int, int);
static void	report(int, int, int, double);

// Reads a decimal int the way "%d" does: white space skipped, an optional
// sign, digits, the byte after them left unread.  Returns 1 on a number,
// 0 where none stands (or one beyond the int range), EOF where the input
// ends before a digit.
static int
readint(int *v)
{
	int c, neg = 0;
	long long n = 0;
	bool over = false;

	while ((c = getchar()) != EOF && isspace(c))
		;
	if (c == '+' || c == '-') {
		neg = c == '-';
		c = getchar();
	}
	if (c == EOF)
		return EOF;
	if (!isdigit(c)) {
		ungetc(c, stdin);
		return 0;
	}
	for (; c != EOF && isdigit(c); c = getchar()) {
		n = n * 10 + (c - '0');
		if (n > static_cast<long long>(INT_MAX) + neg) {
			over = true;
			n = 0;	// keep reading the digits, they belong to it
		}
	}
	if (c != EOF)
		ungetc(c, stdin);
	if (over)
		return 0;
	*v = static_cast<int>(neg ? -n : n);
	return 1;
}

// A colon must follow the number directly.  Anything else is put back so
// that a line feed in its place still ends this line, not the next.
static bool
colon()
{
	int c = getchar();

	if (c == ':')
		return true;
	if (c != EOF)
		ungetc(c, stdin);
	return false;
}

// Reads a speed as "%lf" does.  Numbers with digits are left to scanf,
// which puts back the byte that ends or breaks them.  The words are read
// here, because scanf keeps the byte that breaks a cut-short "inf" or
// "nan": were that byte a line feed, dropping the damaged line would take
// the next line with it.
static bool
readspeed(double *v)
{
	char num[10];	// a sign, "infinity", a NUL
	int c, n = 0;

	while ((c = getchar()) != EOF && isspace(c))
		;
	if (c == '+' || c == '-') {
		num[n++] = static_cast<char>(c);
		c = getchar();
	}
	if (isdigit(c) || c == '.') {
		// The sign is read already; the negated value is the one
		// strtod gives for the signed text.
		ungetc(c, stdin);
		if (scanf("%lf", v) != 1)
			return false;
		if (n > 0 && num[0] == '-')
			*v = -*v;
		return true;
	}
	if (!word(c, num + n))
		return false;
	*v = strtod(num, nullptr);
	return true;
}

// Matches "inf", "infinity" or "nan" in any case, from the letter `c`
// already read, into `w`.  Like scanf it takes "infinity" whole where it
// can and settles for "inf" when the letters stop after it ("infx" is inf
// followed by an x); the byte after the word, or the one that breaks it,
// is left unread.
static bool
word(int c, char *w)
{
	const char *full = tolower(c) == 'i' ? "infinity" : "nan";
	int i = 0;

	while (c != EOF && tolower(c) == full[i]) {
		w[i++] = static_cast<char>(c);
		if (full[i] == '\0') {
			w[i] = '\0';
			return true;
		}
		c = getchar();
	}
	if (c != EOF)
		ungetc(c, stdin);
	w[i] = '\0';
	return i == 3;
}

// Drops a damaged record: the rest of the line the read failed on, up to
// and including its line feed.
static void
skipline()
{
	int c;

	while ((c = getchar()) != EOF && c != '\n')
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
		putchar('0');
	printf("%d:", h);
	if (m <= 9)
		putchar('0');
	printf("%d:", m);
	if (s <= 9)
		putchar('0');
	printf("%d", s);
	printf(" %.2lf km", dist);
	putchar('\n');
	fflush(stdout);	// each answer is out before the next line is read
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
		sep = getchar();
		bool query = sep == '\n' || sep == EOF;
		if (!query && !readspeed(&speed)) {
			skipline();
			continue;
		}

		// The interval at the rates in force before this record.  The
		// products and their sum stay in long double, as the x87 keeps
		// them, and are rounded to double once, into dist.
		dist = static_cast<double>((span(h, lasth) * perhour +
		    span(m, lastm) * perminute) + span(s, lasts) * persecond +
		    dist);

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
