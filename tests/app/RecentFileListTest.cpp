// The recent-file list: four entries, newest first, kept in the settings.

#include "AppTestSupport.h"

#include "app/RecentFileList.h"

#include <QtTest>

class RecentFileListTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keepsTheFourNewestFilesNewestFirst();
    void storesTheEntriesAsFile1ToFile4();
    void aFileOpenedAgainMovesToTheFront();
    void aNewListReadsTheStoredEntries();
    void removingAFileClosesTheGap();

private:
    QString PathOf(const QString& name) const { return m_files.filePath(name); }

    std::unique_ptr<CTemporarySettings> m_settings;
    QTemporaryDir m_files;
};

void RecentFileListTest::init()
{
    m_settings = std::make_unique<CTemporarySettings>();
}

void RecentFileListTest::cleanup()
{
    m_settings.reset();
}

void RecentFileListTest::keepsTheFourNewestFilesNewestFirst()
{
    CRecentFileList list(4);
    for (const char* name : {"a.umb", "b.umb", "c.umb", "d.umb", "e.umb"}) {
        list.Add(PathOf(QString::fromLatin1(name)));
    }
    QCOMPARE(list.Files(), QStringList({PathOf("e.umb"), PathOf("d.umb"), PathOf("c.umb"), PathOf("b.umb")}));
}

void RecentFileListTest::storesTheEntriesAsFile1ToFile4()
{
    CRecentFileList list(4);
    for (const char* name : {"a.umb", "b.umb", "c.umb", "d.umb", "e.umb"}) {
        list.Add(PathOf(QString::fromLatin1(name)));
    }
    QSettings settings;
    settings.beginGroup(QStringLiteral("Recent File List"));
    QCOMPARE(settings.value(QStringLiteral("File1")).toString(), PathOf("e.umb"));
    QCOMPARE(settings.value(QStringLiteral("File4")).toString(), PathOf("b.umb"));
    QVERIFY(!settings.contains(QStringLiteral("File5")));
    QVERIFY(!settings.contains(QStringLiteral("File0")));
}

void RecentFileListTest::aFileOpenedAgainMovesToTheFront()
{
    CRecentFileList list(4);
    list.Add(PathOf("a.umb"));
    list.Add(PathOf("b.umb"));
    list.Add(PathOf("c.umb"));
    list.Add(PathOf("a.umb"));
    QCOMPARE(list.Files(), QStringList({PathOf("a.umb"), PathOf("c.umb"), PathOf("b.umb")}));
}

void RecentFileListTest::aNewListReadsTheStoredEntries()
{
    {
        CRecentFileList list(4);
        list.Add(PathOf("a.umb"));
        list.Add(PathOf("b.umb"));
    }
    const CRecentFileList reread(4);
    QCOMPARE(reread.Files(), QStringList({PathOf("b.umb"), PathOf("a.umb")}));
}

void RecentFileListTest::removingAFileClosesTheGap()
{
    CRecentFileList list(4);
    list.Add(PathOf("a.umb"));
    list.Add(PathOf("b.umb"));
    list.Add(PathOf("c.umb"));
    list.Remove(PathOf("b.umb"));
    QCOMPARE(list.Files(), QStringList({PathOf("c.umb"), PathOf("a.umb")}));
    QSettings settings;
    QVERIFY(!settings.contains(QStringLiteral("Recent File List/File3")));
}

UMBRANT_QTEST(RecentFileListTest)
#include "RecentFileListTest.moc"
