// SPDX-License-Identifier: MIT
#pragma once

class QUrl;

// Opens an address with the system's default handler (a web browser for a
// web address). A failure leaves everything as it was, without a message.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;

    virtual void open(const QUrl &address) = 0;
};
