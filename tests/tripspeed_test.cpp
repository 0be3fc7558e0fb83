#include "harness.h"

#include <cstdio>
#include <random>
#include <vector>

// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const Case cases[] = {
	// The worked example: 45 km at 60 km/h, 25 km over 1 h - 35 min,
	// 74.4625 km at 80.5 km/h, then standing still.
	{"worked_example",
	    "7:0:0\n07:00:00 60\n07:45:00\n08:10:00 80.5\n9:05:30\n"
	    "9:5:30 0\n10:00:00\n"sv,
	    "07:00:00 0.00 km\n07:45:00 45.00 km\n09:05:30 144.46 km\n"
	    "10:00:00 144.46 km\n"sv},

	// Distances worked by hand: speed times the interval, field by field.
	{"query_before_any_speed", "5:0:0\n"sv, "05:00:00 0.00 km\n"sv},
	{"first_speed_record_adds_nothing", "23:0:0 50\n23:30:00\n"sv,
	    "23:30:00 25.00 km\n"sv},
	{"two_queries_at_one_time", "0:0:0 60\n1:0:0\n1:0:0\n"sv,
	    "01:00:00 60.00 km\n01:00:00 60.00 km\n"sv},
	{"query_at_time_of_speed_record", "0:0:0 60\n1:0:0 10\n1:0:0\n"sv,
	    "01:00:00 60.00 km\n"sv},
	{"speed_zero_stops_distance", "0:0:0 60\n1:0:0 0\n5:0:0\n"sv,
	    "05:00:00 60.00 km\n"sv},
	{"negative_speed_shrinks_distance", "0:0:0 60\n1:0:0 -30\n2:0:0\n"sv,
	    "02:00:00 30.00 km\n"sv},
	{"earlier_time_takes_distance_back", "0:0:0 60\n1:0:0\n0:30:0\n"sv,
	    "01:00:00 60.00 km\n00:30:00 30.00 km\n"sv},
	{"no_wrap_at_midnight", "23:59:00 60\n00:01:00\n"sv,
	    "00:01:00 -1438.00 km\n"sv},
	{"minutes_75_count_at_face_value", "0:0:0 60\n00:75:00\n"sv,
	    "00:75:00 75.00 km\n"sv},
	{"seconds_90_count_at_face_value", "0:0:0 3600\n0:0:90\n"sv,
	    "00:00:90 90.00 km\n"sv},
	{"hours_100", "0:0:0 3600\n100:5:30\n"sv,
	    "100:05:30 360330.00 km\n"sv},
	{"hex_speed", "0:0:0 0x1p4\n1:0:0\n"sv, "01:00:00 16.00 km\n"sv},
	{"many_digits_before_point", "0:0:0 1e20\n1:0:0\n"sv,
	    "01:00:00 100000000000000000000.00 km\n"sv},
	// 0.125 and 0.375 are exact halves: the even digit wins.
	{"half_cent_rounds_to_even_down", "0:0:0 0.125\n1:0:0\n"sv,
	    "01:00:00 0.12 km\n"sv},
	{"half_cent_rounds_to_even_up", "0:0:0 0.375\n1:0:0\n"sv,
	    "01:00:00 0.38 km\n"sv},
	// Differences of the extremes leave the int range; wrapped they
	// would give -1.
	{"difference_beyond_int_is_exact",
	    "-2147483648:0:0 1\n2147483647:0:0\n"sv,
	    "2147483647:00:00 4294967295.00 km\n"sv},
	// inf * 0 in the minutes term is x87's default NaN, whose sign is set.
	{"infinite_speed_gives_nan", "0:0:0 inf\n1:0:0\n"sv,
	    "01:00:00 -nan km\n"sv},
	{"nan_speed_stays", "0:0:0 nan\n1:0:0 0\n2:0:0\n"sv,
	    "02:00:00 nan km\n"sv},

	// Rounding checked by an exact rational emulation (products and sums
	// rounded to 64 bits, the total to 53): rounding every step to double
	// instead prints 829715.99 and 745441.65.
	{"sum_rounded_once_to_double", "0:0:0 9589.875\n85:91:12\n"sv,
	    "85:91:12 829715.98 km\n"sv},
	{"sum_rounded_once_integer_speed", "0:0:0 11263\n65:70:66\n"sv,
	    "65:70:66 745441.66 km\n"sv},
	// Same emulation: the per-second rate is the stored per-minute rate
	// over 60; speed / 3600 would leave -0.00.
	{"per_second_rate_from_per_minute", "0:0:0 9136.284\n0:-1:60\n"sv,
	    "00:0-1:60 0.00 km\n"sv},
	// Same emulation, on exact values lying close to a half cent.  The
	// hours product is added to the minutes product first, all at 64
	// bits: minutes and seconds summed first print 4157754.28, the hours
	// product rounded to double prints that and 29382.30.
	{"products_summed_left_to_right", "0:0:0 6272.568\n662:50:50\n"sv,
	    "662:50:50 4157754.27 km\n"sv},
	{"hour_product_kept_extended", "0:0:0 4810.2\n6:6:30\n"sv,
	    "06:06:30 29382.31 km\n"sv},
	// Same emulation: the stored distance comes last in the sum, after
	// the three products; added first it prints 1.71.
	{"stored_distance_added_last",
	    "0:0:0 1.7110564769853023\n1:0:0 0.0014340083689809789\n3:44:60\n"sv,
	    "03:44:60 1.72 km\n"sv},
	// Same emulation: the per-minute rate is the speed over 60; the
	// speed times a rounded 1/60 prints 0.01.
	{"per_minute_rate_is_speed_over_60", "0:0:0 0.9\n0:1:0\n"sv,
	    "00:01:00 0.02 km\n"sv},
	// Same emulation: the distance is rounded to double at every record;
	// carried at 64 bits from one query to the next it prints 9459559.52.
	{"distance_rounded_at_each_record",
	    "0:0:0 26271\n203:27:1\n360:4:34\n"sv,
	    "203:27:01 5344842.25 km\n360:04:34 9459559.51 km\n"sv},

	// The echo shows the numbers, each below 10 with one leading 0.
	{"leading_zeros", "9:5:7\n"sv, "09:05:07 0.00 km\n"sv},
	{"nine_in_every_field", "9:9:9\n"sv, "09:09:09 0.00 km\n"sv},
	{"ten_has_no_leading_zero", "10:10:10\n"sv, "10:10:10 0.00 km\n"sv},
	{"negative_fields_get_a_zero", "-5:-5:-5\n-10:0:0\n"sv,
	    "0-5:0-5:0-5 0.00 km\n0-10:00:00 0.00 km\n"sv},
	{"echo_shows_number_not_text", "007:00:00\n+7:+0:+0\n"sv,
	    "07:00:00 0.00 km\n07:00:00 0.00 km\n"sv},
	{"blanks_before_each_field", "7: 0:\t0\n"sv, "07:00:00 0.00 km\n"sv},
	{"blank_lines_and_tabs_before_stamp",
	    "\n\n \t0:0:0 60\n\n\t\t1:0:0\n"sv, "01:00:00 60.00 km\n"sv},
	// Line feeds are white space too: the fields go on on the next line.
	{"line_feed_before_minutes", "0:0:0 60\n1:\n0:0\n3:0:0\n"sv,
	    "01:00:00 60.00 km\n03:00:00 180.00 km\n"sv},
	{"line_feed_before_seconds", "0:0:0 60\n1:0:\n\n 0\n3:0:0\n"sv,
	    "01:00:00 60.00 km\n03:00:00 180.00 km\n"sv},
	// 1:30:2 sets the speed 0 of "2:0:0" and the ":0" left is skipped:
	// 90 km and 2 s at 60 km/h.
	{"cut_after_colon_takes_fields_from_next_line",
	    "0:0:0 60\n1:0:0\n1:30:\n2:0:0\n5:0:0\n"sv,
	    "01:00:00 60.00 km\n05:00:00 90.03 km\n"sv},

	// Only a line feed right after the seconds makes a query; otherwise
	// the speed comes from what follows, the next line included.
	{"space_before_line_feed_reads_speed_below",
	    "0:0:0 60\n1:0:0 \n30\n2:0:0\n"sv, "02:00:00 90.00 km\n"sv},
	// The speed is the 2 of "2:0:0"; the rest of that line is no record.
	{"space_before_line_feed_eats_next_stamp",
	    "0:0:0 60\n1:0:0 \n2:0:0\n3:0:0\n"sv, "03:00:00 64.00 km\n"sv},
	{"carriage_return_makes_speed_record",
	    "0:0:0 60\r\n1:0:0\r\n30\r\n2:0:0\n"sv, "02:00:00 90.00 km\n"sv},
	{"any_byte_after_seconds_makes_speed_record",
	    "0:0:0 60\n1:0:0:30\n2:0:0\n"sv, "02:00:00 90.00 km\n"sv},

	// Input that ends: every answer before it, nothing for a cut record.
	{"empty_input", ""sv, ""sv},
	{"only_whitespace", " \n\t\r\n\n"sv, ""sv},
	{"last_line_without_line_feed_is_query", "0:0:0 60\n1:0:0"sv,
	    "01:00:00 60.00 km\n"sv},
	{"ends_inside_stamp", "0:0:0 60\n1:0:0\n2:0"sv,
	    "01:00:00 60.00 km\n"sv},
	{"ends_after_colon", "0:0:0 60\n1:0:0\n2:"sv, "01:00:00 60.00 km\n"sv},
	{"ends_before_speed", "0:0:0 60\n1:0:0\n2:0:0 "sv,
	    "01:00:00 60.00 km\n"sv},
	{"ends_before_speed_after_line_feed", "0:0:0 60\n1:0:0\n2:0:0 \n\n"sv,
	    "01:00:00 60.00 km\n"sv},

	// A damaged line is skipped through its line feed: the answers
	// before and after it are those of the log without it (60 km/h
	// from 0:0:0, queries at 1:0:0 and 2:0:0).
	{"word_line_skipped", "0:0:0 60\n1:0:0\nhello\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	{"space_before_colon", "0:0:0 60\n1:0:0\n1 :30:5 0\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	{"missing_seconds", "0:0:0 60\n1:0:0\n1:30 0\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	// A read that fails past a line feed drops the line it failed on.
	{"failure_on_next_line_drops_that_line",
	    "0:0:0 60\n1:0:0\n1:\nx 2:0:0\n3:0:0\n"sv,
	    "01:00:00 60.00 km\n03:00:00 180.00 km\n"sv},
	{"hours_beyond_int", "0:0:0 60\n1:0:0\n99999999999:0:0\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	{"minutes_beyond_int", "0:0:0 60\n1:0:0\n1:2147483648:5 0\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	{"seconds_below_int", "0:0:0 60\n1:0:0\n1:0:-2147483649\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	{"nul_bytes_line", "0:0:0 60\n1:0:0\n\0\0\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	{"high_bytes_take_whole_line", "0:0:0 60\n1:0:0\n\xff\xfe 1:30:0\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	{"sign_without_digits", "0:0:0 60\n1:0:0\n1:-:0\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	// "%d" takes no blank between a sign and its digits.
	{"sign_apart_from_digits",
	    "0:0:0 60\n1:0:0\n- 1:30:0\n1:+ 30:0 0\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	{"speed_not_a_number", "0:0:0 60\n1:0:0\n1:30:5 x\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	{"speed_sign_only", "0:0:0 60\n1:0:0\n1:30:5 -\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	{"speed_nul", "0:0:0 60\n1:0:0\n1:30:5 \0 9\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	// A speed that fails on the line below costs the rest of that line,
	// which cannot have been a record: none begins "- ".
	{"speed_fails_on_line_below", "0:0:0 60\n1:0:0\n1:30:5 \n- 2:0:0\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	// The speed is the number read; the next record starts right after
	// it, so text that is no time stamp is skipped and a stamp is read.
	{"text_after_speed_skipped", "0:0:0 60\n1:0:0\n1:30:0 0km 5:0:0\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 90.00 km\n"sv},
	{"stamp_after_speed_is_next_record", "0:0:0 60 1:0:0\n2:0:0\n"sv,
	    "01:00:00 60.00 km\n02:00:00 120.00 km\n"sv},
	// A cut-short word costs its own line only, the line feed that
	// breaks it included.
	{"speed_in", "0:0:0 60\n1:0:0 in\n2:0:0\n3:0:0\n"sv,
	    "02:00:00 120.00 km\n03:00:00 180.00 km\n"sv},
	{"speed_i", "0:0:0 60\n1:0:0 i\n2:0:0\n"sv, "02:00:00 120.00 km\n"sv},
	{"speed_infin", "0:0:0 60\n1:0:0 infin\n2:0:0\n"sv,
	    "02:00:00 120.00 km\n"sv},
	{"speed_infinit", "0:0:0 60\n1:0:0 infinit\n2:0:0\n"sv,
	    "02:00:00 120.00 km\n"sv},
	{"speed_N", "0:0:0 60\n1:0:0 N\n2:0:0\n"sv, "02:00:00 120.00 km\n"sv},
	{"speed_na", "0:0:0 60\n1:0:0 na\n2:0:0\n"sv, "02:00:00 120.00 km\n"sv},
	{"speed_minus_na", "0:0:0 60\n1:0:0 -na\n2:0:0\n"sv,
	    "02:00:00 120.00 km\n"sv},
	{"speed_plus_i", "0:0:0 60\n1:0:0 +i\n2:0:0\n"sv,
	    "02:00:00 120.00 km\n"sv},
	{"speed_in_on_line_below", "0:0:0 60\n1:0:0 \nin\n2:0:0\n"sv,
	    "02:00:00 120.00 km\n"sv},
	{"speed_in_at_end", "0:0:0 60\n1:0:0\n1:0:0 in"sv,
	    "01:00:00 60.00 km\n"sv},
	// A whole word is a speed even with letters after it, which are then
	// skipped as no record; 1 h 1 min 1 s at an infinite or NaN rate.
	{"speed_inf_then_letters", "0:0:0 60\n1:0:0 infx\n2:1:1\n"sv,
	    "02:01:01 inf km\n"sv},
	{"speed_minus_infinity_any_case", "0:0:0 60\n1:0:0 -iNfInItY\n2:1:1\n"sv,
	    "02:01:01 -inf km\n"sv},
	{"speed_minus_nan", "0:0:0 60\n1:0:0 -NaN(1)\n2:1:1\n"sv,
	    "02:01:01 -nan km\n"sv},
};
// clang-format on
FILTER_CASES(Tripspeed, cases);

// Damage anywhere in a record drops its line and nothing else: a bad
// byte before each character of the time stamp, the line cut after each
// of its digits, or a speed that is no number, on its line or the next.
TEST(Tripspeed, DamageAtEveryPositionOfRecord)
{
	const auto before = "0:0:0 60\n1:0:0\n"s, after = "2:0:0\n"s;
	const auto answers = "01:00:00 60.00 km\n"s,
	           last = "02:00:00 120.00 km\n"s;
	const std::string stamp = "1:30:5";

	for (std::string tail : {"", " 0"}) {
		for (size_t at = 0; at < stamp.size(); at++) {
			for (char bad : {'x', '\0', '\xff', '.'}) {
				std::string line = stamp + tail;
				line.insert(at, 1, bad);
				SCOPED_TRACE(visible(line));
				expect_filter(before + line + "\n" + after,
				    answers + last);
			}
			if (at == 0)
				continue;
			std::string cut = stamp.substr(0, at);
			SCOPED_TRACE(cut);
			// After a colon the next line gives the field.
			if (cut.back() != ':')
				expect_filter(before + cut + "\n" + after,
				    answers + last);
			expect_filter(before + cut, answers);
		}
	}
	const std::string nonumber[] = {"x", "\0"s, "\xff", "-", "+", ".", "-.",
	    "0x", "- 5", "--5", "+-5", "i", "In", "-infi", "infinit",
	    "infinite", "n", "+NA", "-n4n"};
	for (const auto &speed : nonumber) {
		SCOPED_TRACE(visible(speed));
		for (std::string gap : {" ", " \n", "\t\n\n "}) {
			expect_filter(before + stamp + gap + speed + "\n" +
			        after,
			    answers + last);
			expect_filter(before + stamp + gap + speed, answers);
		}
	}
}

// Words as speeds, against the C library's own "%lf" on the same text:
// the record sets the speed it reads, or, where it reads none, is
// dropped.  1 h 1 min 1 s at the rate read shows its kind and sign; at
// the old 60 km/h, from 0:0:0, 2 h 1 min 1 s make 121.02 km.
TEST(Tripspeed, WordSpeedsReadAsScanfReads)
{
	std::vector<std::string> speeds;
	for (std::string word :
	    {"infinity", "nan", "INFINITY", "NaN", "iNfInItY"})
		for (size_t len = 1; len <= word.size(); len++)
			for (std::string sign : {"", "+", "-"})
				for (std::string tail : {"", "x", "e"})
					speeds.push_back(
					    sign + word.substr(0, len) + tail);
	for (const auto &speed : speeds) {
		double v;
		char want[32] = "02:01:01 121.02 km\n";
		if (sscanf(speed.c_str(), "%lf", &v) == 1)
			snprintf(want, sizeof want, "02:01:01 %.2f km\n", v);
		SCOPED_TRACE(speed);
		expect_filter("0:0:0 60\n1:0:0 " + speed + "\n2:1:1\n", want);
	}
}

// A long log against exact integer arithmetic: speeds in whole km per
// minute and times in whole minutes keep every distance an integer.
TEST(Tripspeed, LongLogMatchesExactSum)
{
	std::mt19937 rng(6);
	std::string in, want;
	long long km = 0, rate = 0, last = 0;

	for (int i = 0; i < 3000; i++) {
		long long t = last + static_cast<long long>(rng() % 200) - 50;
		km += (t - last) * rate;
		last = t;
		std::string stamp = std::to_string(t / 60) + ":" +
		    std::to_string(t % 60) + ":0";
		if (rng() % 3 == 0) {
			rate = static_cast<long long>(rng() % 7) - 2;
			in += stamp + " " + std::to_string(rate * 60) + "\n";
		} else {
			in += stamp + "\n";
			auto two = [](long long v) {
				return (v <= 9 ? "0" : "") + std::to_string(v);
			};
			want += two(t / 60) + ":" + two(t % 60) + ":00 " +
			    std::to_string(km) + ".00 km\n";
		}
	}
	expect_filter(in, want);
}

// Each answer is written before the next line is read.
TEST(Tripspeed, AnswersEachQueryBeforeTheNext)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	expect_steps({
	    {"0:0:0 60\n1:0:0\n", "01:00:00 60.00 km\n"},
	    {"1:30:0\n", "01:00:00 60.00 km\n01:30:00 90.00 km\n"},
	}, "01:00:00 60.00 km\n01:30:00 90.00 km\n");
	// clang-format on
}
