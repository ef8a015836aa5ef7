// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <map>
#include <utility>

// Where outputs go: guarding inputs against being written over, telling a
// folder from a file name, and making the folder an output goes into.
namespace OutputPaths {

// The files a command reads, known by name and by what they are: the
// device and inode, whatever name, symbolic link or hard link leads to
// them. Every command checks each set of files it writes against them
// before it writes any.
class InputFiles
{
public:
    // Standard input and empty names are no files.
    explicit InputFiles(const QStringList &paths);

    // Refuses (wrong usage) outputs of which one is an input or two are one
    // file, so that writing them would replace an input or one output would
    // take the place of another. Standard output is no file.
    Outcome<> allowWrites(const QStringList &outputs) const;

private:
    using Identity = std::pair<quint64, quint64>;

    QHash<QString, QString> m_byName;
    std::map<Identity, QString> m_byIdentity;
};

// Whether a name that does not exist yet reads as a file rather than a
// folder: it ends in the extension of a file the program reads or writes.
bool namesAFile(const QString &path);

// Makes the folder that output goes into, with the folders above it, when
// it is missing.
Outcome<> makeFolderFor(const QString &output);

} // namespace OutputPaths
