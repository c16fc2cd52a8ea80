#include "smtp/ui/SmtpFormEngine.h"

#include "catalogue/ModelCatalogue.h"
#include "dialog/FormColours.h"
#include "dialog/Texts.h"
#include "i18n/MailTexts.h"
#include "mail/TestMailWords.h"
#include "operators/CountryOperatorLists.h"
#include "smtp/SmtpFormRules.h"
#include "smtp/ui/TestMailRun.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace marrowby {

namespace {

// Labels with the same id on both forms.
namespace LabelId {
inline constexpr int Hour = 1085;
inline constexpr int Mode = 1086;
inline constexpr int Unlimited = 1090;
inline constexpr int Country = 1091;
inline constexpr int Operator = 1092;
inline constexpr int SenderGroup = 1104;
inline constexpr int RecipientsGroup = 1105;
} // namespace LabelId

QStringList qtTexts(const std::vector<std::string_view> &texts)
{
    QStringList list;
    for (std::string_view text : texts)
        list << qtText(text);
    return list;
}

} // namespace

SmtpFormEngine::SmtpFormEngine(const SmtpFormVariant &variant, const SmtpFormPlacement &placement,
    const FormContext &context, QWidget *parent)
    : FormBase(context, parent)
    , m_variant(variant)
    , m_placement(placement)
{
    for (const SmtpEdit &e : m_variant.edits) {
        if (e.value)
            m_texts[e.field] = QString();
    }
    build();
}

QString SmtpFormEngine::caption(int id) const
{
    for (const SmtpCaption &c : m_variant.captions) {
        if (c.id == id)
            return c.table ? text(*c.table) : qtText(c.fixedText);
    }
    return {};
}

QLabel *SmtpFormEngine::label(int id)
{
    return makeLabel(id, caption(id));
}

QComboBox *SmtpFormEngine::makeSmtpList(int id, const QStringList &entries)
{
    QComboBox *combo = makeList(id, entries);
    m_lists.insert(id, combo);
    connect(
        combo, &QComboBox::activated, this, [this, id](int index) { onListActivated(id, index); });
    return combo;
}

QHBoxLayout *SmtpFormEngine::upperRow(QVBoxLayout *rows, int frameId)
{
    QGroupBox *frame = makeGroup(frameId, caption(frameId));
    auto *row = new QHBoxLayout(frame);
    row->setContentsMargins(8, 4, 8, 4);
    rows->addWidget(frame);
    return row;
}

QWidget *SmtpFormEngine::makeUpperRows()
{
    const int language = context().languageIndex;
    const SmtpChoiceLists start = smtpStartLists(language);
    auto *rows = new QWidget(this);
    auto *layout = new QVBoxLayout(rows);
    layout->setContentsMargins(0, 0, 0, 0);

    QHBoxLayout *mode = upperRow(layout, m_placement.modeFrame);
    mode->addWidget(label(LabelId::Mode));
    mode->addWidget(makeSmtpList(SmtpId::ModeList, texts(i18n::smtp::ModeOptions)));
    if (m_variant.hasStatusList()) {
        mode->addSpacing(16);
        mode->addWidget(label(m_placement.statusLabel));
        mode->addWidget(makeSmtpList(m_variant.statusListId, texts(i18n::smtp::StatusOptions)));
    }
    mode->addStretch(1);

    QHBoxLayout *pictures = upperRow(layout, m_placement.picturesFrame);
    QLineEdit *picturesEdit = makeNumberEdit(SmtpId::PicturesPerDay);
    picturesEdit->setMaximumWidth(48);
    m_edits.insert(SmtpId::PicturesPerDay, picturesEdit);
    connect(picturesEdit, &QLineEdit::textEdited, this, &SmtpFormEngine::onPicturesPerDayEdited);
    pictures->addWidget(label(m_variant.edit(SmtpField::PicturesPerDay)->labelId));
    pictures->addWidget(picturesEdit);
    pictures->addWidget(label(LabelId::Unlimited));
    pictures->addStretch(1);

    QHBoxLayout *country = upperRow(layout, m_placement.countryFrame);
    country->addWidget(label(LabelId::Country));
    country->addWidget(makeSmtpList(SmtpId::CountryList, qtTexts(start.countries)));
    country->addSpacing(16);
    country->addWidget(label(LabelId::Operator));
    country->addWidget(makeSmtpList(SmtpId::OperatorList, qtTexts(start.operators)), 1);

    QHBoxLayout *sms = upperRow(layout, m_placement.smsRemoteFrame);
    sms->addWidget(label(m_placement.smsRemoteLabel));
    sms->addWidget(makeSmtpList(m_variant.smsListId, qtTexts(smsRemoteControlEntries(language))));
    sms->addWidget(label(LabelId::Hour));
    sms->addStretch(1);
    return rows;
}

QGroupBox *SmtpFormEngine::rowGroup(
    int groupId, std::initializer_list<SmtpField> fields, QGridLayout **gridOut)
{
    QGroupBox *group = makeGroup(groupId, caption(groupId));
    auto *grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(0, 110);
    int row = 0;
    for (const SmtpField field : fields) {
        const SmtpEdit *e = m_variant.edit(field);
        grid->addWidget(label(e->labelId), row, 0);
        grid->addWidget(m_edits.value(e->id), row, 1);
        ++row;
    }
    if (gridOut)
        *gridOut = grid;
    return group;
}

QWidget *SmtpFormEngine::makeSenderGroup()
{
    QGridLayout *grid = nullptr;
    QGroupBox *group = rowGroup(LabelId::SenderGroup,
        {SmtpField::SmtpServer, SmtpField::Port, SmtpField::SenderEmail, SmtpField::SenderPassword},
        &grid);
    // Below the sender's rows, under the edits: it tries exactly them.
    m_testMailButton = makeButton(0, text(i18n::mail::SendTestMail));
    m_testMailButton->setObjectName(QStringLiteral("sendTestMail"));
    connect(m_testMailButton, &QPushButton::clicked, this, &SmtpFormEngine::sendTestMail);
    grid->addWidget(m_testMailButton, grid->rowCount(), 1, Qt::AlignLeft);
    return group;
}

void SmtpFormEngine::sendTestMail()
{
    if (m_testMail)
        return; // one at a time
    const std::optional<FileSettings> checked = checkedSettings();
    if (!checked)
        return; // refused as Generate refuses, and nothing sent
    const SmtpSettings &settings = checked->smtp;
    const int language = context().languageIndex;
    mail::TestMailRequest request;
    request.server = settings.smtpServer;
    request.port = settings.port;
    request.sender = settings.senderEmail;
    request.userName = mail::senderUserName(settings.senderEmail);
    request.password = settings.senderPassword;
    request.recipient = settings.recipientEmail;
    mail::fillTestMessage(request, language);

    m_testMail = new TestMailRun(this, services(), std::move(request), language);
    m_testMailButton->setEnabled(false);
    connect(m_testMail, &TestMailRun::finished, this, [this] {
        m_testMail->deleteLater();
        m_testMail = nullptr;
        m_testMailButton->setEnabled(true);
        m_testMailButton->setFocus(Qt::OtherFocusReason);
        emit testMailFinished();
    });
    m_testMail->start();
}

QWidget *SmtpFormEngine::makeRecipientsGroup()
{
    QGridLayout *grid = nullptr;
    QGroupBox *group = rowGroup(LabelId::RecipientsGroup, {SmtpField::Email1}, &grid);
    // The K600 form's Email 2 to Email 5 rows exist but are never shown; a
    // hidden row takes no room, so no gap remains where they were.
    int row = 1;
    for (const SmtpEdit &e : m_variant.edits) {
        if (e.visible)
            continue;
        QLabel *hiddenLabel = label(e.labelId);
        grid->addWidget(hiddenLabel, row, 0);
        hiddenLabel->hide();
        QLineEdit *edit = m_edits.value(e.id);
        grid->addWidget(edit, row, 1);
        edit->hide();
        ++row;
    }
    return group;
}

QWidget *SmtpFormEngine::makeButtons()
{
    QPushButton *generateButton = makeButton(SmtpId::Generate, caption(SmtpId::Generate));
    QPushButton *exitButton = makeButton(SmtpId::Exit, caption(SmtpId::Exit));
    connect(generateButton, &QPushButton::clicked, this, &SmtpFormEngine::generate);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    return makeButtonRow({generateButton, exitButton});
}

void SmtpFormEngine::build()
{
    setObjectName(QString::number(m_variant.dialogId));
    setWindowTitle(qtText(ModelCatalogue::formTitle(context().modelIndex)));

    // The text edits, made first so each group can place its own; the folder
    // edit comes with the folder row.
    for (const SmtpEdit &e : m_variant.edits) {
        if (!e.value)
            continue;
        QLineEdit *edit = makeEdit(e.id, e.maxLength);
        if (e.masked)
            edit->setEchoMode(QLineEdit::Password);
        m_edits.insert(e.id, edit);
        connect(edit, &QLineEdit::textEdited, this, &SmtpFormEngine::onTextEdited);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(makeUpperRows());
    layout->addWidget(rowGroup(
        m_placement.gprsGroup, {SmtpField::Apn, SmtpField::Account, SmtpField::GprsPassword}));
    layout->addWidget(makeSenderGroup());
    layout->addWidget(makeRecipientsGroup());
    layout->addWidget(rowGroup(m_placement.smsGroup, {SmtpField::PhoneNumber}));
    layout->addWidget(makeFolderRow(SmtpId::Select, SmtpId::Folder, 0)); // no length limit
    layout->addWidget(makeButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (auto *folder = control<QLineEdit>(this, SmtpId::Folder)) {
        m_edits.insert(SmtpId::Folder, folder);
        folder->setMinimumWidth(260);
        connect(folder, &QLineEdit::textEdited, this, &SmtpFormEngine::onTextEdited);
    }

    if (m_variant.hasStatusList())
        m_lists.value(m_variant.statusListId)->setCurrentIndex(m_values.smtpStatus);
    m_lists.value(m_variant.smsListId)->setCurrentIndex(m_values.smsRemoteControl);

    bindEdits();
    finishBuilding();
    applyMode();
    showAllFields();
}

void SmtpFormEngine::bindEdits()
{
    for (const SmtpEdit &e : m_variant.edits) {
        if (e.field == SmtpField::Folder)
            addFolderField();
        else if (e.field == SmtpField::PicturesPerDay)
            exchange().addNumber(m_edits.value(e.id), &m_values.picturesPerDay,
                kPicturesPerDayMinimum, kPicturesPerDayMaximum,
                FieldExchange::RangeMessage::Framework);
        else
            exchange().addText(m_edits.value(e.id), &m_texts[e.field], e.maxLength);
    }
}

void SmtpFormEngine::pullTexts()
{
    for (const auto &[field, shown] : m_texts)
        *m_variant.edit(field)->value(m_values) = shown.toStdString();
}

void SmtpFormEngine::pushTexts()
{
    for (auto &[field, shown] : m_texts)
        shown = QString::fromStdString(*m_variant.edit(field)->value(m_values));
}

bool SmtpFormEngine::takeInAll()
{
    const bool ok = takeIn();
    pullTexts();
    return ok;
}

void SmtpFormEngine::showAllFields()
{
    pushTexts();
    showAll();
}

void SmtpFormEngine::fillChoiceLists(
    const std::vector<std::string_view> &countries, const std::vector<std::string_view> &operators)
{
    QComboBox *countryList = m_lists.value(SmtpId::CountryList);
    countryList->clear();
    countryList->addItems(qtTexts(countries));
    countryList->setCurrentIndex(m_values.country);
    QComboBox *operatorList = m_lists.value(SmtpId::OperatorList);
    operatorList->clear();
    operatorList->addItems(qtTexts(operators));
    operatorList->setCurrentIndex(m_values.operatorIndex);
}

void SmtpFormEngine::showSettings(const SmtpSettings &settings)
{
    m_values = smtpFormValues(m_variant, settings);
    m_lists.value(SmtpId::ModeList)->setCurrentIndex(m_values.mode);
    if (m_variant.hasStatusList())
        m_lists.value(m_variant.statusListId)->setCurrentIndex(m_values.smtpStatus);
    m_lists.value(m_variant.smsListId)->setCurrentIndex(m_values.smsRemoteControl);
    const SmtpChoiceLists lists = smtpValueLists(m_values, context().languageIndex);
    fillChoiceLists(lists.countries, lists.operators);
    applyMode();
    showAllFields();
}

void SmtpFormEngine::applyMode()
{
    const bool editable = gprsTextsEditable(m_values.mode);
    for (const SmtpEdit &e : m_variant.edits) {
        if (e.fromPreset)
            setEditReadOnly(m_edits.value(e.id), !editable);
    }
}

void SmtpFormEngine::onTextEdited()
{
    takeInAll();
}

void SmtpFormEngine::onPicturesPerDayEdited()
{
    takeInAll();
    const int corrected = correctPicturesPerDay(m_values.picturesPerDay);
    // Only a corrected value is shown again, so the other edits keep what the
    // user typed even when an earlier field failed its take-in.
    if (corrected != m_values.picturesPerDay) {
        m_values.picturesPerDay = corrected;
        showAllFields();
    }
}

void SmtpFormEngine::onListActivated(int id, int index)
{
    if (id == SmtpId::ModeList) {
        takeInAll();
        // Re-picking the current mode changes nothing.
        if (!changeSmtpMode(m_values, index))
            return;
        const SmtpChoiceLists lists = smtpModeLists(index, context().languageIndex);
        fillChoiceLists(lists.countries, lists.operators);
        applyMode();
        showAllFields();
    } else if (id == SmtpId::CountryList) {
        if (const auto operators = changeSmtpCountry(m_values, index)) {
            QComboBox *operatorList = m_lists.value(SmtpId::OperatorList);
            operatorList->clear();
            operatorList->addItems(qtTexts(*operators));
            operatorList->setCurrentIndex(m_values.operatorIndex);
        }
    } else if (id == SmtpId::OperatorList) {
        changeSmtpOperator(m_values, index);
    } else if (id == m_variant.statusListId) {
        m_values.smtpStatus = index;
    } else if (id == m_variant.smsListId) {
        m_values.smsRemoteControl = index;
    }
}

std::optional<FormBase::Refusal> SmtpFormEngine::validate()
{
    // Generate has just taken every edit in.
    pullTexts();
    const std::optional<SmtpCheckFailure> failure = firstFailingCheck(m_variant, m_values);
    if (!failure)
        return std::nullopt;
    // An incomplete preset is the operator's: its settings are not typed in Auto mode.
    QWidget *focus = failure->preset ? static_cast<QWidget *>(m_lists.value(SmtpId::OperatorList))
                                     : m_edits.value(m_variant.fieldId(failure->field));
    return Refusal{qtText(smtpRefusalText(m_variant, *failure, context().languageIndex)), focus};
}

FileSettings SmtpFormEngine::collectFileSettings()
{
    FileSettings file;
    file.kind = inspect::FileKind::Smtp;
    file.model = context().modelIndex;
    file.context = {context().cameraLanguage, context().tvMode};
    file.smtp = collectSmtpSettings(m_variant, m_values, context().cameraLanguage);
    return file;
}

void SmtpFormEngine::writeGenerated()
{
    reportWrite(writeSmtpFile(folderPath(), collectFileSettings().smtp, m_variant.layout),
        text(i18n::smtp::FileGenerated));
}

} // namespace marrowby
