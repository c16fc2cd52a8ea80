#include "dialog/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QStringList>
#include <QTranslator>

#include <iterator>

namespace marrowby {

namespace {

// The languages of the language list, in LanguageIndex order.
const char *const kLocaleNames[]
    = {"zh_CN", "en", "de", "fi", "it", "fr", "hu", "sl", "cs", "ja", "lt", "pl", "tr", "uk", "ru"};

QPointer<QTranslator> &installed()
{
    static QPointer<QTranslator> translator;
    return translator;
}

} // namespace

QString QtTranslations::localeName(int languageIndex)
{
    if (languageIndex < 1 || languageIndex > static_cast<int>(std::size(kLocaleNames)))
        return QStringLiteral("en");
    return QString::fromLatin1(kLocaleNames[languageIndex - 1]);
}

bool QtTranslations::use(int languageIndex)
{
    if (QTranslator *previous = installed()) {
        QCoreApplication::removeTranslator(previous);
        delete previous;
    }
    const QString name = localeName(languageIndex);
    if (name == QLatin1String("en"))
        return false; // Qt's own texts are English
    // Where Qt keeps its translations, or a "translations" folder beside the
    // program (as a program deployed with its Qt libraries has it).
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    auto translator = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : folders) {
        if (translator->load(QStringLiteral("qtbase_") + name, folder)) {
            QCoreApplication::installTranslator(translator);
            installed() = translator;
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace marrowby
