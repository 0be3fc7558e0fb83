// Hostile input for every program that is built: random bytes, numbers of
// every odd form, input cut or damaged at every position, huge tokens and
// lines, and every input that ever crashed or hung a program.
//
// Each run must exit 0 in time with an empty stderr and print nothing but
// answers.  Where the input starts with complete cases, the output must start
// with exactly the answers to those cases alone: damage after them loses
// nothing already answered.  All inputs come from fixed seeds.
#include "harness.h"
#include "programs.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <span>
#include <unordered_map>
#include <unordered_set>

namespace {

using Words = std::span<const std::string_view>;

// splitmix64: small, and the same sequence on every platform.
struct Rng {
	uint64_t s;
};

uint64_t
next(Rng &r)
{
	uint64_t z = (r.s += 0x9e3779b97f4a7c15);
	z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
	z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
	return z ^ (z >> 31);
}

int
pick(Rng &r, int n)
{
	return static_cast<int>(next(r) % static_cast<uint64_t>(n));
}

std::string_view
any(Rng &r, Words w)
{
	return w[pick(r, static_cast<int>(w.size()))];
}

// A fixed seed per program and per kind of input.
Rng
seeded(std::string_view name, uint64_t kind)
{
	uint64_t h = 14695981039346656037u;
	for (unsigned char c : name)
		h = (h ^ c) * 1099511628211u;
	return {h ^ kind};
}

std::string
num(long long x)
{
	return std::to_string(x);
}

// A valid input and the places in it where every answer so far is final:
// after the header and after each complete case.
struct Valid {
	std::string text;
	std::vector<size_t> ends{0};
};

void
add(Valid &v, std::string_view piece)
{
	v.text += piece;
	v.ends.push_back(v.text.size());
}

// The case that `at` falls in: v.ends[k] <= at, and at < v.ends[k + 1]
// unless `at` is past the last case.
size_t
case_of(const Valid &v, size_t at)
{
	return static_cast<size_t>(
	           std::upper_bound(v.ends.begin(), v.ends.end(), at) -
	           v.ends.begin()) -
	    1;
}

// The last place at or before `at` where every answer so far is final.
size_t
settled(const Valid &v, size_t at)
{
	return v.ends[case_of(v, at)];
}

bool
white(char c)
{
	return std::isspace(static_cast<unsigned char>(c));
}

const std::string_view blanks[] = {" ", "\n", "\t", "  ", "\r\n", " \n\t"};

std::string_view
blank(Rng &r)
{
	return any(r, blanks);
}

// ---- valid inputs, one generator per program ----

// With `cut` set, a generator makes only cases that keep the run going, and
// takes its kinds of case in turn, so that cutting one input meets them all.
// Each random draw is a statement of its own: the order of the operands of
// one + is left to the compiler, and g++ and clang++ must build the same
// inputs.

Valid
squarepegs(Rng &r, int n, bool)
{
	Valid v;
	// The count may exceed the queries given: the input then ends early.
	std::string head = num(n + pick(r, 3));
	add(v, head + std::string(blank(r)));
	for (int i = 0; i < n; i++) {
		std::string query = num(pick(r, 70) - 3);
		add(v, query + std::string(blank(r)));
	}
	return v;
}

const std::string_view vocab[] = {"apple", "banana", "cherry", "a", "A", "b",
    "ba", "x.", "\xc3\xa9t\xc3\xa9", "abcdefghijklmnopqrstuvwxyz"};
const std::string_view amounts[] = {"10", "2.5", "-7.25", "0", "1e6", "0.1",
    "999999.5", "-0", "3e-5", "+4"};

Valid
wordvalue(Rng &r, int n, bool)
{
	Valid v;
	int size = pick(r, 6);
	std::string head = num(size) + " " + num(n + pick(r, 2)) + "\n";
	for (int i = 0; i < size; i++) {
		head += pick(r, 5) == 0 ? "." : any(r, vocab);
		head += " ";
		head += any(r, amounts);
		head += blank(r);
	}
	add(v, head);
	for (int i = 0; i < n; i++) {
		std::string text;
		for (int w = pick(r, 5); w > 0; w--) {
			text += any(r, vocab);
			text += blank(r);
		}
		add(v, text + "." + std::string(blank(r)));
	}
	return v;
}

Valid
primeshare(Rng &r, int n, bool cut)
{
	Valid v;
	for (int i = 0; i < n; i++) {
		long long a, b;
		switch (cut ? i % 6 : pick(r, 6)) {
		case 0: // inside the table
			a = pick(r, 10000);
			b = a + pick(r, 10000 - static_cast<int>(a));
			break;
		case 1: // anywhere in the 32-bit range, a short range
			a = static_cast<long long>(next(r) % 4294967296u) -
			    2147483648;
			b = std::min(a + pick(r, 40), 2147483647LL);
			break;
		case 2: // a > b
			a = pick(r, 10000) + 1;
			b = a - 1 - pick(r, 5);
			break;
		case 3: // at the ends of the 32-bit range
			a = 2147483647 - pick(r, 30);
			b = 2147483647;
			break;
		case 4:
			a = -2147483648LL;
			b = a + pick(r, 30);
			break;
		default: a = pick(r, 10000); b = a + pick(r, 30);
		}
		std::string pair = num(a);
		pair += blank(r);
		pair += num(b);
		pair += blank(r);
		add(v, pair);
	}
	return v;
}

const std::string_view huge_n[] = {"9007199254740992", "1e16", "1e300",
    "1.7976931348623157e308", "inf", "-inf", "nan", "4503599627370496.5"};
const std::string_view small_k[] = {"0", "1", "2", "-1", "3", "1e300", "inf",
    "nan", "0.5"};

Valid
binomdigits(Rng &r, int n, bool cut)
{
	Valid v;
	for (int i = 0; i < n; i++) {
		std::string a, b;
		int top = pick(r, 2000);
		// The last kind may end the run.
		switch (cut ? i % 4 : pick(r, 5)) {
		case 0: // whole numbers, small n, k anywhere near 0..n
			a = num(top);
			b = num(pick(r, top + 7) - 3);
			break;
		case 1: // n anywhere below 2^53, small k
			a = num(static_cast<long long>(next(r) >> 11));
			b = num(pick(r, 25));
			break;
		case 2: // not whole numbers
			a = num(pick(r, 60)) + ".5";
			b = num(pick(r, 30)) + ".25";
			break;
		case 3: // k outside 0..n
			a = num(pick(r, 100));
			b = pick(r, 2) ? num(-1 - pick(r, 5)) : "1e9";
			break;
		default: // n where adding 1 no longer moves a double, or not finite
			a = any(r, huge_n);
			b = any(r, small_k);
		}
		a += blank(r);
		b += blank(r);
		add(v, a + b);
	}
	return v;
}

Valid
factdigits(Rng &r, int n, bool cut)
{
	Valid v;
	for (int i = 0; i < n; i++) {
		// The last two, negative, end the run.
		const long long pool[] = {pick(r, 150), pick(r, 1800), 0, 1,
		    1774, 2, -1 - pick(r, 100), -2147483648LL};
		std::string x = num(pool[cut ? i % 6 : pick(r, 8)]);
		add(v, x + std::string(blank(r)));
	}
	return v;
}

std::string
field(Rng &r)
{
	switch (pick(r, 8)) {
	case 0: return "0" + num(pick(r, 10));
	case 1: return num(-pick(r, 20));
	case 2: return num(pick(r, 1000));
	case 3: return pick(r, 2) ? "2147483647" : "-2147483648";
	default: return num(pick(r, 60));
	}
}

const std::string_view speeds[] = {"60", "80.5", "0", "-10", "1e3", "0.5",
    "120", ".25", "+7"};

Valid
tripspeed(Rng &r, int n, bool cut)
{
	Valid v;
	for (int i = 0; i < n; i++) {
		std::string rec = pick(r, 5) ? "" : pick(r, 2) ? "\n" : " \t";
		for (int f = 0; f < 3; f++) {
			rec += field(r);
			rec += f < 2 ? ":" : "";
		}
		switch (cut ? i % 3 : pick(r, 4)) {
		case 0: rec += " " + std::string(any(r, speeds)) + "\n"; break;
		case 1: // a blank before the line feed: the speed is on the next line
			rec += " \n" + std::string(any(r, speeds)) + "\n";
			break;
		default: rec += "\n";
		}
		add(v, rec);
	}
	return v;
}

Valid
keyshift(Rng &r, int n, bool)
{
	Valid v;
	for (int i = 0; i < n; i++) {
		std::string line;
		for (int len = pick(r, 40); len > 0; len--) {
			int c = pick(r, 20) ? 32 + pick(r, 95) : pick(r, 256);
			line += static_cast<char>(c == '\n' ? ' ' : c);
		}
		add(v, line + "\n");
	}
	return v;
}

const std::string_view pieces[] = {"Hello", "world", "it's", "well-known",
    "exam-\n", "-", "'", " ", ", ", ".", "!", "?", "\n", "\t", "a",
    "mother-in-law", "x;y", "-\n\n"};

Valid
wordlengths(Rng &r, int n, bool)
{
	Valid v;
	for (int i = 0; i < n; i++) {
		std::string block;
		for (int k = pick(r, 8); k > 0; k--)
			block += any(r, pieces);
		add(v, block + "#");
	}
	return v;
}

Valid
soundcode(Rng &r, int n, bool)
{
	static const std::string_view letters =
	    "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ"
	    "abcdefghijklmnopqrstuvwxyz0123456789'-.,!\x80\xc3\xa9\xff";
	Valid v;
	for (int i = 0; i < n; i++) {
		std::string word;
		for (int len = 1 + pick(r, 12); len > 0; len--)
			word +=
			    letters[pick(r, static_cast<int>(letters.size()))];
		add(v, word + std::string(blank(r)));
	}
	return v;
}

const std::string_view trees[] = {"0", "1", "2", "5", "14", "42", "3", "43",
    "0.5", "4.9999999999", "1.0000000001", "1.000000001", "0.000000001", "-3",
    "1e15", "1289904147324", "1289904147325", "4.2e1", "132.0"};

Valid
treecount(Rng &r, int n, bool)
{
	Valid v;
	for (int i = 0; i < n; i++) {
		std::string tree(any(r, trees));
		add(v, tree + std::string(blank(r)));
	}
	return v;
}

// ---- inputs that ask, by the contract, for a long exact computation ----

// Reads numbers from `s` at `i` as the programs do, false where a program
// stops.  An int as "%d" reads it, a number beyond int ending the run.  A
// double by the C library's own "%lf" on the token, so that a cut-short
// form such as "3e+" is taken as 3 and the read goes on after it, as it
// does in the program; text glued after a number is where the next read
// starts.
bool
read_int(std::string_view s, size_t &i, double &x)
{
	while (i < s.size() && white(s[i]))
		i++;
	bool neg = i < s.size() && s[i] == '-';
	if (i < s.size() && (s[i] == '-' || s[i] == '+'))
		i++;
	if (i == s.size() || !std::isdigit(static_cast<unsigned char>(s[i])))
		return false;
	long long v = 0;
	for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]));
	     i++)
		if ((v = v * 10 + (s[i] - '0')) > 2147483648LL)
			return false;
	if (!neg && v > 2147483647)
		return false;
	x = static_cast<double>(neg ? -v : v);
	return true;
}

bool
read_double(std::string_view s, size_t &i, double &x)
{
	while (i < s.size() && white(s[i]))
		i++;
	// A NUL ends the C string here, as it ends the number in the program.
	std::string token(s.substr(i, s.find_first_of(" \t\n\v\f\r", i) - i));
	int used = 0;
	if (std::sscanf(token.c_str(), "%lf%n", &x, &used) != 1)
		return false;
	i += static_cast<size_t>(used);
	return true;
}

// A pair n k below 2^53 runs one step for each x from m + 1 up to n, m the
// larger of k and n - k; a pair whose loop could never end ends the run.
bool
binomdigits_costly(std::string_view in)
{
	double steps = 0, n, k;
	for (size_t i = 0; read_double(in, i, n) && read_double(in, i, k);) {
		double m = k > n - k ? k : n - k;
		if (n >= 0x1p53 && m + 1 <= n)
			break;
		if (n - m > 0)
			steps += n - m;
	}
	return steps > 1e6;
}

// A range is counted number by number; keep ranges outside the table short.
bool
primeshare_costly(std::string_view in)
{
	double a, b;
	for (size_t i = 0; read_int(in, i, a) && read_int(in, i, b);)
		if (b - a > 50000)
			return true;
	return false;
}

// Each n! is built digit by digit: keep n and the total work small.  A
// negative number ends the run.
bool
factdigits_costly(std::string_view in)
{
	double work = 0, n;
	for (size_t i = 0; read_int(in, i, n) && n >= 0;) {
		if (n > 2500)
			return true;
		work += n * n;
	}
	return work > 3e7;
}

// ---- what an answer looks like, besides the form of each line ----

// One line out per line in, lower-cased and mapped: no capital survives.
bool
shifted_lines(std::string_view in, std::string_view out)
{
	size_t lines = std::count(in.begin(), in.end(), '\n') +
	    (!in.empty() && in.back() != '\n');
	return static_cast<size_t>(std::count(out.begin(), out.end(), '\n')) ==
	    lines &&
	    std::none_of(out.begin(), out.end(),
	        [](char c) { return c >= 'A' && c <= 'Z'; });
}

// "L N" lines in increasing L, each block's list ended by an empty line.
bool
length_lines(std::string_view, std::string_view out)
{
	std::string last;
	while (!out.empty()) {
		std::string_view line = out.substr(0, out.find('\n'));
		out.remove_prefix(line.size() + 1);
		std::string len(line.substr(0, line.find(' ')));
		if (!line.empty() && !last.empty() &&
		    (len.size() < last.size() ||
		        (len.size() == last.size() && len <= last)))
			return false;
		last = len;
	}
	return true;
}

// One line of code digits per word, words as "%s" sees them.
bool
code_lines(std::string_view in, std::string_view out)
{
	size_t words = 0;
	bool inword = false;
	for (char c : in) {
		words += inword && white(c);
		inword = !white(c);
	}
	words += inword;
	return static_cast<size_t>(std::count(out.begin(), out.end(), '\n')) ==
	    words;
}

// ---- where a token that is no number ends the run ----

// Where tokens start in the text.
std::vector<size_t>
token_starts(std::string_view text, std::string_view seps)
{
	std::vector<size_t> at;
	for (size_t i = 0; i < text.size(); i++)
		if (seps.find(text[i]) == std::string_view::npos &&
		    (i == 0 ||
		        seps.find(text[i - 1]) != std::string_view::npos))
			at.push_back(i);
	return at;
}

bool
every_token(std::string_view, size_t)
{
	return true;
}

// The counts and the amounts of the dictionary; the words are any bytes.
bool
wordvalue_numbers(std::string_view text, size_t at)
{
	auto starts = token_starts(text, " \t\n\v\f\r");
	size_t index = static_cast<size_t>(
	    std::lower_bound(starts.begin(), starts.end(), at) -
	    starts.begin());
	size_t size = std::strtoul(std::string(text.substr(0, 20)).c_str(),
	    nullptr, 10);
	return index < 2 || (index < 2 + 2 * size && index % 2 == 1);
}

// ---- the programs ----

// Laid out by hand: clang-format would repack it and split the joined literals.
// clang-format off
const std::string_view int_forms[] = {"0", "-0", "+0", "7", "-7", "+7",
    "007", "2147483647", "-2147483648", "2147483648", "-2147483649",
    "4294967296", "99999999999", "9223372036854775807",
    "9223372036854775808", "-9223372036854775809", "18446744073709551616",
    "100000000000000000000000000000000000000000", "0000000000000000000000005",
    "1e3", "0x1f", "0X7FFFFFFF", "1.5", ".5", "-.5", "+-3", "--3", "- 3", "+",
    "-", "inf", "nan", "\xd9\xa3", "1,000", "1_000", "12abc", "\x00" "1"sv};
// clang-format on

// Laid out by hand: clang-format would repack it and split the joined literals.
// clang-format off
const std::string_view float_forms[] = {"0", "-0", "7", "+7", "-7.25", "007",
    "2147483648", "99999999999", "9007199254740993", "4503599627370496.5",
    "1e308", "1e309", "-1e309", "1e-320", "4.9e-324", "1e-400",
    "2.2250738585072014e-308", "1.7976931348623157e308",
    "1.7976931348623159e308", "inf", "-inf", "INF", "Infinity", "-infinity",
    "infinit", "nan", "-nan", "NaN", "nan(0x7ff)", "nan(", "nan()",
    "0x1p-1074", "0x1.fffffffffffffp1023", "0x1p1024", "0x.8p1", "0x", "0xg",
    "0X1P+4", "-0x10", ".", "e5", "1e", "1e+", "1e-5x", "1.", "5e-1", "+.5e-3",
    "1.5.5", "--1", "\x00" "1"sv,
    "1111111111111111111111111111111111111111111111111111111111111111111111"
    "1111111111111111111111111111111111111111111111111111111111111111111111",
    "0.000000000000000000000000000000000000000000000000000000000000000001"};
// clang-format on

// Damage.  The first list holds tokens that no read takes as a number, even
// glued before one: where a number is read, they end the run.  The second
// holds the rest; every list starts with a NUL byte.
const std::string_view int_stops[] = {"\0"sv, "x", "\xff", "--1", "nan", ".5",
    "2147483648", "#"};
const std::string_view int_bad[] = {"-", "+", "\n"};
const std::string_view float_stops[] = {"\0"sv, "x", "\xff", "e5", "-.e", "#"};
const std::string_view float_bad[] = {"-", "+", ".", "\n"};
const std::string_view trip_bad[] = {"\0"sv, "x", "-", ":", " ", "\xff", "+",
    "9999999999", "\r", "1e", "\n"};
const std::string_view text_bad[] = {"\0"sv, "\xff", "#", "\r", "\n", "-\n",
    "'", "\x80\x80", " "};

struct Program {
	std::string_view name;
	Valid (*valid)(Rng &, int cases, bool cut);
	Words forms;      // numbers of every form for its reads
	Words stops, bad; // damage, as above
	const char *line; // what each line of output matches
	                  // (lines of any bytes where null)
	bool (*also)(std::string_view in, std::string_view out);
	bool (*costly)(std::string_view in);
	// Whether the token starting at `at` of a valid text is read as a
	// number, so that a token that is none ends the run there; null where
	// the run always goes on.
	bool (*numbers)(std::string_view text, size_t at);
	std::string_view seps = " \t\n\v\f\r"; // what separates tokens
};

const char count_line[] = "[0-9]+";
const char share_line[] = "-?(inf|nan|[0-9]+\\.[0-9][0-9])";
// A field below 10 has one leading 0, a negative one included.
const char trip_line[] =
    "((0[0-9]|0-[0-9]+|[1-9][0-9]+):){2}(0[0-9]|0-[0-9]+|[1-9][0-9]+)"
    " -?(inf|nan|[0-9]+\\.[0-9][0-9]) km";

// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Program programs[] = {
	{"squarepegs", squarepegs, int_forms, int_stops, int_bad, count_line,
	    nullptr, nullptr, every_token},
	{"wordvalue", wordvalue, float_forms, float_stops, float_bad,
	    "-?(inf|nan|[0-9]+(\\.[0-9]+)?(e[-+][0-9][0-9]+)?)", nullptr, nullptr,
	    wordvalue_numbers},
	{"primeshare", primeshare, int_forms, int_stops, int_bad, share_line,
	    nullptr, primeshare_costly, every_token},
	{"binomdigits", binomdigits, float_forms, float_stops, float_bad,
	    "-?(inf|nan|[0-9]+)", nullptr, binomdigits_costly, every_token},
	{"factdigits", factdigits, int_forms, int_stops, int_bad, count_line,
	    nullptr, factdigits_costly, every_token},
	{"tripspeed", tripspeed, float_forms, {}, trip_bad, trip_line, nullptr,
	    nullptr, nullptr, " \t\n\v\f\r:"},
	{"keyshift", keyshift, float_forms, {}, text_bad, nullptr, shifted_lines,
	    nullptr, nullptr},
	{"wordlengths", wordlengths, float_forms, {}, text_bad,
	    "([1-9][0-9]*) [1-9][0-9]*|", length_lines, nullptr, nullptr},
	{"soundcode", soundcode, float_forms, {}, text_bad, "[1-6]*", code_lines,
	    nullptr, nullptr},
	{"treecount", treecount, float_forms, float_stops, float_bad,
	    "[0-9]|1[0-9]|2[0-5]", nullptr, nullptr, every_token},
};
// clang-format on

const Program *
known(std::string_view name)
{
	for (const Program &p : programs)
		if (p.name == name)
			return &p;
	return nullptr;
}

// ---- running ----

std::string
shown(std::string_view in)
{
	if (in.size() <= 300)
		return '"' + visible(in) + '"';
	return std::to_string(in.size()) + " bytes, \"" +
	    visible(in.substr(0, 120)) + "\" ... \"" +
	    visible(in.substr(in.size() - 60)) + '"';
}

// The text with the token at `from` replaced by `with`.
std::string
replaced(std::string_view text, size_t from, std::string_view with,
    std::string_view seps)
{
	size_t to = std::min(text.find_first_of(seps, from), text.size());
	return std::string(text.substr(0, from)) + std::string(with) +
	    std::string(text.substr(to));
}

// Whether the output is whole lines, each matching `re` where there is one.
bool
each_line(std::string_view out, const std::regex *re)
{
	if (!out.empty() && out.back() != '\n')
		return false;
	while (re && !out.empty()) {
		size_t nl = out.find('\n');
		if (!std::regex_match(out.begin(), out.begin() + nl, *re))
			return false;
		out.remove_prefix(nl + 1);
	}
	return true;
}

struct Hostile : testing::TestWithParam<Built> {
	const Program *p = known(GetParam().name);
	std::optional<std::regex> line =
	    p && p->line ? std::optional<std::regex>(p->line) : std::nullopt;
	// The output of every distinct input that passed, by its hash; the
	// distinct inputs run, and those skipped as long by contract.
	std::unordered_map<size_t, std::string> outputs;
	std::unordered_set<size_t> tried, skipped;
	int failed = 0;

	void SetUp() override
	{
		ASSERT_NE(p, nullptr)
		    << "no hostile inputs for " << GetParam().name;
	}

	void TearDown() override
	{
		auto *t = testing::UnitTest::GetInstance()->current_test_info();
		std::printf(
		    "%s %s: %zu distinct hostile inputs run, %zu skipped as "
		    "long by contract\n",
		    GetParam().name.data(), t->name(), tried.size(),
		    skipped.size());
	}

	// Keeps a failing input where it can be rerun by hand.
	std::string keep(std::string_view in)
	{
		auto *t = testing::UnitTest::GetInstance()->current_test_info();
		std::string path = "hostile-" + std::string(t->name()) + "-" +
		    std::to_string(failed) + ".in";
		for (char &c : path)
			if (c == '/')
				c = '-';
		std::ofstream(path, std::ios::binary)
		    .write(in.data(), static_cast<std::streamsize>(in.size()));
		return path;
	}

	// Runs one input, or recalls its output; true when it passes every
	// check.  `before` is the output the start of the input gives on its
	// own: the output must begin with it, or with `exact` be just that.
	bool survives(std::string_view in, std::string_view before = {},
	    bool exact = false, std::chrono::milliseconds limit = 5s,
	    std::string *out = nullptr)
	{
		if (failed >= 3)
			return false; // enough to go on; spare the log
		size_t key = std::hash<std::string_view>{}(in);
		if (p->costly && p->costly(in)) {
			skipped.insert(key);
			return true;
		}
		std::string why;
		auto seen = outputs.find(key);
		Outcome r;
		if (seen != outputs.end()) {
			r.out = seen->second;
		} else {
			r = run(in, limit, GetParam().path);
			if (r.timed_out)
				why = "did not finish in time";
			else if (r.status != 0)
				why = "exit status " + std::to_string(r.status);
			else if (!r.err.empty())
				why = "stderr \"" +
				    visible(r.err.substr(0, 400)) + '"';
			else if (!each_line(r.out, line ? &*line : nullptr) ||
			    (p->also && !p->also(in, r.out)))
				why = "printed something that is no answer";
		}
		tried.insert(key);
		if (why.empty() && exact && r.out != before)
			why =
			    "went on after the damage, or lost answers before it: "
			    "wanted exactly \"" +
			    visible(before.substr(0, 300)) + '"';
		else if (why.empty() &&
		    r.out.compare(0, before.size(), before) != 0)
			why = "lost the answers before the damage, \"" +
			    visible(before.substr(0, 300)) + '"';
		if (why.empty()) {
			outputs.emplace(key, r.out);
			if (out)
				*out = std::move(r.out);
			return true;
		}
		failed++;
		ADD_FAILURE() << GetParam().name << ": " << why << "\n  input "
		              << shown(in) << " (kept as " << keep(in)
		              << ")\n  output " << shown(r.out);
		return false;
	}

	// The output of a valid input, checked like any other.
	std::string output_of(std::string_view in)
	{
		std::string out;
		survives(in, {}, false, 5s, &out);
		return out;
	}

	// The answers to everything before `at`, where they are final.
	std::string settled_answers(const Valid &v, size_t at)
	{
		return output_of(
		    std::string_view(v.text).substr(0, settled(v, at)));
	}

	// Whether `bad` put in at `at` of the text, before a token, ends the
	// run there.
	bool ends_run(std::string_view text, size_t at, std::string_view bad)
	{
		return p->numbers && at < text.size() && !white(text[at]) &&
		    (at == 0 || white(text[at - 1])) && p->numbers(text, at) &&
		    std::find(p->stops.begin(), p->stops.end(), bad) !=
		    p->stops.end();
	}

	std::vector<size_t> tokens(std::string_view text)
	{
		return token_starts(text, p->seps);
	}
};

// Random bytes alone, and after complete cases.
TEST_P(Hostile, RandomBytes)
{
	static const std::string_view near =
	    "0123456789+-.eExXpP:infaINFAN #'\n\t\r\0"sv;
	Rng r = seeded(GetParam().name, 1);
	for (int i = 0; i < 120; i++) {
		std::string junk;
		bool bytes = pick(r, 2);
		for (int len = pick(r, 200); len > 0; len--)
			junk += bytes ?
			    static_cast<char>(pick(r, 256)) :
			    near[pick(r, static_cast<int>(near.size()))];
		if (i % 2 == 0) {
			survives(junk);
			continue;
		}
		Valid v = p->valid(r, 1 + pick(r, 4), false);
		survives(v.text + junk, output_of(v.text));
	}
}

// Numbers of every form, and near-numbers, in place of each token of a
// case.  Where no token ends the run, all of them in one input too.
TEST_P(Hostile, NumberForms)
{
	Rng r = seeded(GetParam().name, 2);
	std::string all;
	for (std::string_view f : p->forms) {
		all += std::string(f) + " ";
		Valid v = p->valid(r, 2, true);
		for (size_t from : tokens(v.text))
			survives(replaced(v.text, from, f, p->seps),
			    settled_answers(v, from));
	}
	if (!p->numbers)
		survives(all);
}

// Valid inputs cut off at every position.  Cut after whole tokens, a case
// not yet complete prints nothing; cut inside a token, the piece may be a
// number of its own, and where the run always goes on, more may follow.
TEST_P(Hostile, CutEverywhere)
{
	Rng r = seeded(GetParam().name, 3);
	for (int i = 0; i < 3; i++) {
		Valid v = p->valid(r, 6, true);
		std::string_view text = v.text;
		std::vector<std::string> answers;
		for (size_t end : v.ends)
			answers.push_back(output_of(text.substr(0, end)));
		for (size_t at = 0; at <= text.size(); at++) {
			size_t k = case_of(v, at);
			size_t last = at; // where the case's last token ends
			if (k + 1 < v.ends.size())
				for (last = v.ends[k + 1];
				     last > at && white(text[last - 1]);)
					last--;
			if (p->numbers && k + 1 < v.ends.size() && at == last &&
			    at > v.ends[k])
				survives(text.substr(0, at), answers[k + 1],
				    true);
			else
				survives(text.substr(0, at), answers[k],
				    p->numbers &&
				        (at == v.ends[k] ||
				            white(text[at - 1])));
		}
	}
}

// A NUL byte put in at every position, other damage too, and each kind of
// damage in place of every token.
TEST_P(Hostile, DamageEverywhere)
{
	Rng r = seeded(GetParam().name, 4);
	std::vector<std::string_view> damage(p->stops.begin(), p->stops.end());
	damage.insert(damage.end(), p->bad.begin(), p->bad.end());
	Valid v = p->valid(r, 4, false);
	std::string_view text = v.text;
	for (size_t at = 0; at <= text.size(); at++) {
		std::string_view other = damage[1 + at % (damage.size() - 1)];
		for (std::string_view bad : {damage[0], other})
			survives(std::string(text.substr(0, at)) +
			        std::string(bad) + std::string(text.substr(at)),
			    settled_answers(v, at), ends_run(text, at, bad));
	}
	Valid w = p->valid(r, 3, false);
	for (size_t from : tokens(w.text))
		for (std::string_view bad : damage)
			survives(replaced(w.text, from, bad, p->seps),
			    settled_answers(w, from),
			    ends_run(w.text, from, bad));
}

// Tokens of 100000 characters; lines of 1000000 bytes between valid input.
TEST_P(Hostile, LongTokensAndLines)
{
	Rng r = seeded(GetParam().name, 5);
	std::string printable;
	for (int i = 0; i < 100000; i++)
		printable += static_cast<char>(33 + pick(r, 94));
	const std::string word(100000, 'B');
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	const std::string tokens[] = {
		std::string(100000, '9'),
		std::string(99999, '0') + "7",
		"-" + std::string(99999, '1'),
		"0." + std::string(99997, '0') + "1",
		word,
		printable,
	};
	// clang-format on
	for (const std::string &t : tokens) {
		survives(t + "\n");
		Valid v = p->valid(r, 4, false);
		size_t mid = v.ends[v.ends.size() / 2];
		std::string in = v.text.substr(0, mid) + t + "\n" +
		    v.text.substr(mid);
		survives(in, settled_answers(v, mid),
		    t == word && p->numbers && p->numbers(v.text, mid), 20s);
	}

	std::string wordy;
	for (int i = 0; i < 1000000; i++) {
		char c = static_cast<char>(32 + pick(r, 95));
		wordy += c >= '0' && c <= '9' ? 'q' : c;
	}
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	const std::string lines[] = {
		wordy,
		std::string(1000000, ' '),
		std::string(1000000, '\0'),
		std::string(1000000, 'A'),
	};
	// clang-format on
	for (const std::string &line : lines) {
		Valid v = p->valid(r, 3, false);
		std::string in = v.text + line + "\n" + v.text;
		bool stops = (line[0] == '\0' || line[0] == 'A') &&
		    p->numbers && p->numbers(in, v.text.size());
		survives(in, output_of(v.text), stops, 20s);
	}
}

// Every input that ever crashed or hung a program stays a case.
TEST_P(Hostile, Regressions)
{
	std::filesystem::path dir = SOURCE_DIR "/tests/hostile/regress";
	dir /= std::string(GetParam().name);
	if (!std::filesystem::is_directory(dir))
		GTEST_SKIP() << "no regression inputs for " << GetParam().name;
	std::vector<std::filesystem::path> files;
	for (const auto &e : std::filesystem::directory_iterator(dir))
		files.push_back(e.path());
	std::sort(files.begin(), files.end());
	for (const auto &f : files) {
		std::ifstream is(f, std::ios::binary);
		std::string in((std::istreambuf_iterator<char>(is)), {});
		SCOPED_TRACE(f.filename().string());
		survives(in, {}, false, 20s);
	}
}

std::string
built_name(const testing::TestParamInfo<Built> &info)
{
	return std::string(info.param.name);
}

INSTANTIATE_TEST_SUITE_P(Hostile, Hostile, testing::ValuesIn(built),
    built_name);

} // namespace
