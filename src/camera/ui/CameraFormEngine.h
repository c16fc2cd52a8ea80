#pragma once

#include "camera/CameraRecord.h"
#include "dialog/FieldExchange.h"
#include "i18n/TextTables.h"
#include "shell/ui/FormWindow.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <variant>

class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace marrowby {

// Ids shared by every camera form.
namespace CameraId {
inline constexpr int Generate = 1;
inline constexpr int Exit = 2;
inline constexpr int ClockText = 1030;
inline constexpr int GetTime = 1031;
inline constexpr int DateFormat = 1044;
inline constexpr int IntervalValue = 1003;
inline constexpr int IntervalUnit = 1029;
inline constexpr int Select = 1057;
inline constexpr int Default = 1062;
inline constexpr int Folder = 1064;
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

// What a numeric edit does with a value after a take-in.
enum class Correction {
    None,
    VideoLength,  // 0 or above 60 becomes 10
    Hour,         // above 23 becomes 0
    MinuteSecond, // above 59 becomes 0
    Interval,     // the interval rules with the unit list
    // Degrees of a geographic coordinate (longitude 0..180, latitude 0..90), linked
    // to its minutes and seconds: above the bound the degrees become the bound; at
    // the bound the minutes and seconds become 0.
    Degrees,
    // Minutes or seconds of a coordinate, linked to its degrees: at the degrees'
    // bound any value becomes 0, otherwise a value above 59 becomes 59.
    ArcMinuteSecond,
};

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
        int factory = 0;       // -1: Default keeps the selection
        int editId = 0;        // a number or text edit after the list (or alone)
        int suffixLabelId = 0; // a unit label after the edit
        CaptionSource suffixCaption{};
        bool visible = true;
        CellPlacement placement = CellPlacement::Grid;
        bool enabled = true; // false: shown, but label and list cannot be used
    };
    struct Number {
        int id = 0;
        int minimum = 0;
        int maximum = 0;
        int initial = 0;
        int factory = 0;
        Correction correction = Correction::None;
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
    };

    MenuLayout layout = MenuLayout::Standard;
    QList<Cell> cells;         // option cells in reading order, each in its placement
    QList<RowGroup> rowGroups; // at the top of the right column, beside the left column
    QList<Number> numbers;
    QList<Text> texts;
    QList<int> takeInOrder; // edit ids, with the clock text and folder markers
    QList<TimerGroup> timers;
    QList<Switch> switches;
    QList<int> takeInLists; // lists whose change takes the edits in
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
    // the Date Format's order (a text that is not a real date and time is
    // refused and nothing is written). `clockOrder` is the Date Format order of
    // the text when the form is made.
    bool clockEditable = false;
    int clockOrder = 0;

    const i18n::Message *generatedMessage = nullptr;
    const i18n::Message *factoryMessage = nullptr;
    // The Date Format position the factory record carries, or -1 when the family
    // writes the fixed marker record instead.
    int factoryDateFormat = 1;
};

// The one camera form engine: builds a form from its description and runs the
// take-in, correction, get-time, browse, generate and default behaviour that all
// camera forms share. Families supply the description and their collect step.
class CameraFormEngine : public FormWindow {
    Q_OBJECT
public:
    // The value of a numeric edit, or of a list's selection.
    int number(int editId) const;
    int selection(int listId) const;
    // The text a text edit shows (such edits are never taken in).
    QString text(int editId) const;
    QString folder() const { return m_folder; }
    QString clockText() const { return m_clockText; }

    QComboBox *list(int id) const { return m_lists.value(id); }
    QLineEdit *edit(int id) const { return m_edits.value(id); }

    // Presses of the buttons, as the user would.
    void generate();
    void writeFactorySettings();
    void getTime();
    void chooseFolder();

protected:
    explicit CameraFormEngine(CameraFormDescription description, QWidget *parent = nullptr);

    // Builds the window; call from the family's constructor.
    void build();

    // Copies the form into the settings and the layout's extra values.
    virtual void collect(CameraSettings &settings, MenuExtras &extras) const = 0;

    void acceptCommand() override { generate(); }

private:
    QWidget *makeCell(const CameraFormDescription::Cell &cell);
    QLineEdit *makeNumberEdit(int id);
    QLineEdit *makeTextEdit(const CameraFormDescription::Text &field);
    QWidget *makeRowGroup(const CameraFormDescription::RowGroup &group);
    QLayout *makeColumns();
    void applyCorrection(int id, const CameraFormDescription::Number &field, int unit);
    bool readTypedClock();
    QLabel *makeLabel(int id, const CaptionSource &caption);
    QComboBox *makeList(int id, const OptionSource &options);
    QWidget *makeClockGroup();
    QWidget *makeTimerGroup(const CameraFormDescription::TimerGroup &timer);
    QWidget *makeSerialGroup();
    QWidget *makeTimeLapseGroup();
    QWidget *makeFolderRow();
    QWidget *makeButtonRow();

    bool takeIn();
    void showAll();
    void onNumberEdited(int id);
    void onListActivated(int id);
    void applySwitches();
    void readClock();
    QString formatClock(int dateFormat) const;
    bool takeInFolderEdit();
    bool writeRecord(const ConfigRecord &record, const i18n::Message &success);

    CameraFormDescription m_description;
    QHash<int, QComboBox *> m_lists;
    QHash<int, QLineEdit *> m_edits;
    std::map<int, int> m_numbers; // node-stable: the field exchange keeps pointers
    QHash<int, CameraFormDescription::Number> m_numberFields;
    QString m_clockText;
    QString m_folder;
    FieldExchange m_exchange;
};

} // namespace marrowby
