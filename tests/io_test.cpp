// The shared number readers against the C library's scanf, token by token:
// the same result, the same value to the bit and the same bytes read, on
// every form the hostile suite feeds the programs and many random ones.
#include "io.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "harness.h"

namespace {

// Makes `text` the whole input of the readers, ending where it ends.
void
feed(std::string_view text)
{
	ASSERT_LE(text.size(), sizeof ibuf);
	std::memcpy(ibuf, text.data(), text.size());
	ip = ibuf;
	ie = ibuf + text.size();
	ieof = true; // no refill: the input ends with the text
}

size_t
consumed()
{
	return static_cast<size_t>(ip - ibuf);
}

struct Scanned {
	int r;
	double d;
	long l;
	size_t at; // bytes read, the one put back not counted
};

Scanned
scan(std::string_view text, const char *fmt)
{
	Scanned s{0, -12345.0, -12345, 0};
	std::string copy(text);
	FILE *f = fmemopen(copy.data(), copy.size(), "r");
	if (f == nullptr)
		return s;
	if (fmt[1] == 'l' && fmt[2] == 'f')
		s.r = std::fscanf(f, "%lf", &s.d);
	else
		s.r = std::fscanf(f, "%ld", &s.l);
	s.at = static_cast<size_t>(std::ftell(f));
	std::fclose(f);
	return s;
}

bool
same_bits(double a, double b)
{
	return std::memcmp(&a, &b, sizeof a) == 0;
}

// Whether the bytes scanf took, white space and sign aside, are a cut-short
// "inf", "infinity" or "nan" and the byte that broke it.
bool
cut_word(std::string_view taken)
{
	size_t i = taken.find_first_not_of(" \t\n\v\f\r");
	if (i == std::string_view::npos)
		return false;
	if (taken[i] == '+' || taken[i] == '-')
		i++;
	std::string low;
	for (char c : taken.substr(i))
		low += static_cast<char>(c | 0x20);
	return low.size() >= 2 &&
	    ("infinity"sv.starts_with(
	         std::string_view(low).substr(0, low.size() - 1)) ||
	        "nan"sv.starts_with(
	            std::string_view(low).substr(0, low.size() - 1)));
}

void
check_double(std::string_view text)
{
	SCOPED_TRACE("input \"" + visible(text) + "\"");
	Scanned want = scan(text, "%lf");
	double d = -12345.0;
	feed(text);
	int r = readdouble(&d);
	ASSERT_EQ(r, want.r);
	if (r == 1) {
		EXPECT_TRUE(same_bits(d, want.d)) << d << " vs " << want.d;
		EXPECT_EQ(consumed(), want.at);
	} else if (r == 0 && consumed() != want.at) {
		// A failed read puts back the byte that broke a cut-short word,
		// which scanf keeps.
		EXPECT_EQ(consumed() + 1, want.at);
		EXPECT_TRUE(cut_word(text.substr(0, want.at)));
	}
}

void
check_int(std::string_view text)
{
	SCOPED_TRACE("input \"" + visible(text) + "\"");
	Scanned want = scan(text, "%ld");
	int v = -12345;
	feed(text);
	int r = readint(&v);
	EXPECT_EQ(consumed(), want.at);
	// Beyond int, scanf gives some value (the type's limit, or none at all
	// for int); readint refuses the number.
	if (want.r == 1 && (want.l > INT32_MAX || want.l < INT32_MIN)) {
		EXPECT_EQ(r, 0);
		return;
	}
	ASSERT_EQ(r, want.r);
	if (r == 1) {
		EXPECT_EQ(v, want.l);
	}
}

// The forms of the hostile suite, and the cut-short ones around them.
// Laid out by hand: clang-format would repack it and split the joined literals.
// clang-format off
const std::string_view forms[] = {"", " ", " \n\t", "0", "-0", "+0", "7",
    "42", "-42", "+42", "007", "00", "-", "+", "--1", "+-1", "-+1", ".",
    "-.", ".5", "5.", "1.5", "-1.5", "1..2", "1.2.3", "1e", "1e+", "1e-",
    "1E5", "1e5", "1e-5", "1e+5", "1e5e", "1e5.5", "2.5e-3", "1e400",
    "-1e400", "1e-400", "4.9e-324", "2.4e-324", "2.5e-324",
    "1.7976931348623157e308", "1.7976931348623158e308", "1.8e308",
    "2147483647", "2147483648", "-2147483648", "-2147483649",
    "4294967296", "9223372036854775807", "9223372036854775808",
    "99999999999999999999", "0x", "0X", "0x1", "0x1p", "0x1p4", "0X1P-2",
    "0x.", "0x.p1", "0xp", "0x1.8p1", "0xg", "0x1e", "-0x1p-1074",
    "0x1p-1075", "0x1.fffffffffffff8p1023", "00x1", "inf", "INF", "Inf",
    "-inf", "+inf", "infinity", "INFINITY", "-Infinity", "in", "i", "inx",
    "infin", "infinx", "infinit", "infinityx", "infx", "nan", "NaN", "NAN",
    "-nan", "+nan", "na", "n", "nanx", "nan(1)", "nanq", "x", "e5", "e",
    "p", "\xff", "\x80", "1\0" "2"sv, "\0"sv, "1,5", "1_000", "0.e", "0e",
    "1e5x", "12abc", "0x1g", "1.5e+x", ".e5", "-.e5", "5e05", "0.000001",
    "123456789012345678901234567890", "0.1", "0.2", "0.3", "999999.5",
    "1e6", "3e-5", "2.5", "-7.25", "1000000", "0x2a", "4.2e1", "42.0"};
// clang-format on

const std::string_view tails[] = {"", " ", "\n", "x", "e", ".", "+", "-", "5",
    "i", "a", "\0"sv, "\xff"};

TEST(Readers, AgreeWithScanfOnEveryForm)
{
	for (std::string_view f : forms)
		for (std::string_view t : tails) {
			std::string text = std::string(f) + std::string(t);
			check_double(text);
			check_int(text);
			check_double(" \n" + text);
			check_int("\t" + text);
		}
}

// Long digit strings: every digit counts until the value is settled, and
// digits far out still decide a value lying near a halfway point.
TEST(Readers, AgreeWithScanfOnLongNumbers)
{
	const std::string zeros(1000, '0'), nines(1000, '9');
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	const std::string texts[] = {
	    "1" + zeros, "-1" + zeros, zeros + "7", "0." + zeros + "1",
	    "1." + zeros + "1", nines, "0." + nines, "0x" + std::string(300, 'f'),
	    "0x1." + std::string(300, '0') + "1",
	    // 2^-1075, halfway between 0 and the smallest subnormal, written
	    // out, then one digit more or less far behind.
	    "2.4703282292062327208828439643411068618252990130716238221279284125"
	    "0e-324",
	    "2.4703282292062327208828439643411068618252990130716238221279284125"
	    + zeros + "1e-324",
	    // 1 + 2^-53, halfway between 1 and the next double
	    "1.00000000000000011102230246251565404236316680908203125",
	    "1.00000000000000011102230246251565404236316680908203125" + zeros +
	    "1",
	    "1.00000000000000011102230246251565404236316680908203124" + nines,
	    "1e" + nines, "1e-" + nines, "0e" + nines, "1" + zeros + "e-1000",
	    std::string(5000, '1') + "e-5000",
	};
	// clang-format on
	for (const std::string &t : texts) {
		check_double(t);
		check_int(t);
	}
}

// Random tokens built from the pieces numbers are made of.
TEST(Readers, AgreeWithScanfOnRandomTokens)
{
	const std::string_view pieces[] = {"0", "1", "5", "9", "00", "123",
	    "4503599627370497", ".", "e", "E", "p", "P", "x", "X", "+", "-",
	    "a", "f", "F", "i", "n", "inf", "nan", "INITY", "ity", " ", "\n",
	    "\0"sv, "\xff", "0x", "e-", "e+", "308", "324", "999999999"};
	uint64_t s = 0x243f6a8885a308d3;
	for (int i = 0; i < 200000; i++) {
		std::string text;
		s = s * 6364136223846793005 + 1442695040888963407;
		for (int k = static_cast<int>(s >> 60) % 7; k >= 0; k--) {
			s = s * 6364136223846793005 + 1442695040888963407;
			text += pieces[(s >> 33) % std::size(pieces)];
		}
		check_double(text);
		check_int(text);
		if (HasFailure())
			return;
	}
}

// Plain decimals of up to 17 digits with exponents around the powers of ten
// that a double holds exactly, where a shortcut may be taken.
TEST(Readers, AgreeWithScanfOnPlainDecimals)
{
	uint64_t s = 0x13198a2e03707344;
	for (int i = 0; i < 200000; i++) {
		s = s * 6364136223846793005 + 1442695040888963407;
		std::string digits = std::to_string(s >> (s % 60));
		digits.resize(1 + (s >> 8) % 17);
		int point = static_cast<int>((s >> 16) % (digits.size() + 1));
		std::string text = (s >> 24) % 2 ? "-" : "";
		text += digits.substr(0, point) + "." + digits.substr(point);
		text += "e" +
		    std::to_string(static_cast<int>((s >> 32) % 61) - 30);
		check_double(text);
		if (HasFailure())
			return;
	}
}

} // namespace
