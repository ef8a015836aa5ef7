// SPDX-License-Identifier: MIT
#include "AppInfo.h"
#include "core/state/EditorState.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/TestFiles.h"
#include "ui/about/HelpOnDemand.h"
#include "ui/about/HelpTopics.h"
#include "ui/about/HelpWindow.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

// The help staged beside this test program, as it is beside the editor.
QString stagedHelp()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(HelpTopics::HelpFileName);
}

// The file the help window's page shows, "" when it shows none.
QString shownFile(const HelpWindow &help)
{
    return help.findChild<QTextBrowser *>(QStringLiteral("helpBrowser"))->source().toLocalFile();
}

QString shownPage(const HelpWindow &help)
{
    return QFileInfo(shownFile(help)).fileName();
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Works in another folder for as long as it lives.
class WorkingFolder
{
public:
    explicit WorkingFolder(const QString &path) : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

// "File > New Map [Ctrl+N]": one menu item as the help names it, its keys
// in one spelling ("Ctrl+Insert" and "Ctrl+Ins" are the same keys).
QString itemLine(const QString &menu, const QString &item, const QList<QKeySequence> &keys)
{
    QStringList spelled;
    for (const QKeySequence &key : keys)
        spelled += key.toString(QKeySequence::PortableText);
    return menu + QStringLiteral(" > ") + item + QStringLiteral(" [") +
           spelled.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString withoutMnemonic(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

// The items of the main window's menus, in their order: every command and
// submenu with the keys it takes.
QStringList menuItems(const MainWindow &window)
{
    QStringList items;
    for (const QAction *menuAction : window.menuBar()->actions()) {
        const QString menu = withoutMnemonic(menuAction->text());
        for (const QAction *item : menuAction->menu()->actions())
            if (!item->isSeparator() && item->isVisible())
                items += itemLine(menu, withoutMnemonic(item->text()), item->shortcuts());
    }
    return items;
}

// The same as the main window's help page lists them: under a heading of
// three a menu's name, one row a command with its name and its keys.
QStringList helpedItems(const QString &html)
{
    static const QRegularExpression section(QStringLiteral("<h3>([^<]+)</h3>(.*?)(?=<h[1-3]>|$)"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<td>(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QStringList items;
    for (const QRegularExpressionMatch &menu : section.globalMatch(html)) {
        for (const QRegularExpressionMatch &line : row.globalMatch(menu.captured(2))) {
            QStringList cells;
            for (const QRegularExpressionMatch &text : cell.globalMatch(line.captured(1)))
                cells += text.captured(1).remove(tag).simplified();
            if (cells.size() < 2)
                continue;
            QList<QKeySequence> keys;
            if (!cells.at(1).isEmpty())
                for (const QString &key : cells.at(1).split(QStringLiteral(", ")))
                    keys += QKeySequence::fromString(key, QKeySequence::PortableText);
            items += itemLine(menu.captured(1), cells.at(0), keys);
        }
    }
    return items;
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readContextTable_data();
    void readContextTable();
    void shippedHelpIsWhole();
    void mainWindowPageListsEveryMenuItem();
    void helpIsFoundFromTheProgramsFolder_data();
    void helpIsFoundFromTheProgramsFolder();
    void f1OpensContentsBesideTheProgram();
    void missingHelpChangesNothing_data();
    void missingHelpChangesNothing();
    void contentsButtonReturnsToContents();
    void helpWindowIsBuiltWhenFirstAsked();
    void visitOpensTheWebSite();
};

void TestHelp::readContextTable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("page");
    QTest::newRow("one entry") << QStringLiteral("30 contents.html\n") << 30
                               << QStringLiteral("contents.html");
    QTest::newRow("blanks and tabs")
        << QStringLiteral("  31\tpainting.html  \r\n") << 31 << QStringLiteral("painting.html");
    QTest::newRow("comment line") << QStringLiteral("# 30 old.html\n30 new.html") << 30
                                  << QStringLiteral("new.html");
    QTest::newRow("number missing") << QStringLiteral("contents.html\n") << 30 << QString();
    QTest::newRow("page missing") << QStringLiteral("30\n") << 30 << QString();
    QTest::newRow("other number") << QStringLiteral("31 painting.html\n") << 30 << QString();
}

void TestHelp::readContextTable()
{
    QFETCH(QString, text);
    QFETCH(int, context);
    QTEST(HelpTopics::readContextTable(text).value(context), "page");
}

// Every topic of the table is a page, every page is listed, has a title and
// links only to pages that exist.
void TestHelp::shippedHelpIsWhole()
{
    const QDir help(stagedHelp());
    const QHash<int, QString> table =
        HelpTopics::readContextTable(readText(help.filePath(HelpTopics::ContextTableName)));
    QCOMPARE(table.value(HelpTopics::ContentsContext), QStringLiteral("contents.html"));

    const QStringList pages = help.entryList({QStringLiteral("*.html")}, QDir::Files);
    QCOMPARE(QSet<QString>(pages.begin(), pages.end()),
             QSet<QString>(table.cbegin(), table.cend()));

    static const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)(#[^\"]*)?\""));
    static const QRegularExpression title(QStringLiteral("<title>[^<]+</title>"));
    const QString contents = readText(help.filePath(QStringLiteral("contents.html")));
    for (const QString &page : pages) {
        const QString html = readText(help.filePath(page));
        QVERIFY2(title.match(html).hasMatch(), qPrintable(page));
        if (page != QLatin1String("contents.html"))
            QVERIFY2(contents.contains(QLatin1Char('"') + page + QLatin1Char('"')),
                     qPrintable(page));
        for (const QRegularExpressionMatch &match : link.globalMatch(html)) {
            const QString target = match.captured(1);
            if (target.isEmpty() || target.startsWith(QLatin1String("https:")))
                continue;
            QVERIFY2(QFileInfo(help.filePath(target)).isFile(),
                     qPrintable(page + QStringLiteral(" -> ") + target));
        }
    }
}

// The menus as built and the page that describes them: every item with its
// keys, in the menus' order, and nothing the menus lack.
void TestHelp::mainWindowPageListsEveryMenuItem()
{
    EditorFixture editor;
    const QStringList items = menuItems(editor.window);
    QVERIFY(items.contains(QStringLiteral("File > New Map [Ctrl+N]")));
    QVERIFY(items.contains(QStringLiteral("Edit > Copy [Ctrl+Shift+C, Ctrl+Ins]")));
    QCOMPARE(helpedItems(readText(QDir(stagedHelp()).filePath(QStringLiteral("main-window.html")))),
             items);
}

void TestHelp::helpIsFoundFromTheProgramsFolder_data()
{
    QTest::addColumn<bool>("besideTheProgram");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("build tree") << true << false << QStringLiteral("beside");
    QTest::newRow("installed") << false << true << QStringLiteral("installed");
    QTest::newRow("both: the one beside") << true << true << QStringLiteral("beside");
    QTest::newRow("neither") << false << false << QString();
}

// A program folder with the help beside it, in the installed layout, both or
// neither: the contents page comes from the expected one.
void TestHelp::helpIsFoundFromTheProgramsFolder()
{
    QFETCH(bool, besideTheProgram);
    QFETCH(bool, installed);
    QFETCH(QString, expected);
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    const QDir programFolder(prefix.filePath(QStringLiteral("bin")));
    QVERIFY(QDir().mkpath(programFolder.path()));
    const QString folders[] = {
        programFolder.filePath(HelpTopics::HelpFileName),
        QDir::cleanPath(programFolder.filePath(QLatin1String(AppInfo::InstalledHelpFolder))),
    };
    QVERIFY(!folders[1].startsWith(programFolder.path()));
    const bool present[] = {besideTheProgram, installed};
    const QString names[] = {QStringLiteral("beside"), QStringLiteral("installed")};
    for (int i = 0; i < 2; ++i) {
        if (!present[i])
            continue;
        const QDir help(folders[i]);
        QVERIFY(QDir().mkpath(help.path()));
        TestFiles::write(help.filePath(HelpTopics::ContextTableName),
                         QByteArrayLiteral("30 contents.html\n"));
        TestFiles::write(help.filePath(QStringLiteral("contents.html")), names[i].toUtf8());
    }

    const QString page = HelpTopics::topicPage(HelpTopics::helpFileFor(programFolder.path()),
                                               HelpTopics::ContentsContext);
    QCOMPARE(page.isEmpty() ? QString() : readText(page), expected);
}

// Started from another folder that holds a help of its own, the editor still
// opens the help beside the program.
void TestHelp::f1OpensContentsBesideTheProgram()
{
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const QDir decoy(elsewhere.filePath(HelpTopics::HelpFileName));
    QVERIFY(QDir().mkpath(decoy.path()));
    TestFiles::write(decoy.filePath(HelpTopics::ContextTableName),
                     QByteArrayLiteral("30 decoy.html\n"));
    TestFiles::write(decoy.filePath(QStringLiteral("decoy.html")),
                     QByteArrayLiteral("<html><title>Decoy</title></html>"));
    WorkingFolder workingFolder(elsewhere.path());

    EditorState state;
    ScriptedHost scripted;
    HelpWindow help;
    MainWindow main(state,
                    Host{scripted.fileDialog, scripted.messageBox, help, scripted.urlOpener});
    QCOMPARE(help.helpFile, stagedHelp());

    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTest::keyClick(&main, Qt::Key_F1);

    QVERIFY(help.isVisible());
    QCOMPARE(shownFile(help), QDir(stagedHelp()).filePath(QStringLiteral("contents.html")));
    QCOMPARE(help.windowTitle(), QStringLiteral("Tesselwick Help - Contents"));
    QVERIFY(scripted.messageBox.asked.isEmpty());
}

void TestHelp::missingHelpChangesNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("context");
    QTest::newRow("no help file") << QStringLiteral("/nonexistent/Tesselwick-Help") << 30;
    QTest::newRow("unnamed help file") << QString() << 30;
    QTest::newRow("no such topic") << stagedHelp() << 999;
}

void TestHelp::missingHelpChangesNothing()
{
    QFETCH(QString, path);
    QFETCH(int, context);
    HelpWindow help;
    help.showHelp(path, context);
    QVERIFY(help.isHidden());
    QVERIFY(shownFile(help).isEmpty());
}

void TestHelp::contentsButtonReturnsToContents()
{
    HelpWindow help;
    help.helpFile = stagedHelp();
    const QHash<int, QString> table = HelpTopics::readContextTable(
        readText(QDir(stagedHelp()).filePath(HelpTopics::ContextTableName)));
    const int otherContext = table.key(QStringLiteral("map-files.html"));
    help.showHelp(stagedHelp(), otherContext);
    QCOMPARE(shownPage(help), QStringLiteral("map-files.html"));

    QTest::mouseClick(help.findChild<QWidget *>(QStringLiteral("contentsButton")), Qt::LeftButton);
    QCOMPARE(shownPage(help), QStringLiteral("contents.html"));
    QTest::mouseClick(help.findChild<QWidget *>(QStringLiteral("backButton")), Qt::LeftButton);
    QCOMPARE(shownPage(help), QStringLiteral("map-files.html"));
}

// The editor's viewer builds its window on the first request and hands it
// the help file, so the window's own Contents button finds its way back.
void TestHelp::helpWindowIsBuiltWhenFirstAsked()
{
    HelpOnDemand help;
    help.helpFile = stagedHelp();
    QVERIFY(!help.window());
    help.showHelp(stagedHelp(), 999);
    QVERIFY(!help.window() || help.window()->isHidden());

    help.showHelp(stagedHelp(), HelpTopics::ContentsContext);
    QVERIFY(help.window());
    QVERIFY(help.window()->isVisible());
    QTest::mouseClick(help.window()->findChild<QWidget *>(QStringLiteral("contentsButton")),
                      Qt::LeftButton);
    QCOMPARE(shownPage(*help.window()), QStringLiteral("contents.html"));
}

void TestHelp::visitOpensTheWebSite()
{
    EditorFixture editor;
    QCOMPARE(editor.find<QAction>("webSiteAction")->text(),
             QStringLiteral("&Visit ") + QLatin1String(AppInfo::WebSiteName));

    editor.trigger("webSiteAction");

    QCOMPARE(editor.host.urlOpener.opened,
             QList<QUrl>{QUrl(QStringLiteral("https://www.quorvane.example/"))});
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
