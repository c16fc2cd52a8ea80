#include "dialog/ControlNames.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QRegularExpression>

#include <algorithm>

namespace marrowby {

namespace {

// Marks the hidden labels that only carry a control's name.
const char *const kNameLabelProperty = "marrowbyNameLabel";

// A label that names what is next to it on screen: shown, with a word in it
// (not the ":" between time edits, not a picture).
bool isCaption(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    if (!label || label->isHidden() || label->property(kNameLabelProperty).toBool())
        return false;
    const QString text = label->text();
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

QLabel *captionAt(QLayout *layout, int index)
{
    QLayoutItem *item = layout->itemAt(index);
    return item && isCaption(item->widget()) ? static_cast<QLabel *>(item->widget()) : nullptr;
}

// Whether the caption at `index` of a grid has a control right beside it, which
// it names (a row caption such as "URL", not a column head such as "Hour").
bool namesControlBeside(QGridLayout *grid, int index)
{
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    for (int i = 0; i < grid->count(); ++i) {
        int r = 0, c = 0, rs = 0, cs = 0;
        grid->getItemPosition(i, &r, &c, &rs, &cs);
        QWidget *widget = grid->itemAt(i)->widget();
        if (c == column + columnSpan && r <= row && row < r + rs && widget
            && !qobject_cast<QLabel *>(widget))
            return true;
    }
    return false;
}

// The captions that name the item at `index` of a layout, in reading order.
// In a grid: the caption of the block of rows it stands in (one spanning more
// than its row, as "Timer" beside its Start and Stop rows), the nearest caption
// to the left in its row, and the head of its column (the nearest caption
// above, over the controls of the rows between, that names no control beside
// it). In a row of controls: the nearest caption before it; in a column: a
// caption just above it.
QList<QLabel *> captionsAt(QLayout *layout, int index)
{
    QList<QLabel *> found;
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        QLabel *nearest = nullptr;
        QLabel *block = nullptr;
        int nearestColumn = -1;
        int blockColumn = column;
        QLabel *head = nullptr;
        int headRow = -1;
        for (int i = 0; i < grid->count(); ++i) {
            int r = 0, c = 0, rs = 0, cs = 0;
            grid->getItemPosition(i, &r, &c, &rs, &cs);
            QLabel *label = captionAt(grid, i);
            if (!label)
                continue;
            if (r <= row && row < r + rs && c + cs <= column) {
                if (c > nearestColumn) {
                    nearest = label;
                    nearestColumn = c;
                }
                if (rs > rowSpan && c < blockColumn) {
                    block = label;
                    blockColumn = c;
                }
            }
            if (c <= column && column < c + cs && r + rs <= row && r + rs - 1 > headRow) {
                headRow = r + rs - 1;
                head = namesControlBeside(grid, i) ? nullptr : label;
            }
        }
        if (block && block != nearest)
            found << block;
        if (nearest)
            found << nearest;
        if (head)
            found << head;
        return found;
    }
    if (auto *box = qobject_cast<QBoxLayout *>(layout)) {
        const bool row = box->direction() == QBoxLayout::LeftToRight
            || box->direction() == QBoxLayout::RightToLeft;
        for (int i = index - 1; i >= 0; --i) {
            if (QLabel *label = captionAt(box, i)) {
                found << label;
                break;
            }
            if (!row)
                break;
        }
    }
    return found;
}

// The layouts that hold `widget` below `layout`, innermost first, each with the
// index of its item that leads to the widget.
bool locate(QLayout *layout, QWidget *widget, QList<QPair<QLayout *, int>> &chain)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        QLayout *inner = item->layout();
        if (item->widget() == widget || (inner && locate(inner, widget, chain))) {
            chain.append({layout, i});
            return true;
        }
    }
    return false;
}

// The nearest captions of a control in the window's layouts: those of its own
// layout first, then those of the frames around it.
QList<QLabel *> nearestCaptions(QWidget *control, const QWidget *window)
{
    for (QWidget *item = control; item && item != window; item = item->parentWidget()) {
        QWidget *container = item->parentWidget();
        QList<QPair<QLayout *, int>> chain;
        if (!container || !container->layout() || !locate(container->layout(), item, chain))
            break;
        for (const auto &[layout, index] : chain) {
            if (QList<QLabel *> captions = captionsAt(layout, index); !captions.isEmpty())
                return captions;
        }
    }
    return {};
}

// Whether a screen reader already has a name for the control: its own, or a
// label tied to it.
bool hasName(const QWidget *control)
{
    if (!control->accessibleName().isEmpty())
        return true;
    const QWidget *parent = control->parentWidget();
    if (!parent)
        return false;
    for (const QObject *child : parent->children()) {
        if (const auto *label = qobject_cast<const QLabel *>(child);
            label && label->buddy() == control)
            return true;
    }
    return false;
}

// Controls a screen reader names and the user reaches with the keyboard; parts
// of a control (the edit inside a spin box) and buttons with a caption speak
// for themselves.
bool needsName(const QWidget *widget, const QWidget *window)
{
    if (widget->window() != window || !(widget->focusPolicy() & Qt::TabFocus))
        return false;
    const QWidget *parent = widget->parentWidget();
    if (qobject_cast<const QComboBox *>(parent) || qobject_cast<const QAbstractSpinBox *>(parent))
        return false;
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text().isEmpty();
    return true;
}

QString spokenText(const QLabel *label)
{
    QString text = label->text();
    if (label->buddy())
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")))
            .replace(QStringLiteral("&&"), QStringLiteral("&"));
    return text.simplified();
}

} // namespace

void ControlNames::add(
    QWidget *control, const QList<QLabel *> &captions, const QString &suffix, bool applyNow)
{
    m_names.append({control, {captions.begin(), captions.end()}, suffix, nullptr});
    if (applyNow)
        apply(m_names.last());
}

void ControlNames::refresh()
{
    for (Entry &name : m_names)
        apply(name);
    nameRemaining();
}

void ControlNames::apply(Entry &name)
{
    QWidget *control = name.control;
    if (!control)
        return;
    QWidget *parent = control->parentWidget();
    // One visible caption beside the control: it becomes the control's buddy.
    if (name.captions.size() == 1 && name.text.isEmpty() && name.captions.first()) {
        QLabel *caption = name.captions.first();
        if (caption->parentWidget() == parent
            && (!caption->buddy() || caption->buddy() == control)) {
            caption->setBuddy(control);
            delete name.hidden;
            return;
        }
    }
    QStringList parts;
    for (const QPointer<QLabel> &caption : std::as_const(name.captions)) {
        if (caption && !spokenText(caption).isEmpty())
            parts << spokenText(caption);
    }
    if (!name.text.isEmpty())
        parts << name.text;
    if (!name.hidden) {
        name.hidden = new QLabel(parent);
        name.hidden->setProperty(kNameLabelProperty, true);
    } else if (name.hidden->parentWidget() != parent) {
        name.hidden->setParent(parent); // buddies are found among siblings
    }
    name.hidden->hide();
    QString text = parts.join(QLatin1Char(' '));
    name.hidden->setText(text.replace(QLatin1Char('&'), QStringLiteral("&&")));
    name.hidden->setBuddy(control);
}

void ControlNames::nameRemaining()
{
    struct Found {
        QWidget *control;
        QList<QLabel *> captions;
    };
    QList<Found> found;
    for (QWidget *widget : m_window->findChildren<QWidget *>()) {
        if (!needsName(widget, m_window) || hasName(widget))
            continue;
        if (QList<QLabel *> captions = nearestCaptions(widget, m_window); !captions.isEmpty())
            found.append({widget, captions});
    }
    // Controls of one kind that the same captions would name alike are numbered
    // in order (four character lists after "Serial No.": "Serial No. 1" to
    // "Serial No. 4"); an edit and the list beside it keep the caption they share.
    using Key = QPair<QList<QLabel *>, const QMetaObject *>;
    const auto key = [](const Found &f) { return Key(f.captions, f.control->metaObject()); };
    QHash<Key, int> alike;
    for (const Found &f : std::as_const(found))
        ++alike[key(f)];
    QHash<Key, int> numbered;
    for (const Found &f : std::as_const(found)) {
        const QString number
            = alike.value(key(f)) > 1 ? QString::number(++numbered[key(f)]) : QString();
        add(f.control, f.captions, number, true);
    }
}

} // namespace marrowby
