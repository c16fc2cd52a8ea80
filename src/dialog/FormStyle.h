#pragma once

#include <QColor>
#include <QProxyStyle>

namespace marrowby {

// The program's style over the platform's own: a focus ring that can be seen on
// every control (2 pixels, dark navy, at least 3:1 against the blue window and
// against white fields), and room around button captions. Everything else is
// drawn by the platform's style.
class FormStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit FormStyle(const QString &baseStyleName = {});

    static QColor focusRingColour();
    static constexpr int kFocusRingWidth = 2;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
        QPainter *painter, const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
        const QWidget *widget = nullptr) const override;
};

// Puts the program's style over the application's current style, once; every
// window calls it, so windows made in tests look as they do in the program.
void installFormStyle();

} // namespace marrowby
