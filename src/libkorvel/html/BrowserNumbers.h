#pragma once

#include <QString>

#include <vector>

// The numbers a browser reads from an area's coords attribute, following the HTML
// standard's list of floating-point numbers as Chromium reads it:
// - entries are separated by any run of ASCII whitespace, commas and semicolons, so empty
//   entries vanish ("1,,2" is 1 and 2) and a trailing separator adds nothing;
// - before an entry's number every character other than a separator, an ASCII digit, "."
//   or "-" is skipped ("x10" is 10, "+5" is 5, "e5" is 5);
// - the number is the longest decimal prefix of what is left ("12px" is 12, "5%" is 5,
//   "1e2" is 100, "1e" is 1, ".5" is 0.5, "1.5.5" is 1.5, "0x10" is 0);
// - an entry with no number, or one too large for a double, is 0 ("abc", "--5", "1e999"),
//   and "-0" is 0.
std::vector<double> parseBrowserNumbers(const QString& coords);
