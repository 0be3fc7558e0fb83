// The examples in README.md and in the EXAMPLES section of every manual page
// are run as shown, through /bin/sh with the built programs first on PATH:
// the output printed under each command must be exactly what it writes.
//
// README.md: an example is a code block, indented by four spaces or fenced
// with ```, whose first line is "$ " and a command; the lines after it, to
// the end of the block, are the output.  An indented block cannot end in an
// empty line, so an output that does is fenced, and there every line counts.
//
// Manual pages: an example is a ".Bd -literal" display in EXAMPLES whose
// first line is "$ " and a command, the output following up to ".Ed".  An
// empty output line is written "\&", and the escapes the pages use are
// undone as a formatter renders them.

#include "harness.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

struct Example {
	std::string where; // file:line of the command, for messages
	std::string command;
	std::string output; // every line with its line feed
};

// What a document yields: its examples, and whatever in it could not be
// read as one.  A fault is never skipped quietly, or a broken example
// would simply stop being checked.
struct Found {
	std::vector<Example> examples;
	std::vector<std::string> faults;
};

// Sets PATH once, before any example runs: the examples name the programs
// bare, as a user who installed them would.
[[maybe_unused]] const bool path_ready = [] {
	std::string path = PROGRAM_DIR;
	if (const char *old = std::getenv("PATH"))
		path += ":"s + old;
	setenv("PATH", path.c_str(), 1);
	return true;
}();

std::vector<std::string>
split_lines(std::string_view text)
{
	std::vector<std::string> lines;
	while (!text.empty()) {
		size_t nl = text.find('\n');
		lines.emplace_back(text.substr(0, nl));
		text.remove_prefix(nl == text.npos ? text.size() : nl + 1);
	}
	return lines;
}

std::string
where(std::string_view file, size_t index)
{
	return std::string(file) + ":" + std::to_string(index + 1);
}

bool
blank(std::string_view line)
{
	return line.find_first_not_of(" \t") == line.npos;
}

// An indented code line: four spaces or a tab, which are not its text.
bool
indented(std::string_view line)
{
	return line.starts_with("    ") || line.starts_with("\t");
}

std::string_view
unindent(std::string_view line)
{
	if (blank(line))
		return "";
	return line.substr(line.starts_with("\t") ? 1 : 4);
}

Found
readme_examples(std::string_view text, std::string_view file)
{
	std::vector<std::string> lines = split_lines(text);
	Found f;

	for (size_t i = 0; i < lines.size(); i++) {
		if (lines[i].starts_with("```")) {
			size_t end = i + 1;
			while (end < lines.size() &&
			    !lines[end].starts_with("```"))
				end++;
			if (end == lines.size())
				f.faults.push_back(
				    where(file, i) + ": unclosed ``` block");
			if (i + 1 < end && lines[i + 1].starts_with("$ ")) {
				Example e{where(file, i + 1),
				    lines[i + 1].substr(2), ""};
				for (size_t k = i + 2; k < end; k++)
					e.output += lines[k] + "\n";
				f.examples.push_back(e);
			}
			i = end;
			continue;
		}
		// An indented block starts after a blank line (an indented line
		// right after text goes on with that text).  Blank lines belong
		// to it only where more of it follows: its last indented line
		// ends it.
		if (!indented(lines[i]) || blank(lines[i]) ||
		    (i > 0 && !blank(lines[i - 1])))
			continue;
		size_t last = i;
		for (size_t k = i + 1; k < lines.size() &&
		     (indented(lines[k]) || blank(lines[k]));
		     k++)
			if (!blank(lines[k]))
				last = k;
		if (unindent(lines[i]).starts_with("$ ")) {
			Example e{where(file, i),
			    std::string(unindent(lines[i]).substr(2)), ""};
			for (size_t k = i + 1; k <= last; k++)
				e.output += std::string(unindent(lines[k])) +
				    "\n";
			f.examples.push_back(e);
		}
		i = last;
	}
	return f;
}

// The text a formatter shows for one line of a literal display, or a fault
// for an escape this reader does not know, so that no escape the pages
// start to use slips through unread.
bool
unescape(std::string_view line, std::string &out, std::string &fault)
{
	// A table laid out by hand, which clang-format would re-indent:
	// clang-format off
	static const std::pair<std::string_view, std::string_view> escapes[] = {
		{"\\e", "\\"}, {"\\&", ""}, {"\\-", "-"},
		{"\\(aq", "'"}, {"\\(ga", "`"}, {"\\(dq", "\""},
	};
	// clang-format on

	out.clear();
	while (!line.empty()) {
		if (line[0] != '\\') {
			out += line[0];
			line.remove_prefix(1);
			continue;
		}
		bool known = false;
		for (auto [escape, text] : escapes)
			if (line.starts_with(escape)) {
				out += text;
				line.remove_prefix(escape.size());
				known = true;
				break;
			}
		if (!known) {
			fault = "unknown escape in \"" + std::string(line) +
			    "\"";
			return false;
		}
	}
	return true;
}

Found
page_examples(std::string_view text, std::string_view file)
{
	std::vector<std::string> lines = split_lines(text);
	Found f;
	bool in_examples = false;

	for (size_t i = 0; i < lines.size(); i++) {
		if (lines[i].starts_with(".Sh ")) {
			in_examples = lines[i] == ".Sh EXAMPLES";
			continue;
		}
		if (!in_examples || !lines[i].starts_with(".Bd -literal"))
			continue;
		size_t end = i + 1;
		while (end < lines.size() && lines[end] != ".Ed")
			end++;
		if (end == lines.size()) {
			f.faults.push_back(
			    where(file, i) + ": .Bd without .Ed");
			break;
		}
		// In EXAMPLES every display is an example, so that one whose
		// command line was mistyped is reported, not passed over.
		if (end == i + 1 || !lines[i + 1].starts_with("$ ")) {
			f.faults.push_back(where(file, i) +
			    ": a literal display in EXAMPLES without a \"$ \" command");
			i = end;
			continue;
		}
		Example e{where(file, i + 1), "", ""};
		std::string line, fault;
		bool ok = unescape(std::string_view(lines[i + 1]).substr(2),
		    e.command, fault);
		for (size_t k = i + 2; ok && k < end; k++) {
			// A request inside the display would be formatted, not
			// shown, and this reader does not format.
			if (lines[k].starts_with(".") ||
			    lines[k].starts_with("'")) {
				fault = "a request inside an example";
				ok = false;
			} else if ((ok = unescape(lines[k], line, fault))) {
				e.output += line + "\n";
			} else {
				fault = "line " + std::to_string(k + 1) + ": " +
				    fault;
			}
		}
		if (ok)
			f.examples.push_back(e);
		else
			f.faults.push_back(e.where + ": " + fault);
		i = end;
	}
	return f;
}

std::string
slurp(const std::string &path)
{
	std::ifstream in(path, std::ios::binary);
	std::ostringstream text;
	if (!in)
		ADD_FAILURE() << "cannot read " << path;
	text << in.rdbuf();
	return text.str();
}

std::vector<std::string>
programs()
{
	std::vector<std::string> names;
	std::istringstream list(PROGRAMS);
	for (std::string name; list >> name;)
		names.push_back(name);
	return names;
}

// The program an example is about: the last word of its command, as in
// "printf ... | squarepegs".
std::string
program_of(const Example &e)
{
	size_t end = e.command.find_last_not_of(" \t");
	if (end == e.command.npos)
		return "";
	size_t start = e.command.find_last_of(" \t", end);
	start = start == e.command.npos ? 0 : start + 1;
	return e.command.substr(start, end + 1 - start);
}

// A document as the parser saw it, so that a table row can state all of it
// in one string: for each example "FILE:LINE $ command\n", its output and
// "%\n"; then "! fault\n" for each fault.
std::string
render(const Found &f)
{
	std::string s;
	for (const Example &e : f.examples)
		s += e.where + " $ " + e.command + "\n" + e.output + "%\n";
	for (const std::string &fault : f.faults)
		s += "! " + fault + "\n";
	return s;
}

void
expect_example(const Example &e)
{
	SCOPED_TRACE(e.where + ": $ " + e.command);
	// /bin/sh takes the command as its script on standard input.  The
	// braces make it read the whole command before running any of it, and
	// give the command an empty input rather than the rest of the script.
	expect_run(run("{\n" + e.command + "\n} </dev/null\n", default_limit,
	               "/bin/sh"),
	    e.output);
}

struct ParseCase {
	std::string_view name, text, want;
};

// Print a case by name in gtest's messages.
void
PrintTo(const ParseCase &c, std::ostream *os)
{
	*os << c.name;
}

// Expected values: read off each fixture by hand, line by line.
// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const ParseCase readme_cases[] = {
	// an empty line inside an indented block is output; the blank lines
	// after the block are not
	{"indented_block_keeps_inner_empty_line",
	    "Text:\n\n    $ printf 'a\\n\\nb\\n' | prog\n    a\n\n    b\n\n\nMore.\n",
	    "F:3 $ printf 'a\\n\\nb\\n' | prog\na\n\nb\n%\n"},
	// a fenced block shows every line, a last empty one included
	{"fenced_block_keeps_last_empty_line",
	    "```\n$ printf '1\\n\\n' | prog\n1\n\n```\nafter\n",
	    "F:2 $ printf '1\\n\\n' | prog\n1\n\n%\n"},
	{"tab_indented_block", "\t$ prog\n\tout\n", "F:1 $ prog\nout\n%\n"},
	{"command_without_output", "    $ true\n\nText.\n", "F:1 $ true\n%\n"},
	// blocks that do not start with "$ " are no examples
	{"other_blocks_ignored",
	    "    make all\n    $ not first\n\n```sh\nls\n```\n  $ two spaces\n",
	    ""},
	{"indented_line_after_text_is_no_block", "Text:\n    $ a\n    1\n", ""},
	{"two_examples_in_order",
	    "    $ a\n    1\nText.\n```\n$ b\n2\n```\n",
	    "F:1 $ a\n1\n%\nF:5 $ b\n2\n%\n"},
	{"unclosed_fence_is_a_fault", "```\n$ a\n1\n",
	    "F:2 $ a\n1\n%\n! F:1: unclosed ``` block\n"},
};
// clang-format on

// A table laid out by hand, which clang-format would re-indent:
// clang-format off
const ParseCase page_cases[] = {
	// each escape the pages use, and "\&" for an empty output line
	{"escapes_undone",
	    ".Sh EXAMPLES\n.Bd -literal -offset indent\n"
	    "$ printf \\(aq\\-1\\en\\(ga\\(dq\\en\\(aq | prog\n\\-1\n\\&\n\\(ga\\e\n.Ed\n",
	    "F:3 $ printf '-1\\n`\"\\n' | prog\n-1\n\n`\\\n%\n"},
	// displays in other sections, and text around them, are no examples
	{"only_the_examples_section",
	    ".Sh DESCRIPTION\n.Bd -literal\nabc\n.Ed\n.Sh EXAMPLES\nText:\n"
	    ".Bd -literal\n$ a\n1\n.Ed\n.Pp\n.Dl $ b\n.Sh SEE ALSO\n"
	    ".Bd -literal\n$ c\n.Ed\n",
	    "F:8 $ a\n1\n%\n"},
	{"unknown_escape_is_a_fault",
	    ".Sh EXAMPLES\n.Bd -literal\n$ prog\n\\fBx\\fR\n.Ed\n",
	    "! F:3: line 4: unknown escape in \"\\fBx\\fR\"\n"},
	{"display_without_command_is_a_fault",
	    ".Sh EXAMPLES\n.Bd -literal\nprog\n.Ed\n",
	    "! F:2: a literal display in EXAMPLES without a \"$ \" command\n"},
	{"request_inside_example_is_a_fault",
	    ".Sh EXAMPLES\n.Bd -literal\n$ prog\n.Pp\n.Ed\n",
	    "! F:3: a request inside an example\n"},
	{"display_without_end_is_a_fault",
	    ".Sh EXAMPLES\n.Bd -literal\n$ prog\n1\n",
	    "! F:2: .Bd without .Ed\n"},
};
// clang-format on

struct ReadmeParse : testing::TestWithParam<ParseCase> {};
struct PageParse : testing::TestWithParam<ParseCase> {};

std::string
parse_name(const testing::TestParamInfo<ParseCase> &info)
{
	return std::string(info.param.name);
}

} // namespace

TEST_P(ReadmeParse, Finds)
{
	std::string got = render(readme_examples(GetParam().text, "F"));
	EXPECT_EQ(got, GetParam().want)
	    << "got \"" << visible(got) << "\"\n"
	    << "want \"" << visible(GetParam().want) << '"';
}
INSTANTIATE_TEST_SUITE_P(Docs, ReadmeParse, testing::ValuesIn(readme_cases),
    parse_name);

TEST_P(PageParse, Finds)
{
	std::string got = render(page_examples(GetParam().text, "F"));
	EXPECT_EQ(got, GetParam().want)
	    << "got \"" << visible(got) << "\"\n"
	    << "want \"" << visible(GetParam().want) << '"';
}
INSTANTIATE_TEST_SUITE_P(Docs, PageParse, testing::ValuesIn(page_cases),
    parse_name);

// Every program has an example in README.md, and every example there holds.
TEST(Docs, ReadmeExamplesRunAsShown)
{
	Found f = readme_examples(slurp(SOURCE_DIR "/README.md"), "README.md");
	for (const std::string &fault : f.faults)
		ADD_FAILURE() << fault;
	ASSERT_FALSE(f.examples.empty()) << "no examples found in README.md";
	for (const std::string &prog : programs()) {
		bool shown = false;
		for (const Example &e : f.examples)
			shown = shown || program_of(e) == prog;
		EXPECT_TRUE(shown)
		    << "README.md has no example that runs " << prog;
	}
	for (const Example &e : f.examples)
		expect_example(e);
	printf("README.md: %zu examples\n", f.examples.size());
}

// Every program's page has at least two examples, each running that
// program, and every one of them holds.
TEST(Docs, PageExamplesRunAsShown)
{
	ASSERT_FALSE(programs().empty()) << "no programs named to the test";
	for (const std::string &prog : programs()) {
		std::string file = prog + "/" + prog + ".1";
		Found f = page_examples(slurp(SOURCE_DIR "/" + file), file);
		for (const std::string &fault : f.faults)
			ADD_FAILURE() << fault;
		EXPECT_GE(f.examples.size(), 2u)
		    << file << ": too few examples";
		for (const Example &e : f.examples) {
			EXPECT_EQ(program_of(e), prog)
			    << e.where << ": $ " << e.command;
			expect_example(e);
		}
		printf("%s: %zu examples\n", file.c_str(), f.examples.size());
	}
}
