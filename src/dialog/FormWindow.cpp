#include "dialog/FormWindow.h"

#include "dialog/FormColours.h"
#include "dialog/FormStyle.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace marrowby {

namespace {

template <typename T> T *named(T *widget, int id)
{
    if (id)
        widget->setObjectName(QString::number(id));
    return widget;
}

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

// The controls the keyboard reaches, in the reading order of the layouts
// below `layout`: a box layout's items in turn, a grid's row by row and, within
// a row, left to right; a frame's controls where the frame stands.
void collectInReadingOrder(QLayout *layout, QList<QWidget *> &out)
{
    QList<int> order;
    for (int i = 0; i < layout->count(); ++i)
        order << i;
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        const auto position = [grid](int index) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            return std::pair(row, column);
        };
        std::stable_sort(order.begin(), order.end(),
            [&position](int a, int b) { return position(a) < position(b); });
    } else if (auto *box = qobject_cast<QBoxLayout *>(layout); box
               && (box->direction() == QBoxLayout::RightToLeft
                   || box->direction() == QBoxLayout::BottomToTop)) {
        std::reverse(order.begin(), order.end());
    }
    for (int i : order) {
        QLayoutItem *item = layout->itemAt(i);
        if (QLayout *inner = item->layout()) {
            collectInReadingOrder(inner, out);
        } else if (QWidget *widget = item->widget()) {
            if (widget->focusPolicy() & Qt::TabFocus)
                out << widget;
            else if (widget->layout())
                collectInReadingOrder(widget->layout(), out);
        }
    }
}

// Whether the user can change what a control holds (a list, an edit that
// takes typing), as opposed to a button or a read-only text.
bool takesInput(const QWidget *widget)
{
    if (!widget->isEnabled() || widget->isHidden())
        return false;
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return !edit->isReadOnly();
    return qobject_cast<const QComboBox *>(widget) != nullptr;
}

} // namespace

bool chooseFromMenu(
    QWidget *owner, const QString &text, const QString &objectName, const QPoint &globalPos)
{
    const QPointer<QWidget> guard(owner);
    const QPointer<QMenu> menu(new QMenu(owner));
    QAction *entry = menu->addAction(text);
    entry->setObjectName(objectName);
    const QAction *chosen = menu->exec(globalPos);
    const bool entryChosen = menu && chosen == entry;
    delete menu.data();
    return guard && entryChosen;
}

FormWindow::FormWindow(QWidget *parent)
    : QDialog(parent)
{
    installFormStyle();
    setWindowIcon(QApplication::windowIcon());
}

void FormWindow::finishBuilding()
{
    applyFormColours(this);
    // Sized to the content, and kept so: no grip, no resizing.
    setSizeGripEnabled(false);
    if (layout())
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_built = true;
    refreshControlNames();
    orderTabsByLayout();
}

void FormWindow::orderTabsByLayout()
{
    if (!layout())
        return;
    QList<QWidget *> controls;
    collectInReadingOrder(layout(), controls);
    for (qsizetype i = 1; i < controls.size(); ++i)
        setTabOrder(controls[i - 1], controls[i]);
    // The window opens on the first control that takes input.
    const auto first = std::find_if(controls.cbegin(), controls.cend(), takesInput);
    if (first != controls.cend())
        (*first)->setFocus(Qt::OtherFocusReason);
}

void FormWindow::nameControl(QWidget *control, QList<QLabel *> captions, const QString &suffix)
{
    m_names.append({control, {captions.begin(), captions.end()}, suffix, nullptr});
    // Before the window is built the controls are not in their frames yet.
    if (m_built)
        applyName(m_names.last());
}

void FormWindow::nameControl(QWidget *control, const QString &name)
{
    nameControl(control, QList<QLabel *>{}, name);
}

void FormWindow::captionsChanged()
{
    refreshControlNames();
    // Inner frames first: each passes its new size on to the frame around it,
    // and the window's own layout then fixes the window's size.
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if ((*it)->layout())
            (*it)->layout()->activate();
    }
    if (layout())
        layout()->activate();
}

void FormWindow::refreshControlNames()
{
    for (ControlName &name : m_names)
        applyName(name);
    nameRemainingControls();
}

void FormWindow::applyName(ControlName &name)
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

void FormWindow::nameRemainingControls()
{
    struct Found {
        QWidget *control;
        QList<QLabel *> captions;
    };
    QList<Found> found;
    for (QWidget *widget : findChildren<QWidget *>()) {
        if (!needsName(widget, this) || hasName(widget))
            continue;
        if (QList<QLabel *> captions = nearestCaptions(widget, this); !captions.isEmpty())
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
        nameControl(f.control, f.captions, number);
    }
}

void FormWindow::showEvent(QShowEvent *event)
{
    refreshControlNames();
    QDialog::showEvent(event);
}

void FormWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refreshControlNames();
    QDialog::changeEvent(event);
}

void FormWindow::acceptCommand()
{
    accept();
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->accept();
        if (auto *button = qobject_cast<QPushButton *>(focusWidget());
            button && button->isEnabled())
            button->click();
        else
            acceptCommand();
        return;
    case Qt::Key_Escape:
        event->accept();
        reject();
        return;
    case Qt::Key_F10:
        if (event->modifiers() == Qt::ShiftModifier) {
            // The context menu, as on Windows: an edit's own (cut, copy,
            // paste), otherwise the window's (the main window's About). Lists
            // and buttons would swallow it without a menu of their own.
            event->accept();
            QWidget *target = qobject_cast<QLineEdit *>(focusWidget()) ? focusWidget() : this;
            const QPoint at = target->rect().center();
            QContextMenuEvent menuEvent(
                QContextMenuEvent::Keyboard, at, target->mapToGlobal(at), Qt::NoModifier);
            QApplication::sendEvent(target, &menuEvent);
            return;
        }
        QDialog::keyPressEvent(event);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

QLabel *FormWindow::makeLabel(int id, const QString &caption)
{
    return named(new QLabel(caption, this), id);
}

QComboBox *FormWindow::makeList(int id, const QStringList &entries)
{
    auto *list = named(new QComboBox(this), id);
    list->addItems(entries);
    return list;
}

QLineEdit *FormWindow::makeEdit(int id, int maxLength)
{
    auto *edit = named(new QLineEdit(this), id);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit *FormWindow::makeNumberEdit(int id)
{
    auto *edit = makeEdit(id);
    edit->setAlignment(Qt::AlignCenter);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QPushButton *FormWindow::makeButton(int id, const QString &caption, bool isDefault)
{
    auto *button = named(new QPushButton(caption, this), id);
    button->setAutoDefault(false);
    button->setDefault(isDefault);
    return button;
}

QGroupBox *FormWindow::makeGroup(int id, const QString &title)
{
    return named(new QGroupBox(title, this), id);
}

QFrame *FormWindow::makeFrame(int id)
{
    return named(new QFrame(this), id);
}

} // namespace marrowby
