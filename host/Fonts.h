// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

// Fonts by the names the windows are designed with. Where a named font is
// missing, the nearest one on the system stands in at the same size and weight.
namespace Fonts {

inline const QString MsSansSerif = QStringLiteral("MS Sans Serif");
inline const QString MicrosoftSansSerif = QStringLiteral("Microsoft Sans Serif");
inline const QString Arial = QStringLiteral("Arial");
inline const QString Tahoma = QStringLiteral("Tahoma");

QFont font(const QString &family, qreal points, bool bold = false);

} // namespace Fonts
