// SPDX-License-Identifier: MIT
#include "host/QtFileDialog.h"
#include "tests/support/TestFiles.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct Shown
{
    QStringList filters;
    QString selectedFilter;
    QStringList files;
};

// What Qt's dialog shows once it lists its folder: the texts of its filter
// list, the one selected and the names of the files the filter lets through.
Shown whatTheDialogShows(QtFileDialog &dialog)
{
    Shown shown;
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &shown] {
        auto *open = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!open)
            return;
        poll->deleteLater();
        const auto *types = open->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < types->count(); ++i)
            shown.filters << types->itemText(i);
        shown.selectedFilter = types->currentText();
        const auto *list = open->findChild<QAbstractItemView *>(QStringLiteral("listView"));
        const auto listed = [list] {
            QStringList names;
            const QModelIndex root = list->rootIndex();
            for (int row = 0; row < list->model()->rowCount(root); ++row)
                names << list->model()->index(row, 0, root).data().toString();
            return names;
        };
        // The folder is listed in the background; an empty list fails the test.
        if (QTest::qWaitFor([&] { return !listed().isEmpty(); }, 30000))
            shown.files = listed();
        shown.files.sort();
        open->reject();
    });
    poll->start();
    dialog.showOpen();
    return shown;
}

} // namespace

class TestQtFileDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filtersReadAsWritten_data();
    void filtersReadAsWritten();
};

void TestQtFileDialog::filtersReadAsWritten_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("map files") << QStringLiteral("MAP Files (.map, .prg)|*.map;*.prg|") << 1
                               << QStringList{QStringLiteral("MAP Files (.map, .prg)")}
                               << QStringList{QStringLiteral("a.map"), QStringLiteral("b.prg")};
    QTest::newRow("tile sets") << QStringLiteral("Tile Sets (.bmp)|*.bmp|") << 1
                               << QStringList{QStringLiteral("Tile Sets (.bmp)")}
                               << QStringList{QStringLiteral("c.bmp")};
    QTest::newRow("bitmap export") << QStringLiteral("Windows Bitmap Files (*.bmp)|*.bmp") << 0
                                   << QStringList{QStringLiteral("Windows Bitmap Files (*.bmp)")}
                                   << QStringList{QStringLiteral("c.bmp")};
    QTest::newRow("two filters, the second chosen")
        << QStringLiteral("MAP Files (.map, .prg)|*.map;*.prg|Tile Sets (.bmp)|*.bmp|") << 2
        << QStringList{QStringLiteral("MAP Files (.map, .prg)"), QStringLiteral("Tile Sets (.bmp)")}
        << QStringList{QStringLiteral("c.bmp")};
}

// The list reads each description exactly as written, once, and the patterns
// behind it still choose the files listed.
void TestQtFileDialog::filtersReadAsWritten()
{
    QFETCH(QString, filter);
    QFETCH(int, index);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, files);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const char *name : {"a.map", "b.prg", "c.bmp", "d.txt"})
        TestFiles::write(folder.filePath(QLatin1String(name)), QByteArrayLiteral("x"));

    QtFileDialog dialog;
    dialog.filter = filter;
    dialog.filterIndex = index;
    dialog.fileName = folder.filePath(QStringLiteral("new.map"));
    const Shown seen = whatTheDialogShows(dialog);

    QCOMPARE(seen.filters, shown);
    QCOMPARE(seen.selectedFilter, shown.at(qMax(index, 1) - 1));
    QCOMPARE(seen.files, files);
}

QTEST_MAIN(TestQtFileDialog)
#include "tst_qtfiledialog.moc"
