// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QString>

// How reading or writing a file went: success, or a failure that names the
// file and says why in words. Every file operation of the editor reports
// with it; the caller words the message around the two.
class FileResult
{
public:
    // Success.
    FileResult() = default;

    static FileResult failure(const QString &fileName, const QString &reason)
    {
        FileResult result;
        result.m_failed = true;
        result.m_fileName = fileName;
        result.m_reason = reason;
        return result;
    }

    bool succeeded() const { return !m_failed; }
    const QString &fileName() const { return m_fileName; }
    const QString &reason() const { return m_reason; }

    // The failure as the user reads it: pattern with %1 the file's name, in
    // the system's separators, and %2 the reason. One arg() call, so a "%"
    // in the name is never taken for a marker.
    QString message(const QString &pattern) const
    {
        return pattern.arg(QDir::toNativeSeparators(m_fileName), m_reason);
    }

private:
    bool m_failed = false;
    QString m_fileName;
    QString m_reason;
};
