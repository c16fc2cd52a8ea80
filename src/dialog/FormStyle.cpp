#include "dialog/FormStyle.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace marrowby {

namespace {

// Extra room around a push button's caption, on each side.
constexpr int kButtonPaddingX = 8;
constexpr int kButtonPaddingY = 2;

// The space above and below a layout's rows, and between them.
constexpr int kLayoutVerticalGap = 4;

void drawFocusRing(QPainter *painter, const QRect &rect)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(FormStyle::focusRingColour());
    const int w = FormStyle::kFocusRingWidth;
    // Four bands along the edges, so the inside stays as the control drew it.
    painter->drawRect(QRect(rect.left(), rect.top(), rect.width(), w));
    painter->drawRect(QRect(rect.left(), rect.bottom() - w + 1, rect.width(), w));
    painter->drawRect(QRect(rect.left(), rect.top() + w, w, rect.height() - 2 * w));
    painter->drawRect(QRect(rect.right() - w + 1, rect.top() + w, w, rect.height() - 2 * w));
    painter->restore();
}

bool hasFocus(const QStyleOption *option)
{
    return option && (option->state & QStyle::State_HasFocus);
}

} // namespace

FormStyle::FormStyle(const QString &baseStyleName)
    : QProxyStyle(baseStyleName.isEmpty() ? nullptr : QStyleFactory::create(baseStyleName))
{ }

QColor FormStyle::focusRingColour()
{
    return QColor(0, 20, 64);
}

void FormStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
    QPainter *painter, const QWidget *widget) const
{
    if (element == PE_FrameFocusRect) {
        // Check boxes, radio buttons and item views: the same ring as every control.
        drawFocusRing(painter, option->rect);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // The edit of an editable list is inside the list's own ring.
    if (element == PE_PanelLineEdit && hasFocus(option)
        && !(widget && qobject_cast<const QComboBox *>(widget->parentWidget())))
        drawFocusRing(painter, option->rect);
}

void FormStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
    const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && hasFocus(option))
        drawFocusRing(painter, option->rect);
}

void FormStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
    QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if ((control == CC_ComboBox || control == CC_SpinBox) && hasFocus(option))
        drawFocusRing(painter, option->rect);
}

int FormStyle::pixelMetric(
    PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_LayoutTopMargin:
    case PM_LayoutBottomMargin:
    case PM_LayoutVerticalSpacing:
        // Tight rows: the tallest forms have a dozen framed blocks one above
        // the other, and must fit a laptop screen in a CJK desktop font too.
        return kLayoutVerticalGap;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize FormStyle::sizeFromContents(
    ContentsType type, const QStyleOption *option, const QSize &size, const QWidget *widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_PushButton)
        result += QSize(2 * kButtonPaddingX, 2 * kButtonPaddingY);
    return result;
}

void installFormStyle()
{
    if (qobject_cast<FormStyle *>(QApplication::style()))
        return;
    // A fresh copy of the current style goes under the program's: the
    // application deletes its old style when it takes the new one.
    QApplication::setStyle(new FormStyle(QApplication::style()->name()));
}

} // namespace marrowby
