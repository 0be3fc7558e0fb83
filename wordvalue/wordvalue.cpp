// wordvalue: reads a dictionary of words with values, then texts ended by
// a "." token, and prints for each text the sum of the values of its words.
//
// The dictionary is sorted once by its own quicksort and searched by binary
// search.  With duplicate words the value found is whichever the exact
// arrangement left by part puts first in the search's path, and users rely
// on that, so the sort is not replaced by a library one.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "../io.h"

static double take;                // each dictionary value is read here first
static std::vector<double> dollar; // dollar[i]: value of the word in row i

// Reads one run of non-whitespace bytes, as "%s" does, but of any length;
// the whitespace after it is left unread.  A word is a C string: a NUL
// byte ends it, and the bytes after the NUL are read but never compared.
// Beyond `keep` bytes the rest is read and dropped: a text word longer
// than every dictionary word matches nothing whatever its tail, so an
// endless token costs no memory.
static bool
getword(std::string &w, size_t keep)
{
	int c = skipspace();

	if (c == EOF)
		return false;
	ungetbyte(c);
	w.clear();
	// The word is taken a run of the input block at a time.
	do {
		char *p = ip;
		while (p < ie && !space(static_cast<unsigned char>(*p)))
			p++;
		size_t n = static_cast<size_t>(p - ip);
		w.append(ip, std::min(n, keep - std::min(keep, w.size())));
		ip = p;
	} while (ip == ie && refill());
	w.resize(std::strlen(w.c_str()));
	return true;
}

// Partitions rows low to high around the word of row low and returns the
// row where it ends up.  Rows and values are moved by copying, exactly in
// this order: the arrangement of equal words depends on it.
static int
part(std::vector<std::string> &words, int low, int high)
{
	std::string pivot = words[low], tmp;
	double pivotv = dollar[low], tmpv;
	int i = low, j = high;

	while (i < j) {
		while (words[i] <= pivot && i < j)
			i++;
		// No bound test needed: row low still holds the pivot word.
		while (words[j] > pivot)
			j--;
		if (i < j) {
			tmp = words[i];
			words[i] = words[j];
			words[j] = tmp;
			tmpv = dollar[i];
			dollar[i] = dollar[j];
			dollar[j] = tmpv;
		}
	}
	words[low] = words[j];
	dollar[low] = dollar[j];
	words[j] = pivot;
	dollar[j] = pivotv;
	return j;
}

static void
quicksort(std::vector<std::string> &words, int low, int high)
{
	while (low < high) {
		// part leaves rows in strictly ascending order exactly as they
		// are, so such a range is done; this spares a dictionary given
		// in order its quadratic time.
		int k = low;
		while (k < high && words[k] < words[k + 1])
			k++;
		if (k == high)
			return;

		// The two sides never touch, so sorting the smaller one first
		// gives the same rows and keeps the recursion depth logarithmic.
		int p = part(words, low, high);
		if (p - low < high - p) {
			quicksort(words, low, p - 1);
			low = p + 1;
		} else {
			quicksort(words, p + 1, high);
			high = p - 1;
		}
	}
}

// Returns a row of rows 0 to n - 1 holding key, or -1.
static int
binarysearch(const std::vector<std::string> &words, const std::string &key,
    int n)
{
	int lo = 0, hi = n - 1;

	while (hi >= lo) {
		int mid = lo + (hi - lo) / 2; // (lo + hi) / 2 without overflow
		int c = words[mid].compare(key);
		if (c == 0)
			return mid;
		if (c > 0)
			hi = mid - 1;
		else
			lo = mid + 1;
	}
	return -1;
}

// A table of the dictionary's words by hash, open addressing in a power of
// two slots, at least twice as many as the words.
struct slot {
	size_t hash;
	int row; // -1 while empty
};

// The slot holding w, or the empty one where it goes.
static slot &
lookup(std::vector<slot> &table, const std::vector<std::string> &words,
    std::string_view w, size_t hash)
{
	for (size_t i = hash;; i++) {
		slot &s = table[i & (table.size() - 1)];
		if (s.row < 0 || (s.hash == hash && words[s.row] == w))
			return s;
	}
}

int
main()
{
	std::vector<std::string> words;
	std::string word;
	size_t longest = 1; // the longest dictionary word, "." at least
	int n, m;

	if (readint(&n) != 1 || readint(&m) != 1)
		return 0;

	// A dictionary cut short, or a value that is no number, leaves the
	// rest of the input out of step: nothing after it can be answered.
	for (int i = 0; i < n; i++) {
		if (!getword(word, SIZE_MAX) || readdouble(&take) != 1)
			return 0;
		longest = std::max(longest, word.size());
		words.push_back(word);
		dollar.push_back(take);
	}
	n = static_cast<int>(words.size()); // a negative n reads nothing
	quicksort(words, 0, n - 1);

	// Which row a search finds depends on the word alone, so the search
	// runs once for each dictionary word and a text word is then found by
	// its hash.  A word that is in no row is in no search's path either.
	std::vector<slot> found(std::bit_ceil(2 * words.size() + 1), {0, -1});
	for (const std::string &w : words) {
		size_t h = std::hash<std::string_view>{}(w);
		slot &s = lookup(found, words, w, h);
		if (s.row < 0)
			s = {h, binarysearch(words, w, n)};
	}

	for (; m > 0; m--) {
		double sum = 0;
		for (;;) {
			if (!getword(word, longest + 1))
				return 0; // an unfinished text prints nothing
			if (word == ".")
				break;
			size_t h = std::hash<std::string_view>{}(word);
			int k = lookup(found, words, word, h).row;
			// The addition is carried in extended precision and only
			// then rounded to the double sum: rounding twice decides
			// the last bit of a sum now and then, and users rely on it.
			if (k >= 0)
				sum = static_cast<double>(
				    static_cast<long double>(sum) + dollar[k]);
		}
		// As a stream writes a double by default: six significant digits.
		putfmt("%g\n", sum);
	}
	return 0;
}
