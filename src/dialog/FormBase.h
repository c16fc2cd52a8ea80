#pragma once

#include "cardfiles/FileSettings.h"
#include "dialog/FieldExchange.h"
#include "dialog/FormContext.h"
#include "dialog/FormWindow.h"
#include "dialog/Services.h"
#include "i18n/TextTables.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

namespace marrowby {

struct WriteResult;
class FormMenu;

// The base of every form (camera, MMS and SMTP): the context the form was handed,
// its texts in that language, the field exchange, the folder row with
// BrowseFolder, Generate with its take-in and validation, the write report and
// the button row. A form kind (an engine) derives from it, builds its controls
// with the FormWindow makers and these rows, binds its edits into exchange() in
// its take-in order, and supplies writeGenerated() and, if it can refuse,
// validate().
class FormBase : public FormWindow {
    Q_OBJECT
public:
    const FormContext &context() const { return m_context; }
    // The services the form was handed.
    Services &services() const { return *m_context.services; }
    // The output folder as last chosen or taken in.
    QString folder() const { return m_folder; }

    // Generate: takes every edit in as it is shown, then asks validate(); only
    // when both pass does writeGenerated() run. So the file holds what the form
    // shows, or nothing is written: a failing edit shows its message and gets the
    // focus with its text selected.
    void generate();
    // Select: BrowseFolder. A chosen folder longer than the form's limit is
    // refused with the standard message and the folder row keeps its folder; a
    // cancelled chooser keeps the folder, an item without a path gives the default.
    void chooseFolder();

    // The card file the form writes.
    virtual inspect::FileKind fileKind() const = 0;
    // Shows settings of the form's file in every control, as the form's own
    // rules show them. The folder stays; a camera form's clock keeps its value.
    virtual void showFileSettings(const FileSettings &settings) = 0;
    // Takes every edit in and runs the form's checks as Generate does (the
    // first failure shown, the focus moved to it), and gives the settings
    // Generate would write; nothing is written.
    std::optional<FileSettings> checkedSettings();

    // Check card: reads the card files in the folder the folder edit shows and
    // reports in the form's language whether they are in order.
    void checkCard();
    // Load from card: shows the settings of the form's file in the folder the
    // folder edit shows, or says why it cannot (no such file, or what the card
    // check finds in it).
    void loadFromCard();
    // Save settings: the settings Generate would write (after the same checks)
    // into a settings document the user chooses. Open settings: a document for
    // the form's model and file, checked, shown in every control; a refused
    // document changes nothing. (FormDocuments.cpp)
    void saveSettingsDocument();
    void openSettingsDocument();

    // Adds a command to the form's context menu, after Check card.
    QAction *addMenuCommand(
        const QString &objectName, const QString &text, std::function<void()> run);

protected:
    explicit FormBase(const FormContext &context, QWidget *parent = nullptr);

    // A reason to refuse Generate: the message, and the control to focus (an
    // edit also gets its text selected), if any.
    struct Refusal {
        QString message;
        QWidget *focus = nullptr;
    };
    // The form's own checks after a successful take-in; the first failing one.
    virtual std::optional<Refusal> validate() { return std::nullopt; }
    // Collects the form and writes its file, reporting through reportWrite().
    virtual void writeGenerated() = 0;
    // The settings Generate writes, once validate() has passed.
    virtual FileSettings collectFileSettings() = 0;
    // Enter: Generate. (A form that ends on Enter overrides this.)
    void acceptCommand() override { generate(); }
    // The first showing offers the settings of a card file in the opening folder.
    void showEvent(QShowEvent *event) override;

    // Texts in the form's language.
    QString text(const i18n::CaptionTable &table) const;
    QString text(const i18n::CaptionObjectTable &table) const;
    QString text(const i18n::Message &message) const;
    QString text(const i18n::TranslatedMessage &message) const;
    QStringList texts(const i18n::OptionTable &table) const;

    // The folder row: the Select button and the folder edit. `maxLength` is the
    // longest folder the form accepts (0: no limit); typing stops there, and a
    // longer chosen folder is refused when it is chosen.
    QWidget *makeFolderRow(int selectId, int folderId, int maxLength);
    // Binds the folder edit into the exchange at this point of the take-in order.
    void addFolderField();
    // Takes in only the folder edit, with its check.
    bool takeInFolder();
    std::string folderPath() const { return m_folder.toStdString(); }

    // The buttons side by side, left to right.
    QWidget *makeButtonRow(std::initializer_list<QPushButton *> buttons);

    FieldExchange &exchange() { return m_exchange; }
    bool takeIn() { return m_exchange.takeIn(); }
    void showAll() { m_exchange.show(); }

    // Shows a refusal and moves the focus as it asks.
    void refuse(const Refusal &refusal);
    // Before a write into the folder taken in: when the camera will not read a
    // file there (a removable volume's subfolder, not FAT or exFAT, read-only),
    // says why and asks whether to write anyway, No the default. Whether to
    // write; the answer never changes what is written.
    bool confirmWritePlace();
    // Reports a write: the success text in the notice box, or the file's name and
    // the reason it could not be written, or, when the file was written but a
    // plain-text work file could not be removed, that file and the reason in
    // place of the success text. Returns whether the file was written.
    bool reportWrite(const WriteResult &result, const QString &success);

private:
    // A folder was set (opened with, chosen, or typed and left): when it holds
    // the form's file, asks once per folder whether to show its settings, or
    // says why the file cannot be shown.
    void offerCardSettings(const QString &folder);
    // The folder as the folder edit shows it, taken in or not.
    QString shownFolder() const;

    std::unique_ptr<Services> m_ownServices; // when the context brought none
    FormContext m_context;
    FieldExchange m_exchange;
    QString m_folder;
    QLineEdit *m_folderEdit = nullptr;
    int m_folderLimit = 0;
    FormMenu *m_menu = nullptr;
    QSet<QString> m_offeredFolders; // folders whose card file the form has offered
    bool m_shownOnce = false;
};

} // namespace marrowby
