// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Shows the editor's help. The help file is the folder of help pages installed
// beside the program; a context number names one topic in it.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;

    // The help file the viewer opens for its own requests, such as going back
    // to the contents; the editor names it at start-up.
    QString helpFile;

    // Opens the help file at path at the topic with the given context number.
    // A missing file or topic leaves everything as it was, without a message.
    virtual void showHelp(const QString &path, int context) = 0;
};
