// The settings file: entries round trip, and a damaged or unusable file
// reads as the defaults without stopping the program.
#include "common/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace trakora;

namespace {

TEST(QtSettingsStoreTest, EntriesRoundTripThroughTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Trakora.conf");
    {
        QtSettingsStore store(path);
        EXPECT_EQ(store.Get("Comm", "CommPort", "1"), "1") << "missing entries give their default";
        store.Save("Comm", "CommPort", " 3");
        store.Save("UTC Offset", "Direction", "-1");
        store.Save("Output File", "WriteData", "1");
        store.Save("LTTime", "Start", "2024-05-01 12:00:00");
        store.Save("Notes", "List", "a,b, c");
        store.Save("MDIForm", "Left", "1234.5");
    }
    QtSettingsStore reread(path);
    EXPECT_EQ(reread.Get("Comm", "CommPort", ""), " 3");
    EXPECT_EQ(reread.Get("UTC Offset", "Direction", ""), "-1");
    EXPECT_EQ(reread.Get("Output File", "WriteData", ""), "1");
    EXPECT_EQ(reread.Get("LTTime", "Start", ""), "2024-05-01 12:00:00");
    EXPECT_EQ(reread.Get("Notes", "List", ""), "a,b, c") << "text with commas stays one text";
    EXPECT_EQ(reread.Get("MDIForm", "Left", ""), "1234.5");
    EXPECT_TRUE(reread.DamagedCopy().isEmpty());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[UTC%20Offset]")) << text.constData();
    EXPECT_TRUE(text.contains("CommPort= 3") || text.contains("CommPort=\" 3\"")) << text.constData();
}

TEST(QtSettingsStoreTest, DefaultFileLivesInTheUsersConfigurationFolder)
{
    EXPECT_TRUE(QtSettingsStore::DefaultPath().endsWith("/Trakora.conf"));
}

TEST(QtSettingsStoreTest, DamagedFileReadsAsDefaultsAndIsKeptAside)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Trakora.conf");
    QByteArray garbage("[Comm\nCommPort=3\n\x01\x02\xff\xfe[[[=\n");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    QtSettingsStore store(path);
    EXPECT_EQ(store.Get("Comm", "CommPort", "1"), "1");
    ASSERT_FALSE(store.DamagedCopy().isEmpty());
    QFile copy(store.DamagedCopy());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), garbage) << "the damaged file is kept as it was";

    store.Save("Comm", "CommPort", "2");
    QtSettingsStore reread(path);
    EXPECT_EQ(reread.Get("Comm", "CommPort", "1"), "2") << "a fresh file replaces the damaged one";
}

TEST(QtSettingsStoreTest, UnusablePathReadsAsDefaultsAndSavesDoNotFail)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Trakora.conf");
    ASSERT_TRUE(QDir().mkpath(path)); // a folder where the file should be
    QtSettingsStore store(path);
    EXPECT_EQ(store.Get("Comm", "CommPort", "1"), "1");
    store.Save("Comm", "CommPort", "4");
    EXPECT_TRUE(QFileInfo(path).isDir());
}

} // namespace
