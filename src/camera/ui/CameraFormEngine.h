#pragma once

#include "camera/CameraCorrection.h"
#include "camera/CameraRecord.h"
#include "camera/CameraSettings.h"
#include "camera/ClockText.h"
#include "camera/MenuFields.h"
#include "dialog/FormBase.h"
#include "i18n/TextTables.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>

#include <functional>
#include <map>
#include <variant>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace marrowby {

// Ids shared by every camera form.
namespace CameraId {
inline constexpr int Generate = 1;
inline constexpr int Exit = 2;
inline constexpr int VideoLength = 1002;
inline constexpr int IntervalValue = 1003;
inline constexpr int ModeLabel = 1004;
inline constexpr int ImageSizeLabel = 1005;
inline constexpr int VideoSizeLabel = 1006;
inline constexpr int PictureNoLabel = 1007;
inline constexpr int VideoLengthLabel = 1008;
inline constexpr int IntervalLabel = 1009;
inline constexpr int SensorLevelLabel = 1010;
inline constexpr int TimeStampLabel = 1011;
inline constexpr int Mode = 1013;
inline constexpr int ImageSize = 1014;
inline constexpr int VideoSize = 1015;
inline constexpr int PictureNo = 1016;
inline constexpr int TimerStartHour = 1017;
inline constexpr int SetClockLabel = 1018;
inline constexpr int TimerLabel = 1019;
inline constexpr int TimeLapseLabel = 1020;
inline constexpr int SerialLabel = 1021;
inline constexpr int TimerStartMinute = 1022;
inline constexpr int TimerStopHour = 1023;
inline constexpr int TimerStopMinute = 1024;
inline constexpr int TimerList = 1025;
inline constexpr int TimeStamp = 1026;
inline constexpr int SensorLevel = 1027;
inline constexpr int IntervalUnit = 1029;
inline constexpr int ClockText = 1030;
inline constexpr int GetTime = 1031;
inline constexpr int SerialList = 1032;
inline constexpr int TimeLapseList = 1033;
inline constexpr std::array<int, 4> SerialCharacters = {1034, 1035, 1036, 1037};
inline constexpr int TimeLapseHour = 1038;
inline constexpr int TimeLapseMinute = 1039;
inline constexpr int TimeLapseSecond = 1040;
inline constexpr int DateFormatLabel = 1043;
inline constexpr int DateFormat = 1044;
inline constexpr int Select = 1057;
inline constexpr int TimerStartLabel = 1059;
inline constexpr int TimerStopLabel = 1060;
inline constexpr int Timer2StartLabel = 1061;
inline constexpr int Default = 1062;
inline constexpr int Timer2StopLabel = 1063;
inline constexpr int Folder = 1064;
inline constexpr std::array<int, 3> TimeLapseColumnLabels = {1126, 1127, 1128};
inline constexpr int SecondsLabel = 1144;
// Take-in order markers for the two text fields.
inline constexpr int ClockTextField = -1;
inline constexpr int FolderField = -2;
} // namespace CameraId

// One entry of an option table used as a caption (the K500's short column heads).
struct OptionEntry {
    const i18n::OptionTable *table = nullptr;
    int entry = 0;
};

using CaptionSource
    = std::variant<const i18n::CaptionTable *, const i18n::CaptionObjectTable *, OptionEntry>;
using OptionSource = std::variant<const i18n::OptionTable *, QStringList>;

// Where a cell stands on the form.
enum class CellPlacement {
    Grid,        // the two-column block at the top, two cells per row
    LeftColumn,  // one below the other under the block
    RightColumn, // beside the left column, below the row groups
};

// A camera form described as data: which cells, edits and groups it has, the
// order in which it takes its edits in, what each list starts and resets to, and
// how its values reach the record.
struct CameraFormDescription {
    struct Cell {
        int frameId = 0; // 0: no id
        int labelId = 0;
        CaptionSource caption{};
        int listId = 0;
        OptionSource options{};
        int initial = 0;
        int factory = 0;
        int editId = 0;        // a number or text edit after the list (or alone)
        int suffixLabelId = 0; // a unit label after the edit
        CaptionSource suffixCaption{};
        bool visible = true;
        bool keepOnDefault = false; // Default leaves the list's selection as it is
        CellPlacement placement = CellPlacement::Grid;
        bool enabled = true;                   // false: shown, but label and list cannot be used
        MenuField field = MenuField::None;     // what the list shows
        MenuField editField = MenuField::None; // what the edit shows
    };
    struct Number {
        int id = 0;
        int minimum = 0;
        int maximum = 0;
        int initial = 0;
        int factory = 0;
        Correction correction = Correction::None;
        bool keepOnDefault = false; // Default leaves the value as it is
        // Degrees: its minutes and seconds edits; minutes or seconds: its degrees edit.
        QList<int> linked{};
    };
    // A text edit that is never taken in: the form reads its text straight from
    // the control when it builds a record (the K100 wireless password).
    struct Text {
        int id = 0;
        int maxLength = 0;
        bool digitsOnly = false;
        QString initial;
        QString factory;
    };
    // A list that makes edits read-only or lists disabled while it stands on `offIndex`.
    struct Switch {
        int listId = 0;
        int offIndex = 0;
        QList<int> edits;
        QList<int> lists;
        bool takesIn = true; // false: a change only switches, nothing is taken in or shown
    };
    // A framed group of edit rows under column heads: a caption in the corner,
    // heads above the list column and each edit column, and per row a label, a
    // list and edits (the K500 coordinate).
    struct RowGroup {
        int labelId = 0;
        CaptionSource caption{};
        QList<int> headIds; // above the list, then above each edit
        QList<CaptionSource> heads;
        struct Row {
            int labelId = 0;
            CaptionSource caption{};
            int listId = 0;
            OptionSource options{};
            int initial = 0;
            int factory = 0;
            QList<int> editIds;
            MenuField field = MenuField::None;
            QList<MenuField> editFields;
        };
        QList<Row> rows;
    };
    // A timer group: caption, on/off list, Start/Stop labels, Hour/Minute column
    // labels and the four edits (start hour, start minute, stop hour, stop minute).
    struct TimerGroup {
        int labelId = 0;
        const i18n::CaptionTable *caption = nullptr;
        int listId = 0;
        int startLabelId = 0;
        int stopLabelId = 0;
        std::array<int, 4> columnLabelIds{};
        std::array<int, 4> editIds{};
        MenuField onOff = MenuField::None;
        std::array<MenuField, 4> times{};
    };

    MenuLayout layout = MenuLayout::Standard; // its family's bytes are what Generate writes
    QList<Cell> cells;         // option cells in reading order, each in its placement
    QList<RowGroup> rowGroups; // at the top of the right column, beside the left column
    QList<Number> numbers;
    QList<Text> texts;
    QList<int> takeInOrder; // edit ids, with the clock text and folder markers
    QList<TimerGroup> timers;
    QList<Switch> switches;
    QList<int> takeInLists; // lists whose change takes the edits in
    // Settings a form always collects as the same value (a sensor it lacks).
    QList<std::pair<MenuField, int>> fixedValues;
    // Serial number: label, on/off list, four character lists.
    int serialLabelId = 0;
    int serialListId = 0;
    std::array<int, 4> serialCharacterIds{};
    // Time lapse: label, list, the three column labels and edits.
    int timeLapseLabelId = 0;
    int timeLapseListId = 0;
    std::array<int, 3> timeLapseColumnLabelIds{};
    std::array<int, 3> timeLapseEditIds{};

    // The clock text: read-only, or typed by the user and read at Generate in
    // the Date Format's order (a text that is not a real date and time refuses
    // Generate). `clockOrder` is the Date Format order of the text when the form
    // is made.
    bool clockEditable = false;
    int clockOrder = 0;

    const i18n::Message *generatedMessage = nullptr;
    const i18n::Message *factoryMessage = nullptr;
    // What Default writes: a record of the reset form, or the fixed factory
    // marker record. Either way Default ends with Date Format on "MMDDYY".
    enum class FactoryRecord {
        ResetForm,
        FixedMarker,
    };
    FactoryRecord factoryRecord = FactoryRecord::ResetForm;
};

// The number of the Date Format list every Default ends on ("MMDDYY").
inline constexpr int kDefaultDateFormat = 1;

// The one camera form engine: builds a form from its description and runs the
// take-in, correction, get-time, generate and default behaviour that all camera
// forms share. The description names the setting each control stands for, so
// the form is filled from settings and collected into them from it alone.
// Families supply the description and may refuse a Generate through validate().
class CameraFormEngine : public FormBase {
    Q_OBJECT
public:
    // The value of a numeric edit, or of a list's selection.
    int number(int editId) const;
    int selection(int listId) const;
    // The text a text edit shows (such edits are never taken in).
    QString editText(int editId) const;
    QString clockText() const { return m_clockText; }

    QComboBox *list(int id) const { return m_lists.value(id); }
    QLineEdit *edit(int id) const { return m_edits.value(id); }

    // Presses of the buttons, as the user would (generate() and chooseFolder()
    // come from the form base).
    void writeFactorySettings();
    void getTime();

    // Copies the form into the settings and the layout's extra values (the
    // clock aside).
    void collect(CameraSettings &settings, MenuExtras &extras) const;
    // Shows these settings: selects every list, fills every edit and applies
    // the switches again. The clock keeps its value; only its text follows the
    // Date Format shown.
    void showSettings(const CameraSettings &settings, const MenuExtras &extras);

    inspect::FileKind fileKind() const override { return inspect::FileKind::Menu; }
    void showFileSettings(const FileSettings &settings) override;

protected:
    // `state` is the camera settings and clock the form reads and writes (the
    // program's shared camera state; a test may hand its own).
    CameraFormEngine(CameraFormDescription description, const FormContext &context,
        CameraState &state, QWidget *parent = nullptr);

    // Builds the window; call from the family's constructor.
    void build();

    // A typed clock that is not a real date and time refuses Generate.
    std::optional<Refusal> validate() override;
    void writeGenerated() override;
    FileSettings collectFileSettings() override;
    RecordContext recordContext() const;
    // The menu record of the collected settings, in the description's bytes.
    ConfigRecord menuRecord(const MenuExtras &extras) const;

private:
    QWidget *makeCell(const CameraFormDescription::Cell &cell);
    QLineEdit *numberEdit(int id);
    QLineEdit *textEdit(const CameraFormDescription::Text &field);
    QWidget *makeRowGroup(const CameraFormDescription::RowGroup &group);
    // Places the cells of the two columns below the grid's rows.
    void placeColumns(QGridLayout *cells, int firstRow);
    void applyCorrection(int id, const CameraFormDescription::Number &field, int unit);
    // What each control stands for, lists and edits alike.
    struct Binding {
        int id = 0;
        MenuField field = MenuField::None;
        enum class Kind {
            List,
            Number,
            Text
        } kind = Kind::List;
    };
    void bindControls();
    // The clock the clock edit's text gives in the Date Format's order.
    ClockTextReading typedClock() const;
    QLabel *labelFor(int id, const CaptionSource &caption);
    QComboBox *listFor(int id, const OptionSource &options);
    QWidget *makeClockGroup();
    QWidget *makeTimerGroup(const CameraFormDescription::TimerGroup &timer);
    QWidget *makeSerialGroup();
    QWidget *makeTimeLapseGroup();
    QWidget *makeButtons();
    QLabel *colon();

    void onNumberEdited(int id);
    void onListActivated(int id);
    void applySwitches();
    void readClock();
    QString formatClock(int dateFormat) const;
    // A change of the Date Format (Default's included): the clock keeps its
    // value and its text is shown again in the new order. A typed clock is
    // read in the order it was typed in.
    void showClockInOrder(int dateFormat);
    bool writeRecord(const ConfigRecord &record, const i18n::Message &success);

    CameraFormDescription m_description;
    CameraState &m_state;
    QHash<int, QComboBox *> m_lists;
    QHash<int, QLineEdit *> m_edits;
    std::map<int, int> m_numbers; // node-stable: the field exchange keeps pointers
    QHash<int, CameraFormDescription::Number> m_numberFields;
    QList<Binding> m_bindings;
    QString m_clockText;
    int m_clockTextOrder = 0; // the Date Format order m_clockText is in
};

} // namespace marrowby
