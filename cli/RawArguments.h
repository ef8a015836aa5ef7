// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"

// The command line as the bytes the program was given, before Qt decodes
// them as UTF-8 text. A byte that is not UTF-8 would be decoded to another
// character, so a file given by such a name would be reported missing and
// an output would be written under another name.
namespace RawArguments {

inline const QString NotUtf8Message =
    QStringLiteral("the name is not valid UTF-8 text, and names are read as UTF-8: a file of "
                   "this name can be neither read nor written under its own name; rename it");

// Refuses (wrong usage) the first argument after the program's name whose
// bytes are not valid UTF-8.
Outcome<> check(int argc, const char *const *argv);

} // namespace RawArguments
