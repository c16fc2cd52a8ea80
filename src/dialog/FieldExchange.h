#pragma once

#include <QList>
#include <QString>

#include <functional>

class QLineEdit;

namespace marrowby {
class Services;
}

namespace marrowby {

// Binds a form's member values to its edits and exchanges them in a fixed order.
// Taking in checks each field (whole number, range, text length); the first
// failure shows its message, puts the focus into that edit with its text selected
// and ends the pass, so later fields keep their previous values. Showing writes
// every value back without triggering any handler. Messages are in the language
// the exchange is made with.
class FieldExchange {
public:
    // Messages go to `services`' boxes.
    FieldExchange(int language, Services *services)
        : m_language(language)
        , m_services(services)
    { }

    // How an out-of-range number is reported: the notice-box range message
    // (the camera and MMS forms), or the dialog layer's own range
    // message in its standard box (the SMTP forms' pictures per day).
    enum class RangeMessage {
        Notice,
        Framework,
    };

    // A numeric edit. With a range, an out-of-range number is stored and then
    // reported with the range message.
    void addNumber(QLineEdit *edit, int *value, int minimum, int maximum,
        RangeMessage report = RangeMessage::Notice);
    void addNumber(QLineEdit *edit, int *value); // whole number, no range check
    // A text edit limited to `maxLength` UTF-16 units (0: no limit). Typing stops
    // at the limit, but a longer value (such as a chosen folder) is shown whole
    // and refused when it is taken in, never cut.
    void addText(QLineEdit *edit, QString *value, int maxLength);
    // A field's own check of a text once it is stored: a message (empty when the
    // text passes). A failure is reported like a number out of range: the notice
    // box, the focus with the text selected, the end of the pass, and the field
    // keeps the text it was given.
    using TextCheck = std::function<QString(const QString &text)>;
    void addText(QLineEdit *edit, QString *value, int maxLength, TextCheck check);

    // Copies the edits into the values in binding order. Returns false at the
    // first failure, after its message.
    bool takeIn();
    // Takes in the one field bound to `edit`, with its checks.
    bool takeIn(QLineEdit *edit);
    // Writes every value back into its edit.
    void show();

    // The dialog layer's message for a text over `maxLength` characters.
    QString tooManyCharacters(int maxLength) const;

private:
    struct Field {
        QLineEdit *edit = nullptr;
        int *number = nullptr;
        QString *text = nullptr;
        int minimum = 0;
        int maximum = 0;
        bool ranged = false;
        RangeMessage report = RangeMessage::Notice;
        int maxLength = 0;
        TextCheck check;
    };
    bool takeIn(const Field &field) const;
    void fail(QLineEdit *edit, const QString &message, bool frameworkBox) const;
    // Reports a number outside minimum..maximum in the notice box; returns
    // whether the value is in range.
    bool rangeCheck(int value, int minimum, int maximum) const;

    int m_language;
    Services *m_services;
    QList<Field> m_fields;
};

} // namespace marrowby
