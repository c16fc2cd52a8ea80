#include "camera/ui/CameraFormEngine.h"

#include "app/AppState.h"
#include "camera/ClockText.h"
#include "dialog/FormColours.h"
#include "dialog/UiServices.h"
#include "records/RecordFile.h"
#include "shell/ModelCatalogue.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace marrowby {

namespace {

QString captionOf(const CaptionSource &caption)
{
    if (const auto *table = std::get_if<const i18n::CaptionTable *>(&caption))
        return *table ? captionText(**table) : QString();
    if (const auto *object = std::get_if<const i18n::CaptionObjectTable *>(&caption))
        return *object ? captionText(**object) : QString();
    const OptionEntry entry = std::get<OptionEntry>(caption);
    return entry.table ? optionTexts(*entry.table).value(entry.entry) : QString();
}

QStringList optionsOf(const OptionSource &options)
{
    if (const auto *table = std::get_if<const i18n::OptionTable *>(&options))
        return *table ? optionTexts(**table) : QStringList();
    return std::get<QStringList>(options);
}

QLabel *colon(QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral(":"), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

CameraFormEngine::CameraFormEngine(CameraFormDescription description, QWidget *parent)
    : FormWindow(parent)
    , m_description(std::move(description))
{
    for (const CameraFormDescription::Number &field : m_description.numbers) {
        m_numbers[field.id] = field.initial;
        m_numberFields.insert(field.id, field);
    }
    // The clock of the moment the form is made, year first whatever the Date
    // Format list will show.
    readClock();
    m_clockText = formatClock(m_description.clockOrder);
    m_folder = defaultOutputFolder();
}

int CameraFormEngine::number(int editId) const
{
    const auto it = m_numbers.find(editId);
    return it == m_numbers.end() ? 0 : it->second;
}

QString CameraFormEngine::text(int editId) const
{
    const QLineEdit *edit = m_edits.value(editId);
    return edit ? edit->text() : QString();
}

int CameraFormEngine::selection(int listId) const
{
    const QComboBox *combo = m_lists.value(listId);
    return combo ? combo->currentIndex() : -1;
}

QLabel *CameraFormEngine::makeLabel(int id, const CaptionSource &caption)
{
    auto *label = new QLabel(captionOf(caption), this);
    if (id)
        label->setObjectName(QString::number(id));
    return label;
}

QComboBox *CameraFormEngine::makeList(int id, const OptionSource &options)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(QString::number(id));
    combo->addItems(optionsOf(options));
    m_lists.insert(id, combo);
    connect(combo, &QComboBox::activated, this, [this, id] { onListActivated(id); });
    return combo;
}

QLineEdit *CameraFormEngine::makeNumberEdit(int id)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::number(id));
    edit->setAlignment(Qt::AlignCenter);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setMaximumWidth(48);
    m_edits.insert(id, edit);
    connect(edit, &QLineEdit::textEdited, this, [this, id] { onNumberEdited(id); });
    return edit;
}

QWidget *CameraFormEngine::makeCell(const CameraFormDescription::Cell &cell)
{
    auto *frame = new QFrame(this);
    if (cell.frameId)
        frame->setObjectName(QString::number(cell.frameId));
    frame->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(makeLabel(cell.labelId, cell.caption), 1);
    if (cell.listId)
        layout->addWidget(makeList(cell.listId, cell.options));
    if (cell.editId) {
        const auto text = std::find_if(m_description.texts.cbegin(), m_description.texts.cend(),
            [&cell](const auto &field) { return field.id == cell.editId; });
        layout->addWidget(
            text != m_description.texts.cend() ? makeTextEdit(*text) : makeNumberEdit(cell.editId));
    }
    if (cell.suffixLabelId)
        layout->addWidget(makeLabel(cell.suffixLabelId, cell.suffixCaption));
    frame->setVisible(cell.visible);
    if (!cell.enabled) {
        // Shown as it stands, but neither its caption nor its list can be used.
        for (QWidget *child : frame->findChildren<QWidget *>())
            child->setEnabled(false);
    }
    return frame;
}

QWidget *CameraFormEngine::makeClockGroup()
{
    auto *group = new QGroupBox(this);
    auto *layout = new QHBoxLayout(group);
    layout->addWidget(makeLabel(1018, &i18n::camera::SetClock));
    auto *clock = new QLineEdit(this);
    clock->setObjectName(QString::number(CameraId::ClockText));
    clock->setAlignment(Qt::AlignCenter);
    setEditReadOnly(clock, !m_description.clockEditable);
    m_edits.insert(CameraId::ClockText, clock);
    layout->addWidget(clock, 1);
    auto *getTimeButton = new QPushButton(captionText(i18n::camera::GetTime), this);
    getTimeButton->setObjectName(QString::number(CameraId::GetTime));
    getTimeButton->setAutoDefault(false);
    connect(getTimeButton, &QPushButton::clicked, this, &CameraFormEngine::getTime);
    layout->addWidget(getTimeButton);
    return group;
}

QWidget *CameraFormEngine::makeTimerGroup(const CameraFormDescription::TimerGroup &timer)
{
    auto *group = new QGroupBox(this);
    auto *grid = new QGridLayout(group);
    grid->addWidget(makeLabel(timer.labelId, timer.caption), 0, 0, 2, 1);
    grid->addWidget(makeList(timer.listId, &i18n::camera::OffOnOptions), 0, 1, 2, 1);
    // Start  [hour] : [minute]    Stop  [hour] : [minute]
    const std::array<const i18n::CaptionTable *, 2> columns
        = {&i18n::camera::Hour, &i18n::camera::Minute};
    for (int half = 0; half < 2; ++half) {
        const int column = 2 + half * 4;
        grid->addWidget(makeLabel(half == 0 ? timer.startLabelId : timer.stopLabelId,
                            half == 0 ? &i18n::camera::Start : &i18n::camera::Stop),
            1, column);
        for (int part = 0; part < 2; ++part) {
            const int index = half * 2 + part;
            auto *label = makeLabel(timer.columnLabelIds[static_cast<std::size_t>(index)],
                columns[static_cast<std::size_t>(part)]);
            label->setAlignment(Qt::AlignCenter);
            grid->addWidget(label, 0, column + 1 + part * 2);
            grid->addWidget(makeNumberEdit(timer.editIds[static_cast<std::size_t>(index)]), 1,
                column + 1 + part * 2);
        }
        grid->addWidget(colon(this), 1, column + 2);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget *CameraFormEngine::makeSerialGroup()
{
    auto *group = new QGroupBox(this);
    auto *layout = new QHBoxLayout(group);
    layout->addWidget(makeLabel(m_description.serialLabelId, &i18n::camera::SerialNo));
    layout->addWidget(makeList(m_description.serialListId, &i18n::camera::OffOnOptions));
    QStringList characters;
    for (char c = '0'; c <= '9'; ++c)
        characters << QString(QChar(c));
    for (char c = 'A'; c <= 'Z'; ++c)
        characters << QString(QChar(c));
    for (int id : m_description.serialCharacterIds)
        layout->addWidget(makeList(id, characters));
    return group;
}

QWidget *CameraFormEngine::makeTimeLapseGroup()
{
    auto *group = new QGroupBox(this);
    auto *grid = new QGridLayout(group);
    grid->addWidget(
        makeLabel(m_description.timeLapseLabelId, &i18n::camera::TimeLapse), 0, 0, 2, 1);
    grid->addWidget(
        makeList(m_description.timeLapseListId, &i18n::camera::OnOffOptions), 0, 1, 2, 1);
    const std::array<const i18n::CaptionTable *, 3> columns
        = {&i18n::camera::Hour, &i18n::camera::Minute, &i18n::camera::Second};
    for (std::size_t i = 0; i < 3; ++i) {
        auto *label = makeLabel(m_description.timeLapseColumnLabelIds[i], columns[i]);
        label->setAlignment(Qt::AlignCenter);
        const int column = 2 + static_cast<int>(i) * 2;
        grid->addWidget(label, 0, column);
        grid->addWidget(makeNumberEdit(m_description.timeLapseEditIds[i]), 1, column);
        if (i < 2)
            grid->addWidget(colon(this), 1, column + 1);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget *CameraFormEngine::makeFolderRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *select = new QPushButton(captionText(i18n::shared::Select), this);
    select->setObjectName(QString::number(CameraId::Select));
    select->setAutoDefault(false);
    connect(select, &QPushButton::clicked, this, &CameraFormEngine::chooseFolder);
    auto *folder = new QLineEdit(this);
    folder->setObjectName(QString::number(CameraId::Folder));
    // Typing is limited to 80 characters; a longer folder from the chooser is
    // shown whole and refused when the form is read.
    folder->setMaxLength(80);
    m_edits.insert(CameraId::Folder, folder);
    layout->addWidget(select);
    layout->addWidget(folder, 1);
    return row;
}

QWidget *CameraFormEngine::makeButtonRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *generateButton = new QPushButton(captionText(i18n::shared::Generate), this);
    generateButton->setObjectName(QString::number(CameraId::Generate));
    generateButton->setDefault(true);
    auto *defaultButton = new QPushButton(captionText(i18n::camera::Default), this);
    defaultButton->setObjectName(QString::number(CameraId::Default));
    defaultButton->setAutoDefault(false);
    auto *exitButton = new QPushButton(captionText(i18n::shared::Exit), this);
    exitButton->setObjectName(QString::number(CameraId::Exit));
    exitButton->setAutoDefault(false);
    connect(generateButton, &QPushButton::clicked, this, &CameraFormEngine::generate);
    connect(defaultButton, &QPushButton::clicked, this, &CameraFormEngine::writeFactorySettings);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(generateButton);
    layout->addWidget(defaultButton);
    layout->addWidget(exitButton);
    return row;
}

void CameraFormEngine::build()
{
    setWindowTitle(qtText(ModelCatalogue::formTitle(appState().ModelIndex)));

    auto *layout = new QVBoxLayout(this);
    auto *cells = new QGridLayout;
    int index = 0;
    for (const CameraFormDescription::Cell &cell : m_description.cells) {
        if (cell.placement != CellPlacement::Grid)
            continue;
        cells->addWidget(makeCell(cell), index / 2, index % 2);
        ++index;
    }
    layout->addLayout(cells);
    if (QLayout *columns = makeColumns())
        layout->addLayout(columns);
    layout->addWidget(makeClockGroup());
    for (const CameraFormDescription::TimerGroup &timer : m_description.timers)
        layout->addWidget(makeTimerGroup(timer));
    layout->addWidget(makeSerialGroup());
    layout->addWidget(makeTimeLapseGroup());
    layout->addWidget(makeFolderRow());
    layout->addWidget(makeButtonRow());

    for (const CameraFormDescription::Cell &cell : m_description.cells) {
        if (QComboBox *combo = m_lists.value(cell.listId))
            combo->setCurrentIndex(cell.initial);
    }
    for (const CameraFormDescription::RowGroup &group : m_description.rowGroups) {
        for (const CameraFormDescription::RowGroup::Row &row : group.rows)
            m_lists.value(row.listId)->setCurrentIndex(row.initial);
    }
    for (int id : m_description.serialCharacterIds)
        m_lists.value(id)->setCurrentIndex(0);
    for (const CameraFormDescription::TimerGroup &timer : m_description.timers)
        m_lists.value(timer.listId)->setCurrentIndex(0);
    m_lists.value(m_description.serialListId)->setCurrentIndex(0);
    m_lists.value(m_description.timeLapseListId)->setCurrentIndex(1); // "Off"

    for (int id : m_description.takeInOrder) {
        if (id == CameraId::ClockTextField)
            m_exchange.addText(m_edits.value(CameraId::ClockText), &m_clockText, 0);
        else if (id == CameraId::FolderField)
            m_exchange.addText(m_edits.value(CameraId::Folder), &m_folder, 80);
        else if (const auto field = m_numberFields.find(id); field != m_numberFields.end())
            m_exchange.addNumber(m_edits.value(id), &m_numbers[id], field->minimum, field->maximum);
    }

    finishBuilding();
    applySwitches();
    showAll();
}

bool CameraFormEngine::takeIn()
{
    return m_exchange.takeIn();
}

void CameraFormEngine::showAll()
{
    m_exchange.show();
}

void CameraFormEngine::applySwitches()
{
    for (const CameraFormDescription::Switch &sw : m_description.switches) {
        const bool off = selection(sw.listId) == sw.offIndex;
        for (int id : sw.edits)
            setEditReadOnly(m_edits.value(id), off);
        for (int id : sw.lists)
            m_lists.value(id)->setEnabled(!off);
    }
}

void CameraFormEngine::onNumberEdited(int id)
{
    const int unit = selection(CameraId::IntervalUnit);
    takeIn();
    applyCorrection(id, m_numberFields.value(id), unit);
}

void CameraFormEngine::applyCorrection(int id, const CameraFormDescription::Number &field, int unit)
{
    int &value = m_numbers[id];
    const int before = value;
    bool linkedChanged = false;
    switch (field.correction) {
    case Correction::VideoLength:
        if (value > 60 || value == 0)
            value = 10;
        break;
    case Correction::Hour:
        if (value > 23)
            value = 0;
        break;
    case Correction::MinuteSecond:
        if (value > 59)
            value = 0;
        break;
    case Correction::Interval:
        if (unit == 1 && (value == 0 || value > 60))
            value = 1;
        else if (unit == 0 && value > 60)
            value = 1;
        break;
    case Correction::Degrees:
        if (value > field.maximum)
            value = field.maximum;
        else if (value < 0)
            value = 0;
        if (value == field.maximum) {
            for (int linked : field.linked) {
                linkedChanged = linkedChanged || m_numbers[linked] != 0;
                m_numbers[linked] = 0;
            }
        }
        break;
    case Correction::ArcMinuteSecond: {
        const int degreesId = field.linked.value(0);
        if (number(degreesId) == m_numberFields.value(degreesId).maximum) {
            if (value > 0)
                value = 0;
        } else if (value > 59) {
            value = 59;
        }
        break;
    }
    case Correction::None:
        break;
    }
    // Only a corrected value is shown again: an edit the user left empty keeps
    // its empty text (and keeps failing every take-in) until a number is typed.
    if (value != before || linkedChanged)
        showAll();
}

void CameraFormEngine::onListActivated(int id)
{
    if (id == CameraId::DateFormat) {
        getTime();
        return;
    }
    if (id == CameraId::IntervalUnit) {
        const int unit = selection(id);
        takeIn();
        int &value = m_numbers[CameraId::IntervalValue];
        if (unit == 1 && value == 0) {
            value = 1;
            showAll();
        }
        return;
    }
    const auto sw = std::find_if(m_description.switches.cbegin(), m_description.switches.cend(),
        [id](const auto &candidate) { return candidate.listId == id; });
    if (sw != m_description.switches.cend() && !sw->takesIn) {
        applySwitches();
    } else if (sw != m_description.switches.cend()) {
        takeIn();
        applySwitches();
        showAll();
    } else if (m_description.takeInLists.contains(id)) {
        takeIn();
    }
}

void CameraFormEngine::readClock()
{
    const QDateTime now = Clock::now();
    const QDate date = now.date();
    const QTime time = now.time();
    CameraClock &clock = cameraState().clock;
    clock.Year = correctFetchedYear(date.year());
    clock.Month = date.month();
    clock.Day = date.day();
    clock.Hour = time.hour();
    clock.Minute = time.minute();
    clock.Second = time.second();
}

QString CameraFormEngine::formatClock(int dateFormat) const
{
    const CameraClock &c = cameraState().clock;
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    const QString time = QStringLiteral("%1:%2:%3").arg(two(c.Hour), two(c.Minute), two(c.Second));
    switch (dateFormat) {
    case 1:
        return QStringLiteral("%1/%2/%3 ")
                   .arg(two(c.Month), two(c.Day))
                   .arg(c.Year, 4, 10, QLatin1Char('0'))
            + time;
    case 2:
        return QStringLiteral("%1/%2/%3 ")
                   .arg(two(c.Day), two(c.Month))
                   .arg(c.Year, 4, 10, QLatin1Char('0'))
            + time;
    default:
        return QStringLiteral("%1/%2/%3 ").arg(c.Year).arg(two(c.Month), two(c.Day)) + time;
    }
}

void CameraFormEngine::getTime()
{
    const int dateFormat = selection(CameraId::DateFormat);
    readClock();
    if (dateFormat >= 0)
        m_clockText = formatClock(dateFormat);
    showAll();
}

void CameraFormEngine::chooseFolder()
{
    const QString chosen = FolderChooser::choose();
    if (!chosen.isEmpty())
        m_folder = chosen;
    else if (!FolderChooser::lastWasCancelled())
        m_folder = defaultOutputFolder(); // an item without a file-system path
    showAll();
}

bool CameraFormEngine::takeInFolderEdit()
{
    return m_exchange.takeIn(m_edits.value(CameraId::Folder));
}

bool CameraFormEngine::writeRecord(const ConfigRecord &record, const i18n::Message &success)
{
    const WriteResult result = writeMenuFile(m_folder.toStdString(), record);
    if (!result) {
        QString text = messageText(i18n::shared::WriteFailed);
        text.replace(QStringLiteral("%1"), QString::fromStdString(result.path));
        text.replace(QStringLiteral("%2"), QString::fromStdString(result.reason));
        MessageBoxes::failure(text);
        return false;
    }
    NoticeBox(messageText(success));
    return true;
}

void CameraFormEngine::generate()
{
    if (!takeInFolderEdit())
        return;
    if (m_description.clockEditable && !readTypedClock())
        return;
    CameraState &state = cameraState();
    MenuExtras extras;
    extras.dateFormat = selection(CameraId::DateFormat);
    collect(state.settings, extras);
    collectClock(state.clock, state.settings);
    const AppState &app = appState();
    writeRecord(buildMenuRecord(m_description.layout, state.settings, extras,
                    {app.cameraLanguageByte(), app.tvModeByte()}),
        *m_description.generatedMessage);
}

void CameraFormEngine::writeFactorySettings()
{
    if (!takeInFolderEdit())
        return;
    takeIn();

    for (const CameraFormDescription::Cell &cell : m_description.cells) {
        QComboBox *combo = m_lists.value(cell.listId);
        if (combo && cell.factory >= 0)
            combo->setCurrentIndex(cell.factory);
    }
    for (const CameraFormDescription::RowGroup &group : m_description.rowGroups) {
        for (const CameraFormDescription::RowGroup::Row &row : group.rows)
            m_lists.value(row.listId)->setCurrentIndex(row.factory);
    }
    for (const CameraFormDescription::Text &field : m_description.texts)
        m_edits.value(field.id)->setText(field.factory);
    for (const CameraFormDescription::TimerGroup &timer : m_description.timers)
        m_lists.value(timer.listId)->setCurrentIndex(0);
    m_lists.value(m_description.serialListId)->setCurrentIndex(0);
    for (int id : m_description.serialCharacterIds)
        m_lists.value(id)->setCurrentIndex(0);
    m_lists.value(m_description.timeLapseListId)->setCurrentIndex(1);
    for (const CameraFormDescription::Number &field : m_description.numbers)
        m_numbers[field.id] = field.factory;
    applySwitches();
    showAll();

    const AppState &app = appState();
    const RecordContext context{app.cameraLanguageByte(), app.tvModeByte()};
    ConfigRecord record;
    if (m_description.factoryDateFormat >= 0) {
        if (QComboBox *dateFormat = m_lists.value(CameraId::DateFormat))
            dateFormat->setCurrentIndex(m_description.factoryDateFormat);
        CameraState &state = cameraState();
        MenuExtras extras;
        extras.dateFormat = m_description.factoryDateFormat;
        collect(state.settings, extras);
        collectClock(state.clock, state.settings);
        record = buildMenuRecord(m_description.layout, state.settings, extras, context);
    } else {
        record = buildFactoryMarkerRecord();
    }
    writeRecord(record, *m_description.factoryMessage);
}

QLineEdit *CameraFormEngine::makeTextEdit(const CameraFormDescription::Text &field)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::number(field.id));
    edit->setAlignment(Qt::AlignCenter);
    if (field.digitsOnly) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
    if (field.maxLength > 0)
        edit->setMaxLength(field.maxLength);
    edit->setText(field.initial);
    edit->setMaximumWidth(64);
    m_edits.insert(field.id, edit);
    return edit;
}

QWidget *CameraFormEngine::makeRowGroup(const CameraFormDescription::RowGroup &group)
{
    auto *box = new QGroupBox(this);
    auto *grid = new QGridLayout(box);
    grid->addWidget(makeLabel(group.labelId, group.caption), 0, 0);
    for (qsizetype i = 0; i < group.heads.size(); ++i) {
        auto *head = makeLabel(group.headIds.value(i), group.heads[i]);
        head->setAlignment(Qt::AlignCenter);
        grid->addWidget(head, 0, 1 + static_cast<int>(i));
    }
    int line = 1;
    for (const CameraFormDescription::RowGroup::Row &row : group.rows) {
        grid->addWidget(makeLabel(row.labelId, row.caption), line, 0);
        grid->addWidget(makeList(row.listId, row.options), line, 1);
        int column = 2;
        for (int id : row.editIds)
            grid->addWidget(makeNumberEdit(id), line, column++);
        ++line;
    }
    return box;
}

QLayout *CameraFormEngine::makeColumns()
{
    const auto placed = [this](CellPlacement placement) {
        return std::any_of(m_description.cells.cbegin(), m_description.cells.cend(),
            [placement](const auto &cell) { return cell.placement == placement; });
    };
    if (!placed(CellPlacement::LeftColumn) && !placed(CellPlacement::RightColumn)
        && m_description.rowGroups.isEmpty())
        return nullptr;
    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    for (const CameraFormDescription::RowGroup &group : m_description.rowGroups)
        right->addWidget(makeRowGroup(group));
    for (const CameraFormDescription::Cell &cell : m_description.cells) {
        if (cell.placement == CellPlacement::LeftColumn)
            left->addWidget(makeCell(cell));
        else if (cell.placement == CellPlacement::RightColumn)
            right->addWidget(makeCell(cell));
    }
    left->addStretch(1);
    right->addStretch(1);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    return columns;
}

bool CameraFormEngine::readTypedClock()
{
    const int dateFormat = selection(CameraId::DateFormat);
    QLineEdit *clockEdit = m_edits.value(CameraId::ClockText);
    const ClockTextReading reading
        = readClockText(clockEdit->text().toStdString(), dateFormat, cameraState().clock);
    if (reading.verdict != ClockTextVerdict::Possible) {
        QString message = messageText(i18n::camera::ClockTextInvalid);
        message.replace(QStringLiteral("%1"), qtText(clockTextPattern(dateFormat)));
        NoticeBox(message);
        clockEdit->setFocus();
        clockEdit->selectAll();
        return false;
    }
    cameraState().clock = reading.clock;
    return true;
}

} // namespace marrowby
