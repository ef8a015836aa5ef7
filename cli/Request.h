// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// One run of the program, as the command line asks for it.
struct Request
{
    enum class Command { Info, Render, Export, Import };

    Command command = Command::Info;
    QStringList inputs;
    // Where each input's result goes, in the order of inputs (none for info).
    QStringList outputs;
    // The format to write: bmp or png for render, csv, tmx, asm or c for
    // export, the format to read (csv or tmx) for import.
    QString format;
    QString tiles;
    float zoom = 100.0f;
    int jobs = 1;
};
