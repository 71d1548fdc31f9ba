#pragma once
// Formula bytes written out as a list of numbers, as a FORMULA record holds
// them: bytes({0x1E, 1, 0}) is the integer token for 1.

#include <QByteArray>

#include <initializer_list>

namespace jubilo::spreadsheet {

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

}  // namespace jubilo::spreadsheet
