#pragma once

#include "dialog/FormBase.h"
#include "smtp/SmtpFormValues.h"
#include "smtp/SmtpFormVariant.h"
#include "smtp/SmtpSettings.h"

#include <QHash>
#include <QString>

#include <initializer_list>
#include <map>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace marrowby {

class TestMailRun;

// Where the controls of an SMTP form sit: the ids of the frames and group boxes
// and of the labels beside lists whose ids differ between the two forms (the
// edits' labels are in the form's variant).
struct SmtpFormPlacement {
    int modeFrame = 0;      // frames of the upper rows: mode (and status),
    int picturesFrame = 0;  // pictures per day,
    int countryFrame = 0;   // country and operator,
    int smsRemoteFrame = 0; // SMS remote control (0: a frame without id)
    int smsRemoteLabel = 0; // "SMS Remote Control"
    int statusLabel = 0;    // "Smtp Status"; 0 when the form has no status list
    int gprsGroup = 0;      // "GPRS Setting"
    int smsGroup = 0;       // "SMS", around the phone number
};

// The one SMTP form engine: builds a form from its variant and runs what both
// SMTP forms share. The mode, country and operator lists, pictures per day and
// Generate follow the SMTP form rules; Enter runs Generate, as on every form.
class SmtpFormEngine : public FormBase {
    Q_OBJECT
public:
    const SmtpFormVariant &variant() const { return m_variant; }
    // The form's values after the last take-in or handler.
    const SmtpFormValues &values() const { return m_values; }

    // Shows settings read from a card's smtp.dat in every control (see
    // smtpFormValues): the lists, the edits, the masked sender password, which
    // edits take typing. In Auto mode the preset's GPRS texts stay out of the
    // edits. The folder stays.
    void showSettings(const SmtpSettings &settings);

    inspect::FileKind fileKind() const override { return inspect::FileKind::Smtp; }
    void showFileSettings(const FileSettings &settings) override { showSettings(settings.smtp); }

    QComboBox *list(int id) const { return m_lists.value(id); }
    QLineEdit *edit(int id) const { return m_edits.value(id); }

    // Send test e-mail: takes the form in and checks it as Generate does
    // (nothing written), then sends a short message with the sender settings
    // to the recipient, off the window's thread, with a progress box and the
    // result in a message box. Nothing else on the form goes over the network.
    void sendTestMail();
    // The attempt under way, if any.
    TestMailRun *testMailRun() const { return m_testMail; }

signals:
    // A test e-mail has ended and its result has been shown.
    void testMailFinished();

protected:
    SmtpFormEngine(const SmtpFormVariant &variant, const SmtpFormPlacement &placement,
        const FormContext &context, QWidget *parent = nullptr);

    std::optional<Refusal> validate() override;
    void writeGenerated() override;
    FileSettings collectFileSettings() override;

private:
    void build();
    QString caption(int id) const;
    QLabel *label(int id);
    QComboBox *makeSmtpList(int id, const QStringList &entries);
    // A frame of the upper part, added to `rows`; returns its row layout.
    QHBoxLayout *upperRow(QVBoxLayout *rows, int frameId);
    QWidget *makeUpperRows();
    // A group box of the fields' caption and edit rows, top to bottom.
    QGroupBox *rowGroup(
        int groupId, std::initializer_list<SmtpField> fields, QGridLayout **grid = nullptr);
    QWidget *makeSenderGroup();
    QWidget *makeRecipientsGroup();
    QWidget *makeButtons();
    void bindEdits();

    // The texts between the exchange's copies and the form's values.
    void pullTexts();
    void pushTexts();
    // Take in every edit and move the texts into the form's values.
    bool takeInAll();
    // Show the form's values in every edit.
    void showAllFields();
    void fillChoiceLists(const std::vector<std::string_view> &countries,
        const std::vector<std::string_view> &operators);
    void applyMode();

    void onTextEdited();
    void onPicturesPerDayEdited();
    void onListActivated(int id, int index);

    const SmtpFormVariant &m_variant;
    SmtpFormPlacement m_placement;
    SmtpFormValues m_values;
    // The texts as the field exchange holds them; node-stable, since the
    // exchange keeps pointers.
    std::map<SmtpField, QString> m_texts;
    QHash<int, QComboBox *> m_lists;
    QHash<int, QLineEdit *> m_edits;
    QPushButton *m_testMailButton = nullptr;
    TestMailRun *m_testMail = nullptr;
};

} // namespace marrowby
