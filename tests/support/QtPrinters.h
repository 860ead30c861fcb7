#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest print a QString as text in its failure messages.
inline void PrintTo(const QString& value, std::ostream* os)
{
    *os << '"' << value.toStdString() << '"';
}
