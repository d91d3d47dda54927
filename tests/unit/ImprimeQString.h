// How a failed check prints a QString: as its text. The build puts this first in every unit test file, so
// that each file instantiates the same printer (a file that did not see it would print the bytes, and the
// linker keeps one of the two for all).
#pragma once

#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
