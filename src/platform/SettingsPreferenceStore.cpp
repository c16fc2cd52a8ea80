#include "platform/SettingsPreferenceStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace marrowby {

namespace {

const QString kGroup = QStringLiteral("Marrowby");

QString keyFor(std::string_view name)
{
    return kGroup + QLatin1Char('/')
        + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

SettingsPreferenceStore::SettingsPreferenceStore(QString filePath)
    : m_filePath(filePath.isEmpty() ? defaultFilePath() : std::move(filePath))
{ }

QString SettingsPreferenceStore::defaultFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + QStringLiteral("/Marrowby/Marrowby.ini");
}

bool SettingsPreferenceStore::open()
{
    const QFileInfo info(m_filePath);
    return info.isFile() && info.isReadable() && info.isWritable();
}

bool SettingsPreferenceStore::create()
{
    if (open())
        return true;
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return false;
    QFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    file.close();
    return open();
}

std::optional<std::uint32_t> SettingsPreferenceStore::readNumber(std::string_view name)
{
    if (!open())
        return std::nullopt;
    QSettings settings(m_filePath, QSettings::IniFormat);
    const QVariant value = settings.value(keyFor(name));
    if (settings.status() != QSettings::NoError || !value.isValid())
        return std::nullopt;
    bool ok = false;
    const qulonglong number = value.toString().toULongLong(&ok);
    if (!ok || number > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

bool SettingsPreferenceStore::writeNumber(std::string_view name, std::uint32_t value)
{
    return writeValue(name, QVariant(static_cast<qulonglong>(value)));
}

std::optional<std::u16string> SettingsPreferenceStore::readText(std::string_view name)
{
    if (!open())
        return std::nullopt;
    QSettings settings(m_filePath, QSettings::IniFormat);
    const QVariant value = settings.value(keyFor(name));
    if (settings.status() != QSettings::NoError || !value.isValid())
        return std::nullopt;
    return value.toString().toStdU16String();
}

bool SettingsPreferenceStore::writeText(std::string_view name, std::u16string_view value)
{
    // A text ends at its first zero character: the zero padding the registry
    // value carries means nothing in an INI file.
    value = value.substr(0, value.find(u'\0'));
    return writeValue(name, QString::fromUtf16(value.data(), static_cast<qsizetype>(value.size())));
}

bool SettingsPreferenceStore::writeValue(std::string_view name, const QVariant &value)
{
    if (!open())
        return false;
    QSettings settings(m_filePath, QSettings::IniFormat);
    settings.setValue(keyFor(name), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace marrowby
