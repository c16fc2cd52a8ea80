// The forms' Save settings and Open settings commands: a form's settings as a
// settings document, and back.
#include "cardfiles/CardReport.h"
#include "catalogue/ModelCatalogue.h"
#include "dialog/FormBase.h"
#include "dialog/Texts.h"
#include "documents/SettingsDocument.h"
#include "i18n/DocumentTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace marrowby {

namespace texts = i18n::documents;

void FormBase::saveSettingsDocument()
{
    // What Generate would write, or the refusal Generate would show.
    const std::optional<FileSettings> settings = checkedSettings();
    if (!settings)
        return;
    const QString fileName = QFileInfo(qtText(inspect::cardFileName(fileKind()))).baseName();
    const QString suggested
        = qtText(ModelCatalogue::entry(context().modelIndex).listName) + ' ' + fileName + ".json";
    const QString path
        = services().chooseFile(FilePurpose::Save, text(texts::FileFilter), suggested);
    if (path.isEmpty())
        return;

    // In place whole or not at all: a fresh file renamed over the old one.
    QSaveFile file(path);
    const QByteArray bytes = QByteArray::fromStdString(documents::documentText(*settings));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        services().failure(text(texts::CannotSave).arg(path, file.errorString()));
        return;
    }
    services().notice(text(texts::Saved).arg(path));
}

void FormBase::openSettingsDocument()
{
    const QString path = services().chooseFile(FilePurpose::Open, text(texts::FileFilter), {});
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        services().failure(text(texts::CannotRead).arg(path, file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    documents::ReadOptions options;
    options.model = context().modelIndex;
    options.kind = fileKind();
    const documents::DocumentReading reading
        = documents::readDocument(std::string_view(bytes.constData(), bytes.size()), options);
    if (reading.error) {
        services().failure(qtText(documents::errorText(*reading.error, context().languageIndex)));
        return;
    }
    showFileSettings(*reading.settings);
    if (!reading.passwordsLeftOut.empty()) {
        QStringList fields;
        for (const std::string &field : reading.passwordsLeftOut)
            fields << '"' + QString::fromStdString(field) + '"';
        services().notice(text(texts::PasswordsToType).arg(fields.join(QStringLiteral(", "))));
    }
}

} // namespace marrowby
