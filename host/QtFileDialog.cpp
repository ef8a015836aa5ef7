// SPDX-License-Identifier: MIT
#include "host/QtFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>
#include <QPixmapCache>

namespace {

// Icons and type names from the name alone. Qt's own provider reads a file's
// first bytes to guess its type, which blocks on files such as /proc/kmsg and
// would freeze the editor while the dialog lists such a folder.
class NameOnlyIconProvider : public QFileIconProvider
{
public:
    QIcon icon(const QFileInfo &info) const override
    {
        return QFileIconProvider::icon(info.isDir() ? Folder : File);
    }

    QString type(const QFileInfo &info) const override
    {
        if (info.isDir())
            return QFileIconProvider::type(info);
        return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
    }
};

} // namespace

QtFileDialog::QtFileDialog() : m_icons(std::make_unique<NameOnlyIconProvider>()) {}

QtFileDialog::~QtFileDialog() = default;

QStringList QtFileDialog::nameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(parts.at(i) + QStringLiteral(" (") + patterns.trimmed() + QLatin1Char(')'));
    }
    return filters;
}

QString QtFileDialog::choose(Mode mode)
{
    // Over whichever window asked: the main window or the preview.
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(m_icons.get());
    // Qt reads each filter's patterns from its last brackets; the list shows
    // the description alone, which names its patterns in its own words.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = nameFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(filterIndex - 1));
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);

    if (mode == Mode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        // Without the must-exist flag a typed name that does not exist is
        // still handed back; the command reports what opening it gives.
        dialog.setFileMode((flags & FileMustExist) ? QFileDialog::ExistingFile
                                                   : QFileDialog::AnyFile);
    } else {
        // A save always accepts a new name, whatever flags an open left behind,
        // and replaces an existing file without a question.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }

    const bool accepted = dialog.exec() == QDialog::Accepted;
    const QStringList chosen = accepted ? dialog.selectedFiles() : QStringList();
    forgetPaintedIcons();
    return chosen.isEmpty() ? QString() : chosen.constFirst();
}

void QtFileDialog::forgetPaintedIcons()
{
    // Each showing builds its dialog anew, and with it the icons of its tool
    // buttons, side bar and lists. The copies Qt caches for painting them are
    // keyed to those icons and never found again once the dialog is gone;
    // left alone they pile up to the cache's limit. Whatever else the cache
    // held is painted again on demand.
    QPixmapCache::clear();
}
