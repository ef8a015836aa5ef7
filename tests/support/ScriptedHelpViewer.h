// SPDX-License-Identifier: MIT
#pragma once

#include "host/HelpViewer.h"

#include <QList>

// A help viewer that records the topics it was asked to show.
class ScriptedHelpViewer : public HelpViewer
{
public:
    struct Shown
    {
        QString path;
        int context;
    };

    QList<Shown> shown;

    void showHelp(const QString &path, int context) override { shown.append({path, context}); }
};
