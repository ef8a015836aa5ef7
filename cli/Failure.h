// SPDX-License-Identifier: MIT
#pragma once

#include "core/files/FileResult.h"

#include <QString>

#include <utility>
#include <variant>

// Why tesselwick-cli could not do a piece of work: the file at fault, the
// place in it when known, and the message. Every part of the program
// reports its failures as one of these, and main() alone turns them into
// text on standard error and an exit status.
struct Failure
{
    // Wrong usage is the command line's fault (exit status 2); bad input is
    // a file's (exit status 1).
    enum class Kind { BadInput, Usage };

    Kind kind = Kind::BadInput;
    // Empty when the fault is not in one file.
    QString file;
    // From 1; 0 when not known.
    int line = 0;
    int column = 0;
    QString message;

    static Failure of(const QString &file, const QString &message)
    {
        return {Kind::BadInput, file, 0, 0, message};
    }

    // A failure whose file the caller names (see in()).
    static Failure saying(const QString &message) { return {Kind::BadInput, {}, 0, 0, message}; }

    static Failure at(int line, int column, const QString &message)
    {
        return {Kind::BadInput, QString(), line, column, message};
    }

    static Failure usage(const QString &message) { return {Kind::Usage, {}, 0, 0, message}; }

    // A failed file operation of the editor's code, which names its file.
    static Failure from(const FileResult &result) { return of(result.fileName(), result.reason()); }

    // The same failure, named as a fault of file unless it names one already.
    Failure in(const QString &fileName) const
    {
        Failure named = *this;
        if (named.file.isEmpty())
            named.file = fileName;
        return named;
    }

    // "file:line:column: message", the way compilers point at a place.
    QString describe() const
    {
        QString place = file;
        if (line > 0) {
            place += QLatin1Char(':') + QString::number(line);
            if (column > 0)
                place += QLatin1Char(':') + QString::number(column);
        }
        return place.isEmpty() ? message : place + QStringLiteral(": ") + message;
    }
};

// The result of work that may fail: a value of T, or a Failure. Outcome<>
// is work that gives nothing but success.
template <typename T = std::monostate> class [[nodiscard]] Outcome
{
public:
    Outcome() = default;
    Outcome(T value) : m_state(std::move(value)) {}
    Outcome(Failure failure) : m_state(std::move(failure)) {}

    bool succeeded() const { return std::holds_alternative<T>(m_state); }
    const T &value() const { return std::get<T>(m_state); }
    T &value() { return std::get<T>(m_state); }
    const Failure &failure() const { return std::get<Failure>(m_state); }

private:
    std::variant<T, Failure> m_state;
};
