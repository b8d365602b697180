#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// An area's coords as a browser reads them: numbers separated by any run of ASCII
// whitespace, commas and semicolons; other characters before a number are skipped, a
// number ends at the first character that cannot continue it ("12px" is 12), and an entry
// that is no number at all counts as 0.
struct CoordinateList {
    std::vector<double> numbers;
    // The first entry written with "%" ("50%" reads as 50, not half the picture), and the
    // first one too large for a double; empty when there is none.
    QString percentEntry;
    QString tooLargeEntry;
};

CoordinateList ParseCoordinateList(QStringView text);
