// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What is wrong with an input file and where: a line and a column (from 1)
// when the reader knows them, 0 otherwise.
struct Problem
{
    int line = 0;
    int column = 0;
    QString what;

    // "file:line:column: what", the way compilers point at a place.
    QString describe(const QString &fileName) const
    {
        QString place = fileName;
        if (line > 0) {
            place += QLatin1Char(':') + QString::number(line);
            if (column > 0)
                place += QLatin1Char(':') + QString::number(column);
        }
        return place + QStringLiteral(": ") + what;
    }
};
