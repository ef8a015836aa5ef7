// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"

#include <QString>

// Where outputs go: guarding inputs against being written over, telling a
// folder from a file name, and making the folder an output goes into.
namespace OutputPaths {

// Whether the two names lead to one file: the same name, a symbolic link to
// it, or a hard link (the same file on the same device).
bool sameFile(const QString &a, const QString &b);

// Whether a name that does not exist yet reads as a file rather than a
// folder: it ends in the extension of a file the program reads or writes.
bool namesAFile(const QString &path);

// Makes the folder that output goes into, with the folders above it, when
// it is missing.
Outcome<> makeFolderFor(const QString &output);

} // namespace OutputPaths
