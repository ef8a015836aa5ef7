// SPDX-License-Identifier: MIT
#include "core/files/ValueTexts.h"

#include <algorithm>
#include <cstring>

ValueTexts::ValueTexts(const std::function<QByteArray(std::uint8_t)> &textOf)
{
    for (std::size_t value = 0; value < m_texts.size(); ++value) {
        m_texts[value] = textOf(static_cast<std::uint8_t>(value));
        m_longest = std::max(m_longest, m_texts[value].size());
    }
}

ValueTexts ValueTexts::decimal(int offset)
{
    return ValueTexts([offset](std::uint8_t value) { return QByteArray::number(value + offset); });
}

void ValueTexts::appendJoined(QByteArray &out, QByteArrayView values,
                              QByteArrayView separator) const
{
    if (values.isEmpty())
        return;
    const qsizetype start = out.size();
    const qsizetype most = start + values.size() * (m_longest + separator.size());
    // Grown by at least half, so a text appended to line by line is copied
    // a few times in all rather than once a line.
    if (out.capacity() < most)
        out.reserve(std::max(most, out.capacity() + out.capacity() / 2));
    out.resize(most);
    char *at = out.data() + start;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0 && !separator.isEmpty()) {
            std::memcpy(at, separator.data(), std::size_t(separator.size()));
            at += separator.size();
        }
        const QByteArray &text = m_texts[static_cast<std::uint8_t>(values[i])];
        std::memcpy(at, text.constData(), std::size_t(text.size()));
        at += text.size();
    }
    out.resize(at - out.constData());
}
