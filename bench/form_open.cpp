// How long each form kind takes to open (made, shown, first painted), beside
// the floor for it: a plain QDialog holding the same widgets in the same
// layouts, with the same texts and list entries, made with the same Qt. The
// floor has no styling, colours, names for screen readers or form logic, so the
// ratio is what the program adds. (The program's style is the application's
// once a form exists, so the floor is drawn in it too.) Under the offscreen
// platform; reports figures and never fails.
#include "app/AppState.h"
#include "app/MemoryPreferenceStore.h"
#include "catalogue/ModelCatalogue.h"
#include "dialog/UiServices.h"
#include "shell/ui/FormFactory.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Notes the first paint of a window.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Milliseconds from making a window to its first paint.
double openMilliseconds(const std::function<QDialog *()> &make)
{
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QDialog> window(make());
    PaintWatch watch;
    window->installEventFilter(&watch);
    window->show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    window->removeEventFilter(&watch);
    window->hide();
    return elapsed;
}

void copyLayout(QLayout *from, QWidget *into, QLayout *parentLayout = nullptr);

// A plain widget with the same kind, text and entries.
QWidget *plainCopy(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return new QLabel(label->text());
    if (auto *list = qobject_cast<QComboBox *>(widget)) {
        auto *copy = new QComboBox;
        for (int i = 0; i < list->count(); ++i)
            copy->addItem(list->itemText(i));
        copy->setCurrentIndex(list->currentIndex());
        return copy;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return new QLineEdit(edit->text());
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return new QPushButton(button->text());
    QWidget *copy = nullptr;
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        copy = new QGroupBox(group->title());
    else if (qobject_cast<QFrame *>(widget))
        copy = new QFrame;
    else
        copy = new QWidget;
    if (widget->layout())
        copyLayout(widget->layout(), copy);
    return copy;
}

QLayout *emptyLike(QLayout *layout)
{
    if (qobject_cast<QGridLayout *>(layout))
        return new QGridLayout;
    auto *box = qobject_cast<QBoxLayout *>(layout);
    return new QBoxLayout(box ? box->direction() : QBoxLayout::TopToBottom);
}

void fill(QLayout *from, QLayout *to)
{
    auto *grid = qobject_cast<QGridLayout *>(from);
    for (int i = 0; i < from->count(); ++i) {
        QLayoutItem *item = from->itemAt(i);
        QWidget *widget = item->widget();
        QLayout *inner = item->layout();
        if (!widget && !inner)
            continue;
        if (widget && widget->isHidden())
            continue;
        if (grid) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            auto *target = static_cast<QGridLayout *>(to);
            if (widget) {
                target->addWidget(plainCopy(widget), row, column, rowSpan, columnSpan);
            } else {
                QLayout *copy = emptyLike(inner);
                target->addLayout(copy, row, column, rowSpan, columnSpan);
                fill(inner, copy);
            }
        } else if (auto *box = qobject_cast<QBoxLayout *>(to)) {
            if (widget) {
                box->addWidget(plainCopy(widget));
            } else {
                QLayout *copy = emptyLike(inner);
                box->addLayout(copy);
                fill(inner, copy);
            }
        }
    }
}

void copyLayout(QLayout *from, QWidget *into, QLayout *)
{
    QLayout *copy = emptyLike(from);
    into->setLayout(copy);
    fill(from, copy);
}

// The floor of a form: a plain dialog with the same widgets as `form`.
QDialog *plainDialogLike(QDialog *form)
{
    auto *dialog = new QDialog;
    if (form->layout())
        copyLayout(form->layout(), dialog);
    return dialog;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct FormKind {
    const char *name;
    marrowby::FormButton button;
    int model;
};

} // namespace

int main(int argc, char *argv[])
{
    // The offscreen platform's notes on every window would bury the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    marrowby::MemoryPreferenceStore store;
    store.keyExists = true;
    marrowby::Preferences::setStore(&store);
    marrowby::MessageBoxes::startRecording();
    using marrowby::FormButton;
    const FormKind kinds[] = {
        {"standard camera", FormButton::Camera, 1},
        {"K600 camera", FormButton::Camera, 4},
        {"K500 camera", FormButton::Camera, 11},
        {"K400 camera", FormButton::Camera, 6},
        {"K800 camera", FormButton::Camera, 8},
        {"K100 camera", FormButton::Camera, 14},
        {"standard MMS", FormButton::Mms, 1},
        {"K600 MMS", FormButton::Mms, 4},
        {"K200 SMTP", FormButton::Smtp, 3},
        {"K600 SMTP", FormButton::Smtp, 4},
    };
    // The first window with text loads the fonts: not part of any form's figure.
    openMilliseconds([] {
        auto *warm = new QDialog;
        new QLabel(QStringLiteral("Marrowby"), warm);
        return warm;
    });
    std::printf(
        "form kind          form ms   floor ms   ratio   (median of %d, offscreen)\n", runs);
    for (const FormKind &kind : kinds) {
        marrowby::appState().ModelIndex = kind.model;
        marrowby::appState().LanguageIndex = 2;
        const auto makeForm = [&kind] {
            return marrowby::createForm(kind.button, marrowby::formContext(marrowby::appState()));
        };
        std::unique_ptr<QDialog> model(makeForm());
        std::vector<double> form;
        std::vector<double> floor;
        // Interleaved so that both see the same machine load.
        for (int i = 0; i < runs; ++i) {
            floor.push_back(openMilliseconds([&model] { return plainDialogLike(model.get()); }));
            form.push_back(openMilliseconds(makeForm));
        }
        const double f = median(form);
        const double base = median(floor);
        std::printf("%-18s %7.2f   %8.2f   %5.2f\n", kind.name, f, base, f / base);
    }
    marrowby::MessageBoxes::stopRecording();
    marrowby::Preferences::setStore(nullptr);
    return 0;
}
