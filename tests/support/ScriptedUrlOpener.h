// SPDX-License-Identifier: MIT
#pragma once

#include "host/UrlOpener.h"

#include <QList>
#include <QUrl>

// An address opener that records the addresses it was asked to open.
class ScriptedUrlOpener : public UrlOpener
{
public:
    QList<QUrl> opened;

    void open(const QUrl &address) override { opened.append(address); }
};
