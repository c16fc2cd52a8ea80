// Names for screen readers: every control of a window gets a name in the
// window's language. A list or edit is tied to the label that names it (named
// by the form, or, for a control a form leaves unnamed, by the nearest caption
// in its layout: the label before it, with the row's leading caption and the
// column head above it in a grid). A push button speaks its caption.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;

namespace marrowby {

class ControlNames {
public:
    explicit ControlNames(QWidget *window)
        : m_window(window)
    { }

    // Names `control` by its captions, in reading order: one label becomes the
    // control's buddy; several (a group caption, a row caption, a column head)
    // are joined with spaces, `suffix` appended, into a hidden label tied to
    // the control that follows the captions' texts. Without captions, `suffix`
    // is the whole name. With `applyNow` false the name is set at the next
    // refresh() (the controls are not in their frames yet).
    void add(
        QWidget *control, const QList<QLabel *> &captions, const QString &suffix, bool applyNow);
    // Sets every name again from the captions' current texts, and names the
    // controls nothing named yet by their nearest captions.
    void refresh();

private:
    struct Entry {
        QPointer<QWidget> control;
        QList<QPointer<QLabel>> captions;
        QString text; // suffix after the captions, or the whole name without captions
        QPointer<QLabel> hidden;
    };
    void apply(Entry &name);
    void nameRemaining();

    QWidget *m_window;
    QList<Entry> m_names;
};

} // namespace marrowby
