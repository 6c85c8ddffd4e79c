#pragma once

#include "common/SettingsStore.h"

#include <QString>

#include <memory>

class QSettings;

namespace trakora {

// The settings store kept in an INI file, by default Trakora.conf in the
// user's configuration folder. A file that cannot be read as settings is
// moved aside to <file>.damaged and the program starts from the defaults.
class QtSettingsStore : public ISettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(const QString& path);
    ~QtSettingsStore() override;

    static QString DefaultPath();

    std::string Get(std::string_view section, std::string_view key, std::string_view def) override;
    void Save(std::string_view section, std::string_view key, std::string_view value) override;

    QString Path() const { return m_path; }
    // The copy of a damaged file made at start ("" when the file was sound).
    QString DamagedCopy() const { return m_damagedCopy; }

private:
    QString m_path;
    QString m_damagedCopy;
    std::unique_ptr<QSettings> m_settings;
};

} // namespace trakora
