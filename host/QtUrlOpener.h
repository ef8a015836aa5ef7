// SPDX-License-Identifier: MIT
#pragma once

#include "host/UrlOpener.h"

class QtUrlOpener : public UrlOpener
{
public:
    void open(const QUrl &address) override;
};
