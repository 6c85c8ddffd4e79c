#pragma once

#include "common/SettingsStore.h"

#include <QString>
#include <QTimer>

#include <map>
#include <memory>
#include <optional>
#include <string>

class QSettings;

namespace trakora {

// The settings store kept in an INI file, by default Trakora.conf in the
// user's configuration folder. A file that cannot be read as settings is
// moved aside to <file>.damaged and the program starts from the defaults.
//
// Saved entries are held back and written together: at most once every
// WriteDelay milliseconds (while events run), on Flush and when the store
// goes. Reads see held-back entries. A write that fails is reported once to
// the message sink, until a later write succeeds.
class QtSettingsStore : public ISettingsStore {
public:
    static constexpr int WriteDelay = 1000; // milliseconds

    QtSettingsStore();
    explicit QtSettingsStore(const QString& path);
    ~QtSettingsStore() override;

    static QString DefaultPath();

    std::string Get(std::string_view section, std::string_view key, std::string_view def) override;
    void Save(std::string_view section, std::string_view key, std::string_view value) override;
    void Flush() override;
    void ReportWriteFailuresTo(IMessageSink* messages) override { m_messages = messages; }
    // Names the damaged file and its copy when the file was set aside.
    std::string OpeningNotice() const override;

    QString Path() const { return m_path; }
    // The copy of a damaged file made at start ("" when the file was sound).
    QString DamagedCopy() const { return m_damagedCopy; }
    // How many times the file has been written.
    int FileWrites() const { return m_fileWrites; }

private:
    std::optional<std::string> Lookup(const QString& name) const;

    QString m_path;
    QString m_damagedCopy;
    std::unique_ptr<QSettings> m_settings;
    std::map<QString, QString> m_pending;
    QTimer m_writeTimer;
    IMessageSink* m_messages = nullptr;
    bool m_failureReported = false;
    int m_fileWrites = 0;
};

} // namespace trakora
