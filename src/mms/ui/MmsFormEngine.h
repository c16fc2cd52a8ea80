#pragma once

#include "camera/CameraRecord.h"
#include "dialog/FormBase.h"
#include "mms/MmsFormRules.h"
#include "mms/MmsFormVariant.h"

#include <QString>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace marrowby {

// Ids shared by both MMS forms (the SMS remote-control row's ids are the
// variant's, the edits' and their labels' ids are in their rows).
namespace MmsId {
inline constexpr int Generate = 1;
inline constexpr int Exit = 2;
inline constexpr int ModeLabel = 1039;
inline constexpr int StatusLabel = 1040;
inline constexpr int Mode = 1041;
inline constexpr int Status = 1042;
inline constexpr int CountryLabel = 1043;
inline constexpr int OperatorLabel = 1044;
inline constexpr int Country = 1045;
inline constexpr int Operator = 1046;
inline constexpr int ConnectionType = 1056;
inline constexpr int Select = 1057;
inline constexpr int MmsGroup = 1058;
inline constexpr int PhoneType = 1060;
inline constexpr int UnlimitedNote = 1075;
inline constexpr int RemoteControlGroup = 1083; // K600 form only
inline constexpr int Hour = 1085;
} // namespace MmsId

// The one MMS form engine: builds either MMS form from its variant and carries
// out the shared rules. Every list and edit handler runs its rule on the form's
// state and hands the reaction to carryOut(), the one place that applies it to
// the controls.
class MmsFormEngine : public FormBase {
    Q_OBJECT
public:
    const MmsFormVariant &variant() const { return m_variant; }
    // The values of the last take-in or rule.
    const MmsFormState &state() const { return m_state; }

    // Shows settings read from a card's setup.dat in every control (see
    // mmsFormValues): the lists, the edits, which edits take typing. In Auto
    // mode the preset's texts stay out of the edits. The folder stays.
    void showSettings(const MmsSettings &settings);

    inspect::FileKind fileKind() const override { return inspect::FileKind::Setup; }
    void showFileSettings(const FileSettings &settings) override { showSettings(settings.mms); }

protected:
    MmsFormEngine(MmsFormVariant variant, const FormContext &context, QWidget *parent = nullptr);

    std::optional<Refusal> validate() override;
    void writeGenerated() override;
    FileSettings collectFileSettings() override;

private:
    void build();
    QWidget *makeModeGroup();
    QWidget *makeRemoteControlGroup();
    QWidget *makeOperatorGroup();
    QWidget *makeSettingsGroup();
    QWidget *makeButtons();
    QLineEdit *textEdit(MmsEdit edit);
    QLabel *label(int id, const i18n::CaptionTable &caption);
    // The label that names an edit, from the edit's row.
    QLabel *editLabel(MmsEdit edit);
    QComboBox *list(int id);
    void bindFields();

    void onListActivated(int id, int position);
    void onEdited(MmsEdit edit);
    void carryOut(const MmsReaction &reaction);
    void takeInAll();
    void showFields();
    void readEdits();
    void applyEditable();
    void fillLists();
    void fillOperators();
    static void fill(QComboBox *list, const std::vector<std::string_view> &entries, int selected);
    QString phone1Check(const QString &phone1) const;
    RecordContext recordContext() const;

    MmsFormVariant m_variant;
    MmsFormState m_state;
    // What the field exchange binds: the ten texts and pictures per day, copied
    // into the state after every take-in and from it before every show.
    std::array<QString, kMmsTextCount> m_texts;
    int m_pictures = 0;
    std::array<QLineEdit *, kMmsTextCount> m_edits{};
    QLineEdit *m_picturesEdit = nullptr;
    QComboBox *m_mode = nullptr;
    QComboBox *m_status = nullptr;
    QComboBox *m_country = nullptr;
    QComboBox *m_operator = nullptr;
    QComboBox *m_connectionType = nullptr;
    QComboBox *m_phoneType = nullptr;
    QComboBox *m_remoteControl = nullptr;
    MmsSettings m_checked; // what validate() passed, for writeGenerated()
};

} // namespace marrowby
