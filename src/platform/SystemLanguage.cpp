#include "platform/SystemLanguage.h"

#include "app/StartUp.h"

#include <QLocale>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace marrowby {

std::uint16_t systemLanguageId()
{
#ifdef Q_OS_WIN
    return GetSystemDefaultLangID();
#else
    return languageIdForLocaleName(QLocale::system().name().toStdString());
#endif
}

} // namespace marrowby
