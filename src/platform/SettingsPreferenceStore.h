#pragma once

#include "app/PreferenceStore.h"

#include <QString>

namespace marrowby {

// The preference store outside Windows: an INI file in the user's configuration
// folder holding the same four values as the registry key on Windows. Texts are
// stored as text: a text ends at its first zero character.
class SettingsPreferenceStore : public PreferenceStore {
public:
    // `filePath` empty: the default file in the user's configuration folder.
    explicit SettingsPreferenceStore(QString filePath = {});

    static QString defaultFilePath();
    const QString &filePath() const { return m_filePath; }

    bool open() override;
    bool create() override;
    std::optional<std::uint32_t> readNumber(std::string_view name) override;
    bool writeNumber(std::string_view name, std::uint32_t value) override;
    std::optional<std::u16string> readText(std::string_view name) override;
    bool writeText(std::string_view name, std::u16string_view value) override;

private:
    bool writeValue(std::string_view name, const QVariant &value);

    QString m_filePath;
};

} // namespace marrowby
