// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The main window's one file dialog. Its settings stay between uses: a command
// that does not set the filter index or the flags gets what an earlier command
// left. After a Show call, FileName holds the chosen path, or "" when the user
// cancelled, and FileTitle the chosen file's name without its folder.
class FileDialog
{
public:
    // The named file must exist (open dialogs only).
    static constexpr int FileMustExist = 0x1000;

    enum class Mode { Open, Save };

    virtual ~FileDialog() = default;

    QString FileName;
    QString FileTitle;
    QString DialogTitle;
    // Pairs of description and patterns separated by "|", as in
    // "MAP Files (.map, .prg)|*.map;*.prg|".
    QString Filter;
    int FilterIndex = 0;
    int Flags = 0;

    void ShowOpen() { show(Mode::Open); }
    void ShowSave() { show(Mode::Save); }

protected:
    // Asks the user and returns the chosen path, or "" on cancel.
    virtual QString choose(Mode mode) = 0;

private:
    void show(Mode mode);
};
