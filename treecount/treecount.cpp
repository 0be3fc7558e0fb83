// treecount: for each number x, the count of nodes n with exactly x distinct
// binary trees, or else the first n with more than x.
//
// gen fills tree with the Catalan numbers once; each number read is then
// looked up in it.

#include <cmath>

#include "../io.h"

static double tree[28]; // tree[n] = C(n) for n = 1 to 24, tree[0] = 0

static void
gen()
{
	tree[1] = tree[0] = 1.0;
	for (int i = 2; i <= 24; i++)
		for (int j = 0; j < i; j++)
			tree[i] = tree[j] * tree[i - 1 - j] + tree[i];
	// 0 rather than C(0) = 1, so that 0 is answered with 0 and 1 with 1.
	tree[0] = 0.0;
}

int
main()
{
	double x;
	int k;

	gen();
	// A token that is not a number ends the run like the end of input:
	// x would keep its old value and be answered again forever.
	while (readdouble(&x) == 1) {
		// Written as "greater than" so that a NaN, greater than nothing,
		// runs off the end and gets 25.
		for (k = 0; k < 25; k++)
			if (tree[k] > x)
				break;
		// A number just above an entry, by less than 1e-9, is that entry.
		if (k > 0 && std::fabs(tree[k - 1] - x) < 1e-9)
			k--;
		putint(k);
		putbyte('\n');
	}
	return 0;
}
