#include "camera/ui/CameraFormEngine.h"

#include "catalogue/ModelCatalogue.h"
#include "dialog/FormColours.h"
#include "dialog/Texts.h"
#include "records/RecordFile.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace marrowby {

CameraFormEngine::CameraFormEngine(CameraFormDescription description, const FormContext &context,
    CameraState &state, QWidget *parent)
    : FormBase(context, parent)
    , m_description(std::move(description))
    , m_state(state)
{
    for (const CameraFormDescription::Number &field : m_description.numbers) {
        m_numbers[field.id] = field.initial;
        m_numberFields.insert(field.id, field);
    }
    // The clock of the moment the form is made, in the order the description
    // names (year first on most forms, whatever the Date Format list will show).
    readClock();
    m_clockText = formatClock(m_description.clockOrder);
    m_clockTextOrder = m_description.clockOrder;
    bindControls();
}

void CameraFormEngine::bindControls()
{
    using Kind = Binding::Kind;
    const auto isText = [this](int id) {
        return std::any_of(m_description.texts.cbegin(), m_description.texts.cend(),
            [id](const auto &field) { return field.id == id; });
    };
    for (const CameraFormDescription::Cell &cell : m_description.cells) {
        if (cell.listId && cell.field != MenuField::None)
            m_bindings.append({cell.listId, cell.field, Kind::List});
        if (cell.editId && cell.editField != MenuField::None)
            m_bindings.append(
                {cell.editId, cell.editField, isText(cell.editId) ? Kind::Text : Kind::Number});
    }
    for (const CameraFormDescription::RowGroup &group : m_description.rowGroups) {
        for (const CameraFormDescription::RowGroup::Row &row : group.rows) {
            m_bindings.append({row.listId, row.field, Kind::List});
            for (qsizetype i = 0; i < row.editIds.size(); ++i)
                m_bindings.append({row.editIds[i], row.editFields.value(i), Kind::Number});
        }
    }
    for (const CameraFormDescription::TimerGroup &timer : m_description.timers) {
        m_bindings.append({timer.listId, timer.onOff, Kind::List});
        for (std::size_t i = 0; i < timer.editIds.size(); ++i)
            m_bindings.append({timer.editIds[i], timer.times[i], Kind::Number});
    }
    m_bindings.append({m_description.timeLapseListId, MenuField::TimeLapse, Kind::List});
    const std::array<MenuField, 3> timeLapse
        = {MenuField::TimeLapseHour, MenuField::TimeLapseMinute, MenuField::TimeLapseSecond};
    for (std::size_t i = 0; i < timeLapse.size(); ++i)
        m_bindings.append({m_description.timeLapseEditIds[i], timeLapse[i], Kind::Number});
    m_bindings.append({m_description.serialListId, MenuField::SerialNo, Kind::List});
    const std::array<MenuField, 4> serial = {MenuField::SerialDigit1, MenuField::SerialDigit2,
        MenuField::SerialDigit3, MenuField::SerialDigit4};
    for (std::size_t i = 0; i < serial.size(); ++i)
        m_bindings.append({m_description.serialCharacterIds[i], serial[i], Kind::List});
}

void CameraFormEngine::collect(CameraSettings &settings, MenuExtras &extras) const
{
    const int unit = selection(CameraId::IntervalUnit);
    for (const Binding &binding : m_bindings) {
        switch (binding.kind) {
        case Binding::Kind::List:
            keepShownValue(binding.field, selection(binding.id), settings, extras, unit);
            break;
        case Binding::Kind::Number:
            keepShownValue(binding.field, number(binding.id), settings, extras, unit);
            break;
        case Binding::Kind::Text:
            // The wireless password is the one text a form collects.
            extras.wirelessPassword = wirelessPasswordDigits(editText(binding.id).toStdString());
            break;
        }
    }
    for (const auto &[field, value] : m_description.fixedValues)
        keepShownValue(field, value, settings, extras, unit);
}

void CameraFormEngine::showSettings(const CameraSettings &settings, const MenuExtras &extras)
{
    // The clock stays as the edit shows it, typed or not.
    m_clockText = editText(CameraId::ClockText);
    for (const Binding &binding : m_bindings) {
        switch (binding.kind) {
        case Binding::Kind::List:
            m_lists.value(binding.id)->setCurrentIndex(shownValue(binding.field, settings, extras));
            break;
        case Binding::Kind::Number:
            m_numbers[binding.id] = shownValue(binding.field, settings, extras);
            break;
        case Binding::Kind::Text:
            m_edits.value(binding.id)
                ->setText(QString::fromStdString(wirelessPasswordText(extras.wirelessPassword)));
            break;
        }
    }
    applySwitches();
    showClockInOrder(selection(CameraId::DateFormat));
    showAll();
}

int CameraFormEngine::number(int editId) const
{
    const auto it = m_numbers.find(editId);
    return it == m_numbers.end() ? 0 : it->second;
}

QString CameraFormEngine::editText(int editId) const
{
    const QLineEdit *edit = m_edits.value(editId);
    return edit ? edit->text() : QString();
}

int CameraFormEngine::selection(int listId) const
{
    const QComboBox *combo = m_lists.value(listId);
    return combo ? combo->currentIndex() : -1;
}

QLabel *CameraFormEngine::labelFor(int id, const CaptionSource &caption)
{
    QString shown;
    if (const auto *table = std::get_if<const i18n::CaptionTable *>(&caption))
        shown = *table ? text(**table) : QString();
    else if (const auto *object = std::get_if<const i18n::CaptionObjectTable *>(&caption))
        shown = *object ? text(**object) : QString();
    else if (const OptionEntry entry = std::get<OptionEntry>(caption); entry.table)
        shown = texts(*entry.table).value(entry.entry);
    return makeLabel(id, shown);
}

QComboBox *CameraFormEngine::listFor(int id, const OptionSource &options)
{
    const auto *table = std::get_if<const i18n::OptionTable *>(&options);
    QComboBox *combo = makeList(
        id, table ? (*table ? texts(**table) : QStringList()) : std::get<QStringList>(options));
    m_lists.insert(id, combo);
    connect(combo, &QComboBox::activated, this, [this, id] { onListActivated(id); });
    return combo;
}

QLineEdit *CameraFormEngine::numberEdit(int id)
{
    QLineEdit *edit = makeNumberEdit(id);
    edit->setMaximumWidth(48);
    m_edits.insert(id, edit);
    connect(edit, &QLineEdit::textEdited, this, [this, id] { onNumberEdited(id); });
    return edit;
}

QWidget *CameraFormEngine::makeCell(const CameraFormDescription::Cell &cell)
{
    QFrame *frame = makeFrame(cell.frameId);
    frame->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(6, 3, 6, 3);
    QLabel *label = labelFor(cell.labelId, cell.caption);
    layout->addWidget(label, 1);
    if (cell.listId) {
        QComboBox *combo = listFor(cell.listId, cell.options);
        nameControl(combo, {label});
        layout->addWidget(combo);
    }
    if (cell.editId) {
        const auto text = std::find_if(m_description.texts.cbegin(), m_description.texts.cend(),
            [&cell](const auto &field) { return field.id == cell.editId; });
        QLineEdit *edit
            = text != m_description.texts.cend() ? textEdit(*text) : numberEdit(cell.editId);
        nameControl(edit, {label});
        layout->addWidget(edit);
    }
    if (cell.suffixLabelId)
        layout->addWidget(labelFor(cell.suffixLabelId, cell.suffixCaption));
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
    QGroupBox *group = makeGroup();
    auto *layout = new QHBoxLayout(group);
    QLabel *label = labelFor(CameraId::SetClockLabel, &i18n::camera::SetClock);
    layout->addWidget(label);
    QLineEdit *clock = makeEdit(CameraId::ClockText);
    nameControl(clock, {label});
    clock->setAlignment(Qt::AlignCenter);
    setEditReadOnly(clock, !m_description.clockEditable);
    m_edits.insert(CameraId::ClockText, clock);
    layout->addWidget(clock, 1);
    QPushButton *getTimeButton = makeButton(CameraId::GetTime, text(i18n::camera::GetTime));
    connect(getTimeButton, &QPushButton::clicked, this, &CameraFormEngine::getTime);
    layout->addWidget(getTimeButton);
    return group;
}

QWidget *CameraFormEngine::makeTimerGroup(const CameraFormDescription::TimerGroup &timer)
{
    QGroupBox *group = makeGroup();
    auto *grid = new QGridLayout(group);
    QLabel *caption = labelFor(timer.labelId, timer.caption);
    grid->addWidget(caption, 0, 0, 2, 1);
    QComboBox *onOff = listFor(timer.listId, &i18n::camera::OffOnOptions);
    nameControl(onOff, {caption});
    // As wide as its entries: a wider form widens the space beside it.
    grid->addWidget(onOff, 0, 1, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    // Start  [hour] : [minute]    Stop  [hour] : [minute]
    const std::array<const i18n::CaptionTable *, 2> columns
        = {&i18n::camera::Hour, &i18n::camera::Minute};
    for (int half = 0; half < 2; ++half) {
        const int column = 2 + half * 4;
        QLabel *startStop = labelFor(half == 0 ? timer.startLabelId : timer.stopLabelId,
            half == 0 ? &i18n::camera::Start : &i18n::camera::Stop);
        grid->addWidget(startStop, 1, column);
        for (int part = 0; part < 2; ++part) {
            const int index = half * 2 + part;
            QLabel *label = labelFor(timer.columnLabelIds[static_cast<std::size_t>(index)],
                columns[static_cast<std::size_t>(part)]);
            label->setAlignment(Qt::AlignCenter);
            grid->addWidget(label, 0, column + 1 + part * 2);
            // Spoken as "Timer Start Hour".
            QLineEdit *edit = numberEdit(timer.editIds[static_cast<std::size_t>(index)]);
            nameControl(edit, {caption, startStop, label});
            grid->addWidget(edit, 1, column + 1 + part * 2);
        }
        grid->addWidget(colon(), 1, column + 2);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget *CameraFormEngine::makeSerialGroup()
{
    QGroupBox *group = makeGroup();
    auto *layout = new QHBoxLayout(group);
    QLabel *caption = labelFor(m_description.serialLabelId, &i18n::camera::SerialNo);
    layout->addWidget(caption);
    QComboBox *onOff = listFor(m_description.serialListId, &i18n::camera::OffOnOptions);
    nameControl(onOff, {caption});
    layout->addWidget(onOff);
    QStringList characters;
    for (char c = '0'; c <= '9'; ++c)
        characters << QString(QChar(c));
    for (char c = 'A'; c <= 'Z'; ++c)
        characters << QString(QChar(c));
    int position = 0;
    for (int id : m_description.serialCharacterIds) {
        // Spoken as "Serial No. 1" to "Serial No. 4".
        QComboBox *character = listFor(id, characters);
        nameControl(character, {caption}, QString::number(++position));
        layout->addWidget(character);
    }
    return group;
}

QWidget *CameraFormEngine::makeTimeLapseGroup()
{
    QGroupBox *group = makeGroup();
    auto *grid = new QGridLayout(group);
    QLabel *caption = labelFor(m_description.timeLapseLabelId, &i18n::camera::TimeLapse);
    grid->addWidget(caption, 0, 0, 2, 1);
    QComboBox *onOff = listFor(m_description.timeLapseListId, &i18n::camera::OnOffOptions);
    nameControl(onOff, {caption});
    grid->addWidget(onOff, 0, 1, 2, 1, Qt::AlignLeft); // as narrow as the timers' lists
    const std::array<const i18n::CaptionTable *, 3> columns
        = {&i18n::camera::Hour, &i18n::camera::Minute, &i18n::camera::Second};
    for (std::size_t i = 0; i < 3; ++i) {
        QLabel *label = labelFor(m_description.timeLapseColumnLabelIds[i], columns[i]);
        label->setAlignment(Qt::AlignCenter);
        const int column = 2 + static_cast<int>(i) * 2;
        grid->addWidget(label, 0, column);
        QLineEdit *edit = numberEdit(m_description.timeLapseEditIds[i]);
        nameControl(edit, {caption, label}); // "Time Lapse Hour"
        grid->addWidget(edit, 1, column);
        if (i < 2)
            grid->addWidget(colon(), 1, column + 1);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QLabel *CameraFormEngine::colon()
{
    QLabel *label = makeLabel(0, QStringLiteral(":"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QWidget *CameraFormEngine::makeButtons()
{
    QPushButton *generateButton
        = makeButton(CameraId::Generate, text(i18n::shared::Generate), true);
    QPushButton *defaultButton = makeButton(CameraId::Default, text(i18n::camera::Default));
    QPushButton *exitButton = makeButton(CameraId::Exit, text(i18n::shared::Exit));
    connect(generateButton, &QPushButton::clicked, this, &CameraFormEngine::generate);
    connect(defaultButton, &QPushButton::clicked, this, &CameraFormEngine::writeFactorySettings);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    return makeButtonRow({generateButton, defaultButton, exitButton});
}

void CameraFormEngine::build()
{
    setWindowTitle(qtText(ModelCatalogue::formTitle(context().modelIndex)));

    auto *layout = new QVBoxLayout(this);
    auto *cells = new QGridLayout;
    int index = 0;
    for (const CameraFormDescription::Cell &cell : m_description.cells) {
        if (cell.placement != CellPlacement::Grid)
            continue;
        cells->addWidget(makeCell(cell), index / 2, index % 2);
        ++index;
    }
    placeColumns(cells, (index + 1) / 2);
    layout->addLayout(cells);
    layout->addWidget(makeClockGroup());
    for (const CameraFormDescription::TimerGroup &timer : m_description.timers)
        layout->addWidget(makeTimerGroup(timer));
    layout->addWidget(makeSerialGroup());
    layout->addWidget(makeTimeLapseGroup());
    // Typing stops at 80 characters; a longer chosen folder is refused when taken in.
    layout->addWidget(makeFolderRow(CameraId::Select, CameraId::Folder, 80));
    layout->addWidget(makeButtons());

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
            exchange().addText(m_edits.value(CameraId::ClockText), &m_clockText, 0);
        else if (id == CameraId::FolderField)
            addFolderField();
        else if (const auto field = m_numberFields.find(id); field != m_numberFields.end())
            exchange().addNumber(m_edits.value(id), &m_numbers[id], field->minimum, field->maximum);
    }

    finishBuilding();
    applySwitches();
    showAll();
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
    CorrectionInputs inputs{.intervalUnit = unit, .bound = field.maximum};
    if (field.correction == Correction::ArcMinuteSecond) {
        const int degreesId = field.linked.value(0);
        inputs.bound = m_numberFields.value(degreesId).maximum;
        inputs.degrees = number(degreesId);
    }
    const CorrectedValue corrected = correctValue(field.correction, value, inputs);
    bool changed = corrected.value != value;
    value = corrected.value;
    if (corrected.clearLinked) {
        for (int linked : field.linked) {
            changed = changed || m_numbers[linked] != 0;
            m_numbers[linked] = 0;
        }
    }
    // Only a corrected value is shown again: an edit the user left empty keeps
    // its empty text (and keeps failing every take-in) until a number is typed.
    if (changed)
        showAll();
}

void CameraFormEngine::onListActivated(int id)
{
    if (id == CameraId::DateFormat) {
        showClockInOrder(selection(id));
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
    const QDateTime now = services().now();
    const QDate date = now.date();
    const QTime time = now.time();
    CameraClock &clock = m_state.clock;
    clock.Year = correctFetchedYear(date.year());
    clock.Month = date.month();
    clock.Day = date.day();
    clock.Hour = time.hour();
    clock.Minute = time.minute();
    clock.Second = time.second();
}

QString CameraFormEngine::formatClock(int dateFormat) const
{
    const CameraClock &c = m_state.clock;
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
    if (dateFormat >= 0) {
        m_clockText = formatClock(dateFormat);
        m_clockTextOrder = dateFormat;
    }
    showAll();
}

void CameraFormEngine::showClockInOrder(int dateFormat)
{
    if (dateFormat < 0 || dateFormat == m_clockTextOrder)
        return;
    if (m_description.clockEditable) {
        // The clock as typed, read in the order it was typed in. A text that
        // is no date is left as it is: Generate refuses it with its message.
        const ClockTextReading typed = readClockText(
            editText(CameraId::ClockText).toStdString(), m_clockTextOrder, m_state.clock);
        m_clockTextOrder = dateFormat;
        if (typed.verdict != ClockTextVerdict::Possible)
            return;
        m_state.clock = typed.clock;
    }
    m_clockTextOrder = dateFormat;
    m_clockText = formatClock(dateFormat);
    showAll();
}

ConfigRecord CameraFormEngine::menuRecord(const MenuExtras &extras) const
{
    return buildMenuRecord(
        menuBytes(m_description.layout), m_state.settings, extras, recordContext());
}

RecordContext CameraFormEngine::recordContext() const
{
    return {context().cameraLanguage, context().tvMode};
}

bool CameraFormEngine::writeRecord(const ConfigRecord &record, const i18n::Message &success)
{
    return reportWrite(writeMenuFile(folderPath(), record), text(success));
}

ClockTextReading CameraFormEngine::typedClock() const
{
    // What the text leaves out keeps the last clock read.
    return readClockText(editText(CameraId::ClockText).toStdString(),
        selection(CameraId::DateFormat), m_state.clock);
}

std::optional<FormBase::Refusal> CameraFormEngine::validate()
{
    if (!m_description.clockEditable || typedClock().verdict == ClockTextVerdict::Possible)
        return std::nullopt;
    const QString pattern = qtText(clockTextPattern(selection(CameraId::DateFormat)));
    return Refusal{
        text(i18n::camera::ClockTextInvalid).arg(pattern), m_edits.value(CameraId::ClockText)};
}

void CameraFormEngine::writeGenerated()
{
    if (m_description.clockEditable)
        m_state.clock = typedClock().clock; // validate() has checked it
    MenuExtras extras;
    collect(m_state.settings, extras);
    collectClock(m_state.clock, m_state.settings);
    writeRecord(menuRecord(extras), *m_description.generatedMessage);
}

void CameraFormEngine::showFileSettings(const FileSettings &settings)
{
    showSettings(settings.camera, settings.extras);
}

FileSettings CameraFormEngine::collectFileSettings()
{
    FileSettings file;
    file.kind = inspect::FileKind::Menu;
    file.model = context().modelIndex;
    file.context = recordContext();
    // What Generate writes, without changing the program's camera state.
    file.camera = m_state.settings;
    CameraClock clock = m_description.clockEditable ? typedClock().clock : m_state.clock;
    collect(file.camera, file.extras);
    collectClock(clock, file.camera);
    return file;
}

void CameraFormEngine::writeFactorySettings()
{
    // The folder and the values Default keeps must be what the form shows:
    // a failing one refuses Default before anything changes or is written.
    if (!takeInFolder())
        return;
    for (const CameraFormDescription::Number &field : m_description.numbers) {
        if (field.keepOnDefault && !exchange().takeIn(m_edits.value(field.id)))
            return;
    }
    // Asked before anything changes: No leaves the form as it was.
    if (!confirmWritePlace())
        return;
    // The take-in of every edit; a failure here does not stop Default, whose
    // reset replaces those values anyway.
    takeIn();

    for (const CameraFormDescription::Cell &cell : m_description.cells) {
        if (QComboBox *combo = m_lists.value(cell.listId); combo && !cell.keepOnDefault)
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
    for (const CameraFormDescription::Number &field : m_description.numbers) {
        if (!field.keepOnDefault)
            m_numbers[field.id] = field.factory;
    }
    // A kept interval of 0 seconds beside the unit reset to "Minute" follows the
    // unit's own rule, as if the user had switched to minutes: 0 minutes becomes 1.
    if (const auto interval = m_numbers.find(CameraId::IntervalValue); interval != m_numbers.end()
        && selection(CameraId::IntervalUnit) == 1 && interval->second == 0)
        interval->second = 1;
    applySwitches();
    showAll();

    if (QComboBox *dateFormat = m_lists.value(CameraId::DateFormat)) {
        dateFormat->setCurrentIndex(kDefaultDateFormat);
        showClockInOrder(kDefaultDateFormat);
    }
    ConfigRecord record;
    if (m_description.factoryRecord == CameraFormDescription::FactoryRecord::ResetForm) {
        MenuExtras extras;
        collect(m_state.settings, extras);
        collectClock(m_state.clock, m_state.settings);
        record = menuRecord(extras);
    } else {
        record = buildFactoryMarkerRecord();
    }
    writeRecord(record, *m_description.factoryMessage);
}

QLineEdit *CameraFormEngine::textEdit(const CameraFormDescription::Text &field)
{
    QLineEdit *edit = field.digitsOnly ? makeNumberEdit(field.id) : makeEdit(field.id);
    if (field.maxLength > 0)
        edit->setMaxLength(field.maxLength);
    edit->setText(field.initial);
    edit->setMaximumWidth(64);
    m_edits.insert(field.id, edit);
    return edit;
}

QWidget *CameraFormEngine::makeRowGroup(const CameraFormDescription::RowGroup &group)
{
    QGroupBox *box = makeGroup();
    auto *grid = new QGridLayout(box);
    grid->addWidget(labelFor(group.labelId, group.caption), 0, 0);
    for (qsizetype i = 0; i < group.heads.size(); ++i) {
        QLabel *head = labelFor(group.headIds.value(i), group.heads[i]);
        head->setAlignment(Qt::AlignCenter);
        grid->addWidget(head, 0, 1 + static_cast<int>(i));
    }
    int line = 1;
    for (const CameraFormDescription::RowGroup::Row &row : group.rows) {
        grid->addWidget(labelFor(row.labelId, row.caption), line, 0);
        grid->addWidget(listFor(row.listId, row.options), line, 1);
        int column = 2;
        for (int id : row.editIds)
            grid->addWidget(numberEdit(id), line, column++);
        ++line;
    }
    return box;
}

void CameraFormEngine::placeColumns(QGridLayout *cells, int firstRow)
{
    // The left column continues the block's left column; the row groups and the
    // right column's cells stand beside it, under the block's right column.
    int row = firstRow;
    for (const CameraFormDescription::Cell &cell : m_description.cells) {
        if (cell.placement == CellPlacement::LeftColumn)
            cells->addWidget(makeCell(cell), row++, 0);
    }
    auto *right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    for (const CameraFormDescription::RowGroup &group : m_description.rowGroups)
        right->addWidget(makeRowGroup(group));
    for (const CameraFormDescription::Cell &cell : m_description.cells) {
        if (cell.placement == CellPlacement::RightColumn)
            right->addWidget(makeCell(cell));
    }
    if (right->isEmpty()) {
        delete right;
        return;
    }
    right->addStretch(1);
    cells->addLayout(right, firstRow, 1, std::max(row - firstRow, 1), 1);
}

} // namespace marrowby
