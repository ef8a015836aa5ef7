// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// Lets the user drop a file from the file manager on a window: a map file or
// a picture, opened as if named on the command line. Only local files are
// taken; of several dropped at once, the first.
class FileDrops : public QObject
{
    Q_OBJECT

public:
    FileDrops(QWidget &window, std::function<void(const QString &)> open);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &)> m_open;
};
