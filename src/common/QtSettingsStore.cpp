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
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setTimerType(Qt::PreciseTimer);
    m_writeTimer.setInterval(WriteDelay);
    m_writeTimer.callOnTimeout([this] { Flush(); });

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

QtSettingsStore::~QtSettingsStore()
{
    Flush();
}

QString QtSettingsStore::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Trakora.conf");
}

std::string QtSettingsStore::OpeningNotice() const
{
    if (m_damagedCopy.isEmpty())
        return {};
    return "The settings file " + m_path.toStdString() + " could not be read. It was set aside as " +
           m_damagedCopy.toStdString() + ", and this run starts from the default settings.";
}

std::optional<std::string> QtSettingsStore::Lookup(const QString& name) const
{
    if (const auto held = m_pending.find(name); held != m_pending.end())
        return held->second.toStdString();
    const QVariant value = m_settings->value(name);
    if (!value.isValid())
        return std::nullopt;
    // Text with commas is read back by QSettings as a list; the store keeps plain text.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

std::string QtSettingsStore::Get(std::string_view section, std::string_view key, std::string_view def)
{
    return Lookup(EntryName(section, key)).value_or(std::string(def));
}

void QtSettingsStore::Save(std::string_view section, std::string_view key, std::string_view value)
{
    const QString name = EntryName(section, key);
    // An entry rewritten with the value it holds (a placement, a sum that
    // did not move) costs no write.
    if (Lookup(name) == value)
        return;
    m_pending[name] = QString::fromUtf8(value.data(), qsizetype(value.size()));
    if (!m_writeTimer.isActive())
        m_writeTimer.start();
}

void QtSettingsStore::Flush()
{
    m_writeTimer.stop();
    if (m_pending.empty())
        return;
    for (const auto& [name, value] : m_pending)
        m_settings->setValue(name, value);
    m_settings->sync();
    ++m_fileWrites;
    if (m_settings->status() != QSettings::AccessError) {
        m_pending.clear();
        m_failureReported = false;
        return;
    }

    // The entries stay held back, so reads keep seeing them and the next
    // write tries them again; a fresh QSettings forgets the failure, which
    // it would otherwise report for good.
    m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    if (m_failureReported || m_messages == nullptr)
        return;
    m_failureReported = true;
    m_messages->ShowMessage("The settings could not be saved to " + m_path.toStdString() +
                            ".\nCheck that its folder can be written and that the disk is not full. Until "
                            "then, the choices and window places of this run are kept only while it runs.");
}

} // namespace trakora
