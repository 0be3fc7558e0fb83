// Hostile input for every program that is built: random bytes, numbers of
// every odd form, input cut or damaged at every position, huge tokens and
// lines, and every input that ever crashed or hung a program.
//
// Each run must exit 0 in time with an empty stderr and print nothing but
// answers.  Where the input starts with complete cases, the output must start
// with exactly the answers to those cases alone: damage after them loses
// nothing already answered.  All inputs come from fixed seeds.
#include "harness.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <span>

namespace {

using Words = std::span<const std::string_view>;

// The programs of this build, one {name, path} row each.
struct Built {
	std::string_view name;
	const char *path;
};
const Built built[] = {
#include "hostile_programs.inc"
};

void PrintTo(const Built &b, std::ostream *os) { *os << b.name; }

// splitmix64: small, and the same sequence on every platform.
struct Rng {
	uint64_t s;
};

uint64_t next(Rng &r)
{
	uint64_t z = (r.s += 0x9e3779b97f4a7c15);
	z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
	z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
	return z ^ (z >> 31);
}

int pick(Rng &r, int n)
{
	return static_cast<int>(next(r) % static_cast<uint64_t>(n));
}

std::string_view any(Rng &r, Words w)
{
	return w[pick(r, static_cast<int>(w.size()))];
}

// A fixed seed per program and per kind of input.
Rng seeded(std::string_view name, uint64_t kind)
{
	uint64_t h = 14695981039346656037u;
	for (unsigned char c : name)
		h = (h ^ c) * 1099511628211u;
	return {h ^ kind};
}

std::string num(long long x) { return std::to_string(x); }

// A valid input and the places in it where every answer so far is final:
// after the header and after each complete case.
struct Valid {
	std::string text;
	std::vector<size_t> ends{0};
};

void add(Valid &v, std::string_view piece)
{
	v.text += piece;
	v.ends.push_back(v.text.size());
}

// The last place at or before `at` where every answer so far is final.
size_t settled(const Valid &v, size_t at)
{
	return *std::prev(std::upper_bound(v.ends.begin(), v.ends.end(), at));
}

const std::string_view blanks[] = {" ", "\n", "\t", "  ", "\r\n", " \n\t"};

std::string_view blank(Rng &r) { return any(r, blanks); }

// ---- valid inputs, one generator per program ----

Valid squarepegs(Rng &r, int n)
{
	Valid v;
	// The count may exceed the queries given: the input then ends early.
	add(v, num(n + pick(r, 3)) + std::string(blank(r)));
	for (int i = 0; i < n; i++)
		add(v, num(pick(r, 70) - 3) + std::string(blank(r)));
	return v;
}

const std::string_view vocab[] = {"apple", "banana", "cherry", "a", "A", "b",
    "ba", "x.", "\xc3\xa9t\xc3\xa9", "abcdefghijklmnopqrstuvwxyz"};
const std::string_view amounts[] = {"10", "2.5", "-7.25", "0", "1e6", "0.1",
    "999999.5", "-0", "3e-5", "+4"};

Valid wordvalue(Rng &r, int n)
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
		for (int w = pick(r, 5); w > 0; w--)
			text += std::string(any(r, vocab)) + std::string(blank(r));
		add(v, text + "." + std::string(blank(r)));
	}
	return v;
}

Valid primeshare(Rng &r, int n)
{
	Valid v;
	for (int i = 0; i < n; i++) {
		long long a, b;
		switch (pick(r, 6)) {
		case 0:	// inside the table
			a = pick(r, 10000);
			b = a + pick(r, 10000 - static_cast<int>(a));
			break;
		case 1:	// anywhere in the 32-bit range, a short range
			a = static_cast<long long>(next(r) % 4294967296u) - 2147483648;
			b = std::min(a + pick(r, 40), 2147483647LL);
			break;
		case 2:	// a > b
			a = pick(r, 10000) + 1;
			b = a - 1 - pick(r, 5);
			break;
		case 3:	// at the ends of the 32-bit range
			a = 2147483647 - pick(r, 30);
			b = 2147483647;
			break;
		case 4:
			a = -2147483648LL;
			b = a + pick(r, 30);
			break;
		default:
			a = pick(r, 10000);
			b = a + pick(r, 30);
		}
		add(v, num(a) + std::string(blank(r)) + num(b) + std::string(blank(r)));
	}
	return v;
}

const std::string_view huge_n[] = {"9007199254740992", "1e16", "1e300",
    "1.7976931348623157e308", "inf", "-inf", "nan", "4503599627370496.5"};
const std::string_view small_k[] = {"0", "1", "2", "-1", "3", "1e300", "inf",
    "nan", "0.5"};

Valid binomdigits(Rng &r, int n)
{
	Valid v;
	for (int i = 0; i < n; i++) {
		std::string a, b;
		int top = pick(r, 2000);
		switch (pick(r, 5)) {
		case 0:	// whole numbers, small n, k anywhere near 0..n
			a = num(top);
			b = num(pick(r, top + 7) - 3);
			break;
		case 1:	// n anywhere below 2^53, small k
			a = num(static_cast<long long>(next(r) >> 11));
			b = num(pick(r, 25));
			break;
		case 2:	// not whole numbers
			a = num(pick(r, 60)) + ".5";
			b = num(pick(r, 30)) + ".25";
			break;
		case 3:	// n where adding 1 no longer moves a double, or not finite
			a = any(r, huge_n);
			b = any(r, small_k);
			break;
		default:	// k outside 0..n
			a = num(pick(r, 100));
			b = pick(r, 2) ? num(-1 - pick(r, 5)) : "1e9";
		}
		add(v, a + std::string(blank(r)) + b + std::string(blank(r)));
	}
	return v;
}

Valid factdigits(Rng &r, int n)
{
	Valid v;
	for (int i = 0; i < n; i++) {
		const long long pool[] = {pick(r, 150), pick(r, 1800), 0, 1,
		    -pick(r, 100), 1774, -2147483648LL, 2};
		add(v, num(pool[pick(r, 8)]) + std::string(blank(r)));
	}
	return v;
}

std::string field(Rng &r)
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

Valid tripspeed(Rng &r, int n)
{
	Valid v;
	for (int i = 0; i < n; i++) {
		std::string rec = pick(r, 5) ? "" : pick(r, 2) ? "\n" : " \t";
		rec += field(r) + ":" + field(r) + ":" + field(r);
		switch (pick(r, 4)) {
		case 0:
			rec += " " + std::string(any(r, speeds)) + "\n";
			break;
		case 1:	// a blank before the line feed: the speed is on the next line
			rec += " \n" + std::string(any(r, speeds)) + "\n";
			break;
		default:
			rec += "\n";
		}
		add(v, rec);
	}
	return v;
}

Valid keyshift(Rng &r, int n)
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

Valid wordlengths(Rng &r, int n)
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

Valid soundcode(Rng &r, int n)
{
	static const std::string_view letters =
	    "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ"
	    "abcdefghijklmnopqrstuvwxyz0123456789'-.,!\x80\xc3\xa9\xff";
	Valid v;
	for (int i = 0; i < n; i++) {
		std::string word;
		for (int len = 1 + pick(r, 12); len > 0; len--)
			word += letters[pick(r, static_cast<int>(letters.size()))];
		add(v, word + std::string(blank(r)));
	}
	return v;
}

const std::string_view trees[] = {"0", "1", "2", "5", "14", "42", "3", "43",
    "0.5", "4.9999999999", "1.0000000001", "1.000000001", "0.000000001", "-3",
    "1e15", "1289904147324", "1289904147325", "4.2e1", "132.0"};

Valid treecount(Rng &r, int n)
{
	Valid v;
	for (int i = 0; i < n; i++)
		add(v, std::string(any(r, trees)) + std::string(blank(r)));
	return v;
}

// ---- inputs that ask, by the contract, for a long exact computation ----

// The numbers the program reads, in order, up to the first token that is no
// number (where every program stops).  Reads as "%d" and "%lf" do: blanks
// skipped, then the longest number there.
std::vector<double> numbers(std::string_view in, bool floating)
{
	std::string s(in);
	std::vector<double> got;
	for (size_t i = 0;;) {
		while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
			i++;
		const char *from = s.c_str() + i;
		char *end;
		double x = floating ? std::strtod(from, &end) :
		    static_cast<double>(std::strtoll(from, &end, 10));
		if (end == from)
			return got;
		got.push_back(x);
		i = static_cast<size_t>(end - s.c_str());
	}
}

// A pair n k below 2^53 runs one step for each x from m + 1 up to n, m the
// larger of k and n - k; keep the steps few.
bool binomdigits_costly(std::string_view in)
{
	auto x = numbers(in, true);
	for (size_t i = 0; i + 1 < x.size(); i += 2) {
		double n = x[i], k = x[i + 1];
		double m = k > n - k ? k : n - k;
		if (n < 0x1p53 && n - m > 10000)
			return true;
	}
	return false;
}

// A range is counted number by number; keep ranges outside the table short.
bool primeshare_costly(std::string_view in)
{
	auto x = numbers(in, false);
	for (size_t i = 0; i + 1 < x.size(); i += 2)
		if (x[i] >= -2147483648.0 && x[i + 1] <= 2147483647.0 &&
		    x[i + 1] - x[i] > 50000)
			return true;
	return false;
}

// Each n! is built digit by digit: keep n and the total work small.
bool factdigits_costly(std::string_view in)
{
	double work = 0;
	for (double n : numbers(in, false)) {
		if (n > 2147483647.0)
			break;	// beyond int: the run ends here
		if (n > 2500)
			return true;
		if (n > 0)
			work += n * n;
	}
	return work > 3e7;
}

// ---- what an answer looks like ----

bool each_line(std::string_view out, const std::regex &re)
{
	if (!out.empty() && out.back() != '\n')
		return false;
	while (!out.empty()) {
		size_t nl = out.find('\n');
		if (!std::regex_match(out.begin(), out.begin() + nl, re))
			return false;
		out.remove_prefix(nl + 1);
	}
	return true;
}

bool counts(std::string_view, std::string_view out)
{
	static const std::regex re("[0-9]+");
	return each_line(out, re);
}

bool sums(std::string_view, std::string_view out)
{
	static const std::regex re(
	    "-?(inf|nan|[0-9]+(\\.[0-9]+)?(e[-+][0-9][0-9]+)?)");
	return each_line(out, re);
}

bool shares(std::string_view, std::string_view out)
{
	static const std::regex re("-?(inf|nan|[0-9]+\\.[0-9][0-9])");
	return each_line(out, re);
}

bool digit_counts(std::string_view, std::string_view out)
{
	static const std::regex re("-?(inf|nan|[0-9]+)");
	return each_line(out, re);
}

// A field below 10 has one leading 0, a negative one included.
bool trip_lines(std::string_view, std::string_view out)
{
	static const std::regex re(
	    "((0[0-9]|0-[0-9]+|[1-9][0-9]+):){2}(0[0-9]|0-[0-9]+|[1-9][0-9]+)"
	    " -?(inf|nan|[0-9]+\\.[0-9][0-9]) km");
	return each_line(out, re);
}

// One line out per line in, lower-cased and mapped: no capital survives.
bool shifted_lines(std::string_view in, std::string_view out)
{
	size_t lines = std::count(in.begin(), in.end(), '\n') +
	    (!in.empty() && in.back() != '\n');
	return static_cast<size_t>(std::count(out.begin(), out.end(), '\n')) ==
	    lines && (out.empty() || out.back() == '\n') &&
	    std::none_of(out.begin(), out.end(),
		[](char c) { return c >= 'A' && c <= 'Z'; });
}

// "L N" lines in increasing L, each block's list ended by an empty line.
bool length_lines(std::string_view, std::string_view out)
{
	static const std::regex re("([1-9][0-9]*) [1-9][0-9]*|");
	if (!each_line(out, re))
		return false;
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
bool code_lines(std::string_view in, std::string_view out)
{
	static const std::regex re("[1-6]*");
	size_t words = 0;
	bool inword = false;
	for (unsigned char c : in) {
		bool space = std::isspace(c);
		words += inword && space;
		inword = !space;
	}
	words += inword;
	return each_line(out, re) &&
	    static_cast<size_t>(std::count(out.begin(), out.end(), '\n')) == words;
}

bool indexes(std::string_view, std::string_view out)
{
	static const std::regex re("[0-9]|1[0-9]|2[0-5]");
	return each_line(out, re);
}

// ---- the programs ----

const std::string_view int_forms[] = {"0", "-0", "+0", "7", "-7", "+7",
    "007", "2147483647", "-2147483648", "2147483648", "-2147483649",
    "4294967296", "99999999999", "9223372036854775807",
    "9223372036854775808", "-9223372036854775809", "18446744073709551616",
    "100000000000000000000000000000000000000000", "0000000000000000000000005",
    "1e3", "0x1f", "0X7FFFFFFF", "1.5", ".5", "-.5", "+-3", "--3", "- 3", "+",
    "-", "inf", "nan", "\xd9\xa3", "1,000", "1_000", "12abc", "\x00" "1"sv};

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

const std::string_view int_bad[] = {"x", "\0"sv, "-", "+", "\xff", "--1",
    "nan", ".5", "2147483648", "#"};
const std::string_view float_bad[] = {"x", "\0"sv, "-", "+", ".", "e5",
    "\xff", "-.e", "#"};
const std::string_view trip_bad[] = {"x", "\0"sv, "-", ":", " ", "\xff", "+",
    "9999999999", "\r", "1e"};
const std::string_view text_bad[] = {"\0"sv, "\xff", "#", "\r", "\n", "-\n",
    "'", "\x80\x80", " "};

struct Program {
	std::string_view name;
	Valid (*valid)(Rng &, int cases);
	Words forms;                     // numbers of every form for its reads
	Words bad;                       // damage: tokens that are no case
	bool (*answers)(std::string_view in, std::string_view out);
	bool (*costly)(std::string_view in);
	std::string_view seps = " \t\n\v\f\r";  // what separates tokens
};

const Program programs[] = {
	{"squarepegs", squarepegs, int_forms, int_bad, counts, nullptr},
	{"wordvalue", wordvalue, float_forms, float_bad, sums, nullptr},
	{"primeshare", primeshare, int_forms, int_bad, shares, primeshare_costly},
	{"binomdigits", binomdigits, float_forms, float_bad, digit_counts, binomdigits_costly},
	{"factdigits", factdigits, int_forms, int_bad, counts, factdigits_costly},
	{"tripspeed", tripspeed, float_forms, trip_bad, trip_lines, nullptr, " \t\n\v\f\r:"},
	{"keyshift", keyshift, float_forms, text_bad, shifted_lines, nullptr},
	{"wordlengths", wordlengths, float_forms, text_bad, length_lines, nullptr},
	{"soundcode", soundcode, float_forms, text_bad, code_lines, nullptr},
	{"treecount", treecount, float_forms, float_bad, indexes, nullptr},
};

const Program *known(std::string_view name)
{
	for (const Program &p : programs)
		if (p.name == name)
			return &p;
	return nullptr;
}

// ---- running ----

std::string shown(std::string_view in)
{
	if (in.size() <= 300)
		return '"' + visible(in) + '"';
	return std::to_string(in.size()) + " bytes, \"" +
	    visible(in.substr(0, 120)) + "\" ... \"" +
	    visible(in.substr(in.size() - 60)) + '"';
}

struct Hostile : testing::TestWithParam<Built> {
	const Program *p = known(GetParam().name);
	int tried = 0, skipped = 0, failed = 0;

	void SetUp() override
	{
		ASSERT_NE(p, nullptr) << "no hostile inputs for " << GetParam().name;
	}

	void TearDown() override
	{
		std::printf("%s: %d hostile inputs run, %d skipped as long by "
		    "contract\n", GetParam().name.data(), tried, skipped);
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
		std::ofstream(path, std::ios::binary).write(in.data(),
		    static_cast<std::streamsize>(in.size()));
		return path;
	}

	// Runs one input; true when it passes every check.  `before` is the
	// output the start of the input must give on its own.
	bool survives(std::string_view in, std::string_view before = {},
	    std::chrono::milliseconds limit = 5s, std::string *out = nullptr)
	{
		if (failed >= 3)
			return false;	// enough to go on; spare the log
		if (p->costly && p->costly(in)) {
			skipped++;
			return true;
		}
		tried++;
		Outcome r = run(in, limit, GetParam().path);
		std::string why;
		if (r.timed_out)
			why = "did not finish in time";
		else if (r.status != 0)
			why = "exit status " + std::to_string(r.status);
		else if (!r.err.empty())
			why = "stderr \"" + visible(r.err.substr(0, 400)) + '"';
		else if (!p->answers(in, r.out))
			why = "printed something that is no answer";
		else if (r.out.compare(0, before.size(), before) != 0)
			why = "lost the answers before the damage, \"" +
			    visible(before.substr(0, 300)) + '"';
		if (why.empty()) {
			if (out)
				*out = std::move(r.out);
			return true;
		}
		failed++;
		ADD_FAILURE() << GetParam().name << ": " << why << "\n  input "
		    << shown(in) << " (kept as " << keep(in) << ")\n  output "
		    << shown(r.out);
		return false;
	}

	// The output of a valid input, checked like any other.
	std::string output_of(std::string_view in)
	{
		std::string out;
		survives(in, {}, 5s, &out);
		return out;
	}

	// The answers to everything before `at`, where they are final.
	std::string settled_answers(const Valid &v, size_t at)
	{
		return output_of(std::string_view(v.text).substr(0, settled(v, at)));
	}

	// Where tokens start in the text.
	std::vector<size_t> token_starts(std::string_view text)
	{
		std::vector<size_t> at;
		for (size_t i = 0; i < text.size(); i++)
			if (p->seps.find(text[i]) == std::string_view::npos &&
			    (i == 0 || p->seps.find(text[i - 1]) != std::string_view::npos))
				at.push_back(i);
		return at;
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
			junk += bytes ? static_cast<char>(pick(r, 256)) :
			    near[pick(r, static_cast<int>(near.size()))];
		if (i % 2 == 0) {
			survives(junk);
			continue;
		}
		Valid v = p->valid(r, 1 + pick(r, 4));
		survives(v.text + junk, output_of(v.text));
	}
}

// Numbers of every form, and near-numbers, where a token stands.
TEST_P(Hostile, NumberForms)
{
	Rng r = seeded(GetParam().name, 2);
	std::string all;
	for (std::string_view f : p->forms) {
		all += std::string(f) + " ";
		for (int i = 0; i < 2; i++) {
			Valid v = p->valid(r, 3);
			auto at = token_starts(v.text);
			size_t from = at.empty() ? 0 : at[pick(r, static_cast<int>(at.size()))];
			size_t to = v.text.find_first_of(p->seps, from);
			std::string in = v.text.substr(0, from) + std::string(f) +
			    (to == std::string::npos ? "" : v.text.substr(to));
			survives(in, settled_answers(v, from));
		}
	}
	survives(all);
}

// Every valid input cut off at every position.
TEST_P(Hostile, CutEverywhere)
{
	Rng r = seeded(GetParam().name, 3);
	for (int i = 0; i < 2; i++) {
		Valid v = p->valid(r, 4);
		std::vector<std::string> settled_out;
		for (size_t end : v.ends)
			settled_out.push_back(output_of(std::string_view(v.text).substr(0, end)));
		for (size_t at = 0; at <= v.text.size(); at++) {
			size_t k = std::upper_bound(v.ends.begin(), v.ends.end(), at) -
			    v.ends.begin() - 1;
			survives(std::string_view(v.text).substr(0, at), settled_out[k]);
		}
	}
}

// Damage put in at every position, and in place of every token.
TEST_P(Hostile, DamageEverywhere)
{
	Rng r = seeded(GetParam().name, 4);
	Valid v = p->valid(r, 4);
	std::string_view text = v.text;
	for (size_t at = 0; at <= text.size(); at++) {
		std::string_view bad = p->bad[at % p->bad.size()];
		survives(std::string(text.substr(0, at)) + std::string(bad) +
		    std::string(text.substr(at)), settled_answers(v, at));
	}
	Valid w = p->valid(r, 3);
	for (size_t from : token_starts(w.text)) {
		size_t to = std::min(w.text.find_first_of(p->seps, from), w.text.size());
		for (std::string_view bad : p->bad)
			survives(w.text.substr(0, from) + std::string(bad) +
			    w.text.substr(to), settled_answers(w, from));
	}
}

// Tokens of 100000 characters; lines of 1000000 bytes between valid input.
TEST_P(Hostile, LongTokensAndLines)
{
	Rng r = seeded(GetParam().name, 5);
	std::string printable;
	for (int i = 0; i < 100000; i++)
		printable += static_cast<char>(33 + pick(r, 94));
	const std::string tokens[] = {
		std::string(100000, '9'),
		std::string(99999, '0') + "7",
		"-" + std::string(99999, '1'),
		"0." + std::string(99997, '0') + "1",
		std::string(100000, 'B'),
		printable,
	};
	for (const std::string &t : tokens) {
		survives(t + "\n");
		Valid v = p->valid(r, 4);
		size_t mid = v.ends[v.ends.size() / 2];
		std::string in = v.text.substr(0, mid) + t + "\n" + v.text.substr(mid);
		survives(in, settled_answers(v, mid), 20s);
	}

	std::string wordy;
	for (int i = 0; i < 1000000; i++) {
		char c = static_cast<char>(32 + pick(r, 95));
		wordy += c >= '0' && c <= '9' ? 'q' : c;
	}
	const std::string lines[] = {
		wordy,
		std::string(1000000, ' '),
		std::string(1000000, '\0'),
		std::string(1000000, 'A'),
	};
	for (const std::string &line : lines) {
		Valid v = p->valid(r, 3);
		std::string in = v.text + line + "\n" + v.text;
		survives(in, output_of(v.text), 20s);
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
		survives(in, {}, 20s);
	}
}

std::string built_name(const testing::TestParamInfo<Built> &info)
{
	return std::string(info.param.name);
}

INSTANTIATE_TEST_SUITE_P(Hostile, Hostile, testing::ValuesIn(built),
    built_name);

} // namespace
