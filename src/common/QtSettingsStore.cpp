#include "common/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace trakora {

namespace {

QString EntryName(std::string_view section, std::string_view key)
{
    return QString::fromUtf8(section.data(), qsizetype(section.size())) + QLatin1Char('/') +
           QString::fromUtf8(key.data(), qsizetype(key.size()));
}

} // namespace

QtSettingsStore::QtSettingsStore() : QtSettingsStore(DefaultPath()) {}

QtSettingsStore::QtSettingsStore(const QString& path) : m_path(path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (m_settings->status() != QSettings::FormatError)
        return;

    // Keep the damaged file for the user to inspect, then start afresh.
    m_settings.reset();
    m_damagedCopy = path + QStringLiteral(".damaged");
    QFile::remove(m_damagedCopy);
    if (!QFile::rename(path, m_damagedCopy)) {
        QFile::copy(path, m_damagedCopy);
        QFile::remove(path);
    }
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Trakora.conf");
}

std::string QtSettingsStore::Get(std::string_view section, std::string_view key, std::string_view def)
{
    const QVariant value = m_settings->value(EntryName(section, key));
    if (!value.isValid())
        return std::string(def);
    // Text with commas is read back by QSettings as a list; the store keeps plain text.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

void QtSettingsStore::Save(std::string_view section, std::string_view key, std::string_view value)
{
    m_settings->setValue(EntryName(section, key), QString::fromUtf8(value.data(), qsizetype(value.size())));
    m_settings->sync();
}

} // namespace trakora
