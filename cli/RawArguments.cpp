// SPDX-License-Identifier: MIT
#include "cli/RawArguments.h"

#include <QByteArrayView>

namespace RawArguments {

Outcome<> check(int argc, const char *const *argv)
{
    for (int index = 1; index < argc; ++index) {
        const QByteArrayView argument(argv[index]);
        if (argument.isValidUtf8())
            continue;
        // Shown with U+FFFD in place of the bytes that are not UTF-8.
        Failure refused = Failure::usage(NotUtf8Message);
        refused.file = QString::fromUtf8(argument);
        return refused;
    }
    return {};
}

} // namespace RawArguments
