#include "dialog/Texts.h"

#include <QDir>

namespace marrowby {

QString qtText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString captionText(const i18n::CaptionTable &table, int language)
{
    return qtText(i18n::caption(table, language));
}

QString captionText(const i18n::CaptionObjectTable &table, int language)
{
    return qtText(i18n::caption(table, language));
}

QStringList optionTexts(const i18n::OptionTable &table, int language)
{
    QStringList texts;
    for (std::string_view text : i18n::options(table, language))
        texts << qtText(text);
    return texts;
}

QString messageText(const i18n::Message &message, int language)
{
    return qtText(i18n::message(message, language));
}

QString messageText(const i18n::TranslatedMessage &message, int language)
{
    return qtText(i18n::message(message, language));
}

QString defaultOutputFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::homePath();
#endif
}

} // namespace marrowby
