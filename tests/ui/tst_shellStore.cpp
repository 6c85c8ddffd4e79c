// The settings file: entries round trip, and a damaged or unusable file
// reads as the defaults without stopping the program.
#include "common/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace trakora;

namespace {

TEST(QtSettingsStoreTest, EntriesRoundTripThroughTheFileInTheUsersConfigurationFolder)
{
    EXPECT_TRUE(QtSettingsStore::DefaultPath().endsWith("/Trakora.conf"));
    QTemporaryDir dir;
    const QString path = dir.filePath("Trakora.conf");
    QtSettingsStore(path).Save("UTC Offset", "Direction", " -1");
    QtSettingsStore(path).Save("Notes", "List", "a,b, c");
    QtSettingsStore reread(path);
    EXPECT_EQ(reread.Get("UTC Offset", "Direction", ""), " -1") << "spaces in names and values are kept";
    EXPECT_EQ(reread.Get("Notes", "List", ""), "a,b, c") << "text with commas stays one text";
}

TEST(QtSettingsStoreTest, DamagedOrUnusableFileReadsAsDefaults)
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath("damaged.conf"), folder = dir.filePath("folder.conf");
    const QByteArray garbage("[Comm\nCommPort=3\n\x01\x02\xff\xfe[[[=\n");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(garbage) == garbage.size());
    file.close();
    QtSettingsStore store(damaged);
    EXPECT_EQ(store.Get("Comm", "CommPort", "1"), "1");
    QFile copy(store.DamagedCopy());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), garbage) << "the damaged file is kept aside as it was";
    store.Save("Comm", "CommPort", "2");
    EXPECT_EQ(QtSettingsStore(damaged).Get("Comm", "CommPort", "1"), "2") << "a fresh file replaces the damaged one";

    ASSERT_TRUE(QDir().mkpath(folder)); // a folder where the file should be
    QtSettingsStore unusable(folder);
    EXPECT_EQ(unusable.Get("Comm", "CommPort", "1"), "1");
    unusable.Save("Comm", "CommPort", "4"); // must neither fail nor harm the folder
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

} // namespace
