#include "mms/ui/MmsFormEngine.h"

#include "catalogue/ModelCatalogue.h"
#include "dialog/FormColours.h"
#include "dialog/Texts.h"
#include "mms/MmsRecordFile.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace marrowby {

namespace {

constexpr std::size_t index(MmsEdit edit)
{
    return static_cast<std::size_t>(edit);
}

} // namespace

MmsFormEngine::MmsFormEngine(MmsFormVariant variant, const FormContext &context, QWidget *parent)
    : FormBase(context, parent)
    , m_variant(variant)
    , m_state(startMmsForm())
{
    build();
}

QLabel *MmsFormEngine::label(int id, const i18n::CaptionTable &caption)
{
    return makeLabel(id, text(caption));
}

QLabel *MmsFormEngine::editLabel(MmsEdit edit)
{
    return label(mmsEditRow(edit).labelId, *mmsEditCaption(m_variant, edit));
}

QComboBox *MmsFormEngine::list(int id)
{
    QComboBox *combo = makeList(id, {});
    // A list reacts to the user's choice only; the rules ignore an entry picked again.
    connect(combo, &QComboBox::activated, this,
        [this, id](int position) { onListActivated(id, position); });
    return combo;
}

QLineEdit *MmsFormEngine::textEdit(MmsEdit edit)
{
    QLineEdit *field = makeEdit(mmsEditId(edit), mmsEditMaxLength(m_variant, edit));
    m_edits[index(edit)] = field;
    connect(field, &QLineEdit::textEdited, this, [this, edit] { onEdited(edit); });
    return field;
}

// MMS Mode and MMS Status, pictures per day and (on the standard form) the SMS
// remote control, framed as "MMS".
QWidget *MmsFormEngine::makeModeGroup()
{
    QGroupBox *group = makeGroup(MmsId::MmsGroup, text(i18n::mms::Mms));
    auto *grid = new QGridLayout(group);
    grid->addWidget(label(MmsId::ModeLabel, i18n::mms::MmsMode), 0, 0);
    m_mode = list(MmsId::Mode);
    grid->addWidget(m_mode, 0, 1);
    grid->addWidget(label(MmsId::StatusLabel, i18n::mms::MmsStatus), 0, 2);
    m_status = list(MmsId::Status);
    grid->addWidget(m_status, 0, 3);

    grid->addWidget(editLabel(MmsEdit::PicturesPerDay), 1, 0);
    m_picturesEdit = makeNumberEdit(mmsEditId(MmsEdit::PicturesPerDay));
    m_picturesEdit->setMaximumWidth(48);
    connect(m_picturesEdit, &QLineEdit::textEdited, this,
        [this] { onEdited(MmsEdit::PicturesPerDay); });
    grid->addWidget(m_picturesEdit, 1, 1, Qt::AlignLeft);
    grid->addWidget(label(MmsId::UnlimitedNote, i18n::mmssmtp::NoteUnlimited), 1, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

// The SMS remote-control row: "SMS Remote Control", the hours and "Off", "Hour".
// The K600 form frames it in a group of its own.
QWidget *MmsFormEngine::makeRemoteControlGroup()
{
    QGroupBox *group
        = makeGroup(m_variant.kind == MmsFormKind::K600 ? MmsId::RemoteControlGroup : 0);
    auto *row = new QHBoxLayout(group);
    row->addWidget(label(m_variant.smsRemoteControlLabelId, i18n::mmssmtp::SmsRemoteControl));
    m_remoteControl = list(m_variant.smsRemoteControlListId);
    row->addWidget(m_remoteControl);
    row->addWidget(label(MmsId::Hour, i18n::mmssmtp::Hour));
    row->addStretch(1);
    return group;
}

QWidget *MmsFormEngine::makeOperatorGroup()
{
    QGroupBox *group = makeGroup();
    auto *grid = new QGridLayout(group);
    grid->addWidget(label(MmsId::CountryLabel, i18n::mmssmtp::Country), 0, 0);
    m_country = list(MmsId::Country);
    grid->addWidget(m_country, 0, 1);
    grid->addWidget(label(MmsId::OperatorLabel, i18n::mmssmtp::Operator), 0, 2);
    m_operator = list(MmsId::Operator);
    grid->addWidget(m_operator, 0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

// The operator's settings and the recipients, one row each; the connection-type
// list stands where the access point's label would be, the phone-type list
// after phone 1.
QWidget *MmsFormEngine::makeSettingsGroup()
{
    QGroupBox *group = makeGroup();
    auto *grid = new QGridLayout(group);
    int row = 0;
    const auto addRow = [&](QWidget *front, MmsEdit edit) {
        grid->addWidget(front, row, 0);
        grid->addWidget(textEdit(edit), row, 1, 1, 2);
        ++row;
    };
    const auto addLabelledRow = [&](MmsEdit edit) { addRow(editLabel(edit), edit); };
    addLabelledRow(MmsEdit::Url);
    // Wide enough for a typical MMS centre address whatever the language's captions.
    m_edits[index(MmsEdit::Url)]->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    m_connectionType = list(MmsId::ConnectionType);
    addRow(m_connectionType, MmsEdit::Apn);
    // No caption on screen for either: the list is named for screen readers, and
    // the edit beside it by the list's entry ("APN" or "CSD").
    nameControl(m_connectionType, text(i18n::mms::ConnectionType));
    QLineEdit *apn = m_edits[index(MmsEdit::Apn)];
    connect(m_connectionType, &QComboBox::currentTextChanged, apn, &QWidget::setAccessibleName);
    addLabelledRow(MmsEdit::Gateway);
    addLabelledRow(MmsEdit::Port);

    // Phone 1 with the phone-type list; on the phone-or-e-mail variant the list
    // is absent and phone 1 is as wide as the e-mail edit.
    grid->addWidget(editLabel(MmsEdit::Phone1), row, 0);
    QLineEdit *phone1 = textEdit(MmsEdit::Phone1);
    m_phoneType = list(MmsId::PhoneType);
    if (m_variant.phoneOrEmail) {
        grid->addWidget(phone1, row, 1, 1, 2);
        m_phoneType->hide();
    } else {
        grid->addWidget(phone1, row, 1);
        grid->addWidget(m_phoneType, row, 2);
    }
    ++row;
    for (const MmsEdit edit :
        {MmsEdit::Email, MmsEdit::Account, MmsEdit::Password, MmsEdit::Phone2, MmsEdit::Phone3})
        addLabelledRow(edit);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget *MmsFormEngine::makeButtons()
{
    QPushButton *generateButton = makeButton(MmsId::Generate, text(i18n::shared::Generate), true);
    QPushButton *exitButton = makeButton(MmsId::Exit, text(i18n::shared::Exit));
    connect(generateButton, &QPushButton::clicked, this, &MmsFormEngine::generate);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    return makeButtonRow({generateButton, exitButton});
}

void MmsFormEngine::bindFields()
{
    for (const MmsEdit edit : kMmsTakeInOrder) {
        switch (edit) {
        case MmsEdit::Folder:
            addFolderField();
            break;
        case MmsEdit::PicturesPerDay:
            exchange().addNumber(m_picturesEdit, &m_pictures, 0, 99);
            break;
        case MmsEdit::Phone1:
            exchange().addText(m_edits[index(edit)], &m_texts[index(edit)],
                mmsEditMaxLength(m_variant, edit),
                [this](const QString &phone1) { return phone1Check(phone1); });
            break;
        default:
            exchange().addText(
                m_edits[index(edit)], &m_texts[index(edit)], mmsEditMaxLength(m_variant, edit));
            break;
        }
    }
}

void MmsFormEngine::build()
{
    setObjectName(QString::number(m_variant.dialogId));
    setWindowTitle(qtText(ModelCatalogue::formTitle(context().modelIndex)));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(makeModeGroup());
    layout->addWidget(makeRemoteControlGroup());
    layout->addWidget(makeOperatorGroup());
    layout->addWidget(makeSettingsGroup());
    layout->addWidget(makeFolderRow(
        MmsId::Select, mmsEditId(MmsEdit::Folder), mmsEditMaxLength(m_variant, MmsEdit::Folder)));
    layout->addWidget(makeButtons());
    // The folder is chosen with Select only.
    setEditReadOnly(control<QLineEdit>(this, mmsEditId(MmsEdit::Folder)), true);

    const int language = context().languageIndex;
    fill(m_mode, i18n::options(i18n::mms::ModeOptions, language), m_state.values.mode);
    fill(m_status, mmsStatusEntries(m_variant, language), m_state.values.status);
    fill(m_phoneType, i18n::options(i18n::mms::PhoneTypeOptions, language),
        m_state.values.international ? 1 : 0);
    fill(m_remoteControl, smsRemoteControlEntries(language), m_state.values.smsRemoteControl);
    fillLists();

    bindFields();
    finishBuilding();
    applyEditable();
    showFields();
}

void MmsFormEngine::showSettings(const MmsSettings &settings)
{
    m_state = mmsFormState(m_variant, mmsFormValues(m_variant, settings));
    const MmsFormValues &values = m_state.values;
    m_mode->setCurrentIndex(values.mode);
    m_status->setCurrentIndex(values.status);
    m_phoneType->setCurrentIndex(values.international ? 1 : 0);
    m_remoteControl->setCurrentIndex(values.smsRemoteControl);
    fillLists();
    applyEditable();
    showFields();
}

void MmsFormEngine::fill(
    QComboBox *list, const std::vector<std::string_view> &entries, int selected)
{
    const QSignalBlocker blocker(list);
    list->clear();
    for (const std::string_view entry : entries)
        list->addItem(qtText(entry));
    list->setCurrentIndex(selected);
}

void MmsFormEngine::fillLists()
{
    const MmsFormValues &values = m_state.values;
    const int language = context().languageIndex;
    fill(m_country, mmsCountryEntries(values, language), values.choice.country);
    fillOperators();
    fill(m_connectionType, mmsConnectionTypeEntries(values), values.connectionType);
    m_edits[index(MmsEdit::Apn)]->setAccessibleName(m_connectionType->currentText());
}

void MmsFormEngine::fillOperators()
{
    const MmsFormValues &values = m_state.values;
    fill(m_operator, mmsOperatorEntries(values, context().languageIndex), values.choice.op);
}

void MmsFormEngine::applyEditable()
{
    for (std::size_t i = 0; i < kMmsTextCount; ++i)
        setEditReadOnly(m_edits[i], !m_state.editable.editable(static_cast<MmsEdit>(i)));
}

void MmsFormEngine::readEdits()
{
    for (std::size_t i = 0; i < kMmsTextCount; ++i)
        m_state.values.setText(static_cast<MmsEdit>(i), m_texts[i].toStdString());
    m_state.values.picturesPerDay = m_pictures;
}

void MmsFormEngine::takeInAll()
{
    // A failing field has shown its message and ended the pass; the fields read
    // before it count, the later ones keep their values.
    takeIn();
    readEdits();
}

void MmsFormEngine::showFields()
{
    for (std::size_t i = 0; i < kMmsTextCount; ++i)
        m_texts[i] = QString::fromStdString(m_state.values.text(static_cast<MmsEdit>(i)));
    m_pictures = m_state.values.picturesPerDay;
    showAll();
}

QString MmsFormEngine::phone1Check(const QString &phone1) const
{
    MmsFormValues values = m_state.values;
    values.phone1 = phone1.toStdString();
    const int limit = mmsPhone1OverLimit(m_variant, values);
    if (limit == 0)
        return {};
    QString message = text(i18n::mms::PhoneDigitLimit);
    message.replace(QLatin1String("%d"), QString::number(limit));
    return message;
}

void MmsFormEngine::onListActivated(int id, int position)
{
    MmsReaction reaction;
    if (id == MmsId::Mode)
        reaction = changeMmsMode(m_variant, m_state, position);
    else if (id == MmsId::Status)
        reaction = changeMmsStatus(m_variant, m_state, position);
    else if (id == MmsId::Country)
        reaction = changeMmsCountry(m_state, position);
    else if (id == MmsId::Operator)
        reaction = changeMmsOperator(m_state, position);
    else if (id == MmsId::ConnectionType)
        reaction = changeMmsConnectionType(m_state, position);
    else if (id == MmsId::PhoneType)
        reaction = changeMmsPhoneType(m_state, position);
    else if (id == m_variant.smsRemoteControlListId)
        reaction = changeMmsRemoteControl(m_state, position);
    carryOut(reaction);
}

void MmsFormEngine::onEdited(MmsEdit edit)
{
    // Four edits have a rule of their own after all fields are taken in; every
    // other edit only takes them in.
    MmsReaction reaction{MmsReaction::Fields::TakeIn};
    switch (edit) {
    case MmsEdit::Phone1:
        takeInAll();
        reaction = mmsPhone1Changed(m_variant, m_state);
        break;
    case MmsEdit::Email:
        takeInAll();
        reaction = mmsEmailChanged(m_variant, m_state);
        break;
    case MmsEdit::Phone2:
        takeInAll();
        reaction = mmsPhone2Changed(m_state);
        break;
    case MmsEdit::PicturesPerDay:
        takeInAll();
        reaction = mmsPicturesPerDayChanged(m_state);
        break;
    default:
        break;
    }
    carryOut(reaction);
}

// The one place a rule's reaction reaches the controls: which edits accept
// typing, the lists, the notice, then taking in or showing all fields.
void MmsFormEngine::carryOut(const MmsReaction &reaction)
{
    applyEditable();
    if (reaction.refillLists)
        fillLists();
    else if (reaction.refillOperators)
        fillOperators();
    if (reaction.notice)
        services().notice(text(*reaction.notice));
    switch (reaction.fields) {
    case MmsReaction::Fields::TakeIn:
        takeInAll();
        break;
    case MmsReaction::Fields::Show:
        showFields();
        break;
    case MmsReaction::Fields::Keep:
        break;
    }
}

RecordContext MmsFormEngine::recordContext() const
{
    return {context().cameraLanguage, context().tvMode};
}

std::optional<FormBase::Refusal> MmsFormEngine::validate()
{
    // Generate has just taken every edit in.
    readEdits();
    const MmsGenerate prepared = prepareMmsGenerate(m_variant, m_state.values, recordContext());
    if (prepared.failure) {
        const MmsCheckFailure &failure = *prepared.failure;
        QWidget *focus = nullptr;
        if (failure.preset)
            focus = m_operator; // the operator's settings are not typed in Auto mode
        else if (index(failure.focus) < kMmsTextCount)
            focus = m_edits[index(failure.focus)];
        return Refusal{qtText(mmsRefusalText(failure, context().languageIndex)), focus};
    }
    m_checked = prepared.settings;
    return std::nullopt;
}

FileSettings MmsFormEngine::collectFileSettings()
{
    FileSettings file;
    file.kind = inspect::FileKind::Setup;
    file.model = context().modelIndex;
    file.context = recordContext();
    file.mms = m_checked;
    return file;
}

void MmsFormEngine::writeGenerated()
{
    reportWrite(writeMmsFile(folderPath(), m_checked), text(i18n::mms::FileGenerated));
}

} // namespace marrowby
