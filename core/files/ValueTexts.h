// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <functional>

// The texts of the 256 byte values in one notation (decimal tile ids, hex
// bytes, an assembler's numbers), made once, and runs of them with a
// separator between. Text formats of a map write tens of thousands of
// values: a string made for each, appended one by one, was most of the time
// an export took.
class ValueTexts
{
public:
    explicit ValueTexts(const std::function<QByteArray(std::uint8_t)> &textOf);

    // The value's text in decimal, plus offset (Tiled counts tiles from 1).
    static ValueTexts decimal(int offset = 0);

    const QByteArray &text(std::uint8_t value) const { return m_texts[value]; }

    // Appends the texts of values with separator between each two.
    void appendJoined(QByteArray &out, QByteArrayView values, QByteArrayView separator) const;

private:
    std::array<QByteArray, 256> m_texts;
    qsizetype m_longest = 0;
};
