#include "dialog/FieldExchange.h"

#include "dialog/Services.h"
#include "dialog/Texts.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace marrowby {

void FieldExchange::addNumber(
    QLineEdit *edit, int *value, int minimum, int maximum, RangeMessage report)
{
    Field field;
    field.edit = edit;
    field.number = value;
    field.minimum = minimum;
    field.maximum = maximum;
    field.ranged = true;
    field.report = report;
    m_fields.append(field);
}

void FieldExchange::addNumber(QLineEdit *edit, int *value)
{
    Field field;
    field.edit = edit;
    field.number = value;
    m_fields.append(field);
}

void FieldExchange::addText(QLineEdit *edit, QString *value, int maxLength)
{
    Field field;
    field.edit = edit;
    field.text = value;
    field.maxLength = maxLength;
    m_fields.append(field);
}

void FieldExchange::addText(QLineEdit *edit, QString *value, int maxLength, TextCheck check)
{
    addText(edit, value, maxLength);
    m_fields.last().check = std::move(check);
}

namespace {

// A whole number as the dialog layer reads it: optional white space, an optional
// sign, decimal digits, optional white space, nothing else.
bool parseWholeNumber(const QString &text, int &value)
{
    bool ok = false;
    const int parsed = text.trimmed().toInt(&ok, 10);
    if (ok)
        value = parsed;
    return ok;
}

QString withArguments(QString text, std::initializer_list<int> values)
{
    int n = 1;
    for (int value : values) {
        text.replace(QStringLiteral("%") + QString::number(n), QString::number(value));
        ++n;
    }
    return text;
}

QString rangeMessage(int minimum, int maximum, int language)
{
    QString text = messageText(i18n::shared::OutOfRange, language);
    text.replace(text.indexOf(QLatin1String("%d")), 2, QString::number(minimum));
    text.replace(text.indexOf(QLatin1String("%d")), 2, QString::number(maximum));
    return text;
}

} // namespace

bool FieldExchange::rangeCheck(int value, int minimum, int maximum) const
{
    if (value >= minimum && value <= maximum)
        return true;
    m_services->notice(rangeMessage(minimum, maximum, m_language));
    return false;
}

void FieldExchange::fail(QLineEdit *edit, const QString &message, bool frameworkBox) const
{
    if (frameworkBox)
        m_services->framework(message);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

bool FieldExchange::takeIn(const Field &field) const
{
    const QString text = field.edit->text();
    if (field.number) {
        int value = 0;
        if (!parseWholeNumber(text, value)) {
            fail(field.edit, messageText(i18n::framework::EnterInteger, m_language), true);
            return false;
        }
        *field.number = value;
        if (field.ranged && field.report == RangeMessage::Framework
            && (value < field.minimum || value > field.maximum)) {
            fail(field.edit,
                withArguments(messageText(i18n::framework::IntegerBetween, m_language),
                    {field.minimum, field.maximum}),
                true);
            return false;
        }
        if (field.ranged && !rangeCheck(value, field.minimum, field.maximum)) {
            fail(field.edit, {}, false);
            return false;
        }
    } else if (field.text) {
        if (field.maxLength > 0 && text.size() > field.maxLength) {
            fail(field.edit, tooManyCharacters(field.maxLength), true);
            return false;
        }
        *field.text = text;
        if (field.check) {
            if (const QString message = field.check(text); !message.isEmpty()) {
                m_services->notice(message);
                fail(field.edit, {}, false);
                return false;
            }
        }
    }
    return true;
}

QString FieldExchange::tooManyCharacters(int maxLength) const
{
    return withArguments(messageText(i18n::framework::TooManyCharacters, m_language), {maxLength});
}

bool FieldExchange::takeIn()
{
    for (const Field &field : m_fields) {
        if (!takeIn(field))
            return false;
    }
    return true;
}

bool FieldExchange::takeIn(QLineEdit *edit)
{
    for (const Field &field : m_fields) {
        if (field.edit == edit)
            return takeIn(field);
    }
    return true;
}

void FieldExchange::show()
{
    for (const Field &field : m_fields) {
        QString text;
        if (field.number)
            text = QString::number(*field.number);
        else if (field.text)
            text = *field.text;
        // An unchanged text is left alone so the cursor stays where the user typed.
        if (field.edit->text() != text) {
            const QSignalBlocker blocker(field.edit);
            // The edit's own limit only stops typing: a longer value is shown
            // whole, so the take-in refuses what the form holds instead of
            // quietly using a shortened text.
            if (field.maxLength > 0)
                field.edit->setMaxLength(std::max<int>(field.maxLength, text.size()));
            field.edit->setText(text);
        }
    }
}

} // namespace marrowby
