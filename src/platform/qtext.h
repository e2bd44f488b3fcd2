// Code page 1250 texts to and from Qt's strings.
#pragma once

#include "codepage.h"

#include <QString>

inline QString qtext(const std::string& cp1250)
{
    const std::u16string u = codepage::toutf16(cp1250);
    return QString::fromStdU16String(u);
}

inline std::string cptext(const QString& s)
{
    return codepage::fromutf16(s.toStdU16String());
}
