// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The main window's one file dialog. Its settings stay between uses: a command
// that does not set the filter index or the flags gets what an earlier command
// left. After showOpen() or showSave(), fileName holds the chosen path, or "" when the user
// cancelled, and fileTitle the chosen file's name without its folder.
class FileDialog
{
public:
    // The named file must exist (open dialogs only).
    static constexpr int FileMustExist = 0x1000;

    enum class Mode { Open, Save };

    virtual ~FileDialog() = default;

    QString fileName;
    QString fileTitle;
    QString title;
    // Pairs of description and patterns separated by "|", as in
    // "MAP Files (.map, .prg)|*.map;*.prg|".
    QString filter;
    int filterIndex = 0;
    int flags = 0;

    void showOpen() { show(Mode::Open); }
    void showSave() { show(Mode::Save); }

protected:
    // Asks the user and returns the chosen path, or "" on cancel.
    virtual QString choose(Mode mode) = 0;

private:
    void show(Mode mode);
};
