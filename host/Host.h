// SPDX-License-Identifier: MIT
#pragma once

class FileDialog;
class HelpViewer;
class MessageBox;
class UrlOpener;

// The host operations that block on the user or the system, handed to the
// windows so tests can script them.
struct Host
{
    FileDialog &fileDialog;
    MessageBox &messageBox;
    HelpViewer &help;
    UrlOpener &urlOpener;
};
