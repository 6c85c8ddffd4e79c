// The settings file: entries round trip, writes are held back and made
// together, and a damaged or unusable file reads as the defaults without
// stopping the program.
#include "common/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace trakora;

namespace {

class QtSettingsStoreTest : public ::testing::Test, public IMessageSink {
protected:
    void ShowMessage(std::string_view text) override { shown.emplace_back(text); }
    QTemporaryDir dir;
    const QString path = dir.filePath("Trakora.conf");
    std::vector<std::string> shown;
};

TEST_F(QtSettingsStoreTest, EntriesRoundTripThroughTheFileInTheUsersConfigurationFolder)
{
    EXPECT_TRUE(QtSettingsStore::DefaultPath().endsWith("/Trakora.conf"));
    QtSettingsStore(path).Save("UTC Offset", "Direction", " -1");
    QtSettingsStore(path).Save("Notes", "List", "a,b, c");
    QtSettingsStore reread(path);
    EXPECT_EQ(reread.Get("UTC Offset", "Direction", ""), " -1") << "spaces in names and values are kept";
    EXPECT_EQ(reread.Get("Notes", "List", ""), "a,b, c") << "text with commas stays one text";
}

TEST_F(QtSettingsStoreTest, SavedEntriesAreHeldBackAndWrittenTogether)
{
    QtSettingsStore store(path);
    for (int i = 0; i < 100; ++i)
        store.Save("Lats", std::to_string(i % 10), std::to_string(i));
    EXPECT_EQ(store.Get("Lats", "3", ""), "93") << "reads see what is held back";
    EXPECT_EQ(QtSettingsStore(path).Get("Lats", "3", "none"), "none") << "nothing written yet";
    EXPECT_EQ(store.FileWrites(), 0);

    store.Flush();
    EXPECT_EQ(QtSettingsStore(path).Get("Lats", "3", "none"), "93");
    store.Save("Lats", "3", "93"), store.Flush();
    EXPECT_EQ(store.FileWrites(), 1) << "an unchanged value is not written again";
}

TEST_F(QtSettingsStoreTest, DamagedOrUnusableFileReadsAsDefaults)
{
    const QString& damaged = path, folder = dir.filePath("folder.conf");
    const QByteArray garbage("[Comm\nCommPort=3\n\x01\x02\xff\xfe[[[=\n");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(garbage) == garbage.size());
    file.close();
    QtSettingsStore store(damaged);
    EXPECT_EQ(store.Get("Comm", "CommPort", "1"), "1");
    QFile copy(store.DamagedCopy());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), garbage) << "the damaged file is kept aside as it was";
    store.Save("Comm", "CommPort", "2"), store.Flush();
    EXPECT_EQ(QtSettingsStore(damaged).Get("Comm", "CommPort", "1"), "2") << "a fresh file replaces the damaged one";

    ASSERT_TRUE(QDir().mkpath(folder)); // a folder where the file should be
    QtSettingsStore unusable(folder);
    unusable.ReportWriteFailuresTo(this);
    EXPECT_EQ(unusable.Get("Comm", "CommPort", "1"), "1");
    for (const char* port : {"4", "5"}) // must neither stop nor harm the folder
        unusable.Save("Comm", "CommPort", port), unusable.Flush();
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(unusable.Get("Comm", "CommPort", "1"), "5") << "what could not be written is still read";
    ASSERT_EQ(shown.size(), 1u) << "a failed write is reported once";
    EXPECT_NE(shown[0].find(folder.toStdString()), std::string::npos) << shown[0];
}

} // namespace
