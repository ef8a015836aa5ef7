// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

// Fonts by the names the windows are designed with. Where a named font is
// missing, Liberation Sans, whose metrics the layout follows, stands in at
// the same size; without it, DejaVu Sans at a size that keeps each caption
// within its designed box.
namespace Fonts {

inline const QString MsSansSerif = QStringLiteral("MS Sans Serif");
inline const QString MicrosoftSansSerif = QStringLiteral("Microsoft Sans Serif");
inline const QString Arial = QStringLiteral("Arial");
inline const QString Tahoma = QStringLiteral("Tahoma");

QFont font(const QString &family, qreal points, bool bold = false);

} // namespace Fonts
