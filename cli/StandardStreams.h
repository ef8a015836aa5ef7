// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"

#include <QByteArrayView>

// Standard input, output and error as a build pipeline uses them: output
// that cannot be written is a failure, not a silent loss.
namespace StandardStreams {

// How messages name standard output.
inline const QString OutputName = QStringLiteral("standard output");

// Called first thing in main(). A reader that stops early (as head does)
// ends the program by SIGPIPE, as it ends other tools, even when the
// program that started this one ignored or blocked that signal. A standard
// stream that was closed is opened on /dev/null the other way round (input
// for writing, output for reading), so every use of it fails, and no file
// the program opens later takes its number and its text.
void prepare();

// Standard output, whose every write is checked.
class Output
{
public:
    // Writes bytes, unless an earlier write failed.
    void write(QByteArrayView bytes);

    // Flushes and closes standard output; the first failure of any write,
    // the flush or the close names standard output and says why.
    Outcome<> close();

private:
    void failWith(int error);

    Outcome<> m_state;
};

} // namespace StandardStreams
