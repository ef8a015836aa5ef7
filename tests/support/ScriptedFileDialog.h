// SPDX-License-Identifier: MIT
#pragma once

#include "host/FileDialog.h"

#include <QList>
#include <QStringList>

// A file dialog whose user answers from a script: each Show call takes the
// next path ("" for cancel) and records the settings it was shown with.
class ScriptedFileDialog : public FileDialog
{
public:
    struct Shown
    {
        Mode mode;
        QString title;
        QString filter;
        int filterIndex;
        int flags;
    };

    QStringList answers;
    QList<Shown> shown;

protected:
    QString choose(Mode mode) override
    {
        shown.append({mode, title, filter, filterIndex, flags});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};
