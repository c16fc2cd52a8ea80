// What a desktop program owes its users beyond the forms' own rules: a focus
// that can be seen, controls a screen reader can name, Qt's own dialogs in the
// user's language, windows that keep their shape, and the keyboard's menu key.
#include "UiTestSupport.h"

#include "camera/ui/StandardCameraForm.h"
#include "catalogue/ModelCatalogue.h"
#include "dialog/QtTranslations.h"
#include "shell/ui/AboutDialog.h"
#include "shell/ui/MainWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <iostream>
#include <memory>
#include <string>

using namespace marrowby;
using namespace marrowby::test;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

// The program's resources (its icon) live in the window library.
static void useProgramResources()
{
    Q_INIT_RESOURCE(marrowby);
}

namespace {

// ---------------------------------------------------------------------------
// Screen readers

// What a screen reader says a control is called. On Linux a list reports its
// current entry as its name; the reader then names it by the label tied to it,
// so the label relation counts when the name is only the value.
QString spokenName(QWidget *control)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
    if (!iface)
        return {};
    const QString value = iface->text(QAccessible::Value);
    const QString name = iface->text(QAccessible::Name);
    if (!name.isEmpty() && name != value)
        return name;
    for (const auto &[label, relation] : iface->relations(QAccessible::Label)) {
        if (const QString text = label->text(QAccessible::Name); !text.isEmpty())
            return text;
    }
    return name;
}

bool isFocusable(const QWidget *widget, const QWidget *window)
{
    const QWidget *parent = widget->parentWidget();
    return widget->window() == window && (widget->focusPolicy() & Qt::TabFocus)
        && widget->isVisibleTo(window) && !qobject_cast<const QComboBox *>(parent);
}

// Every control the keyboard reaches without a name, or named only by its value.
QStringList unnamedControls(QWidget *window)
{
    QStringList problems;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!isFocusable(control, window))
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
        const QString value = iface ? iface->text(QAccessible::Value) : QString();
        const QString name = spokenName(control);
        const QString what = QStringLiteral("%1 %2 \"%3\"")
                                 .arg(window->objectName(), control->metaObject()->className(),
                                     control->objectName());
        if (name.trimmed().isEmpty())
            problems << what + QStringLiteral(": no name");
        else if (name == value)
            problems << what + QStringLiteral(": named only by its value \"%1\"").arg(value);
    }
    return problems;
}

// ---------------------------------------------------------------------------
// Focus ring

// WCAG's relative luminance and contrast ratio.
double luminance(QColor colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green())
        + 0.0722 * channel(colour.blue());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QImage windowPixels(QWidget *window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Focus `control` in its shown window and measure the ring along its four edges:
// the weakest contrast of the ring against what lies outside the control, against
// what lies inside it, and against the same pixels without focus.
struct RingContrast {
    double outside = 99;
    double inside = 99;
    double change = 99;
};

RingContrast measureFocusRing(QWidget *window, QWidget *control, QWidget *elsewhere)
{
    window->show();
    QApplication::setActiveWindow(window);
    elsewhere->setFocus();
    QApplication::processEvents();
    const QImage unfocused = windowPixels(window);
    control->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(control->hasFocus()) << control->objectName().toStdString();
    const QImage focused = windowPixels(window);

    const qreal ratio = focused.devicePixelRatio();
    const QRect r(control->mapTo(window, QPoint(0, 0)) * ratio, control->size() * ratio);
    // Edge points, the direction that points out of the control, and a way to
    // step along that direction.
    struct Probe {
        QPoint edge;
        QPoint out;
    };
    const QList<Probe> probes = {
        {{r.center().x(), r.top()}, {0, -1}},
        {{r.center().x(), r.bottom()}, {0, 1}},
        {{r.left(), r.center().y()}, {-1, 0}},
        {{r.right(), r.center().y()}, {1, 0}},
    };
    RingContrast weakest;
    for (const Probe &p : probes) {
        const QColor ring = focused.pixelColor(p.edge);
        const QColor ringInner = focused.pixelColor(p.edge - p.out);
        EXPECT_EQ(ring, ringInner) << "the ring is two pixels wide";
        weakest.outside
            = std::min(weakest.outside, contrast(ring, focused.pixelColor(p.edge + p.out * 2)));
        weakest.inside
            = std::min(weakest.inside, contrast(ring, focused.pixelColor(p.edge - p.out * 4)));
        weakest.change = std::min(weakest.change, contrast(ring, unfocused.pixelColor(p.edge)));
    }
    return weakest;
}

} // namespace

class Desktop : public UiTest {
protected:
    void TearDown() override
    {
        QtTranslations::use(2);
        UiTest::TearDown();
    }

    // Every form the factory makes, for every model and button, shown in a
    // language; forms this build does not have yet are skipped by the factory.
    template <typename Check> void forEveryForm(int language, Check check)
    {
        int forms = 0;
        for (int model = 0; model <= kModelCount; ++model) {
            for (const FormButton button :
                {FormButton::Camera, FormButton::Mms, FormButton::Smtp}) {
                appState().ModelIndex = model;
                appState().LanguageIndex = language;
                std::unique_ptr<QDialog> form(createForm(button, context()));
                if (!form)
                    continue;
                ++forms;
                form->show();
                check(form.get(),
                    "model " + std::to_string(model) + ", button "
                        + std::to_string(static_cast<int>(button)));
            }
        }
        EXPECT_GT(forms, 0);
    }
};

TEST_F(Desktop, EveryWindowNamesEveryControlForScreenReaders)
{
    // The main window and the About box in every language.
    for (int entry = 0; entry < 15; ++entry) {
        MainWindow window;
        pick(find<QComboBox>(&window, 1080), entry);
        window.show();
        EXPECT_EQ(unnamedControls(&window), QStringList()) << "language entry " << entry;
        AboutDialog about(&window);
        about.show();
        EXPECT_EQ(unnamedControls(&about), QStringList());
    }
    // Every form the program can open, in three scripts.
    for (const int language : {1, 2, 3}) {
        forEveryForm(language, [language](QDialog *form, const std::string &which) {
            EXPECT_EQ(unnamedControls(form), QStringList()) << which << ", language " << language;
        });
    }
}

TEST_F(Desktop, ControlsWithoutALabelOfTheirOwnAreNamedByTheirCaptions)
{
    constexpr FormButton camera = FormButton::Camera;
    constexpr FormButton mms = FormButton::Mms;
    struct Case {
        int language;
        int model;
        FormButton button;
        int id;
        const char *name;
    };
    // The standard camera form names its controls itself; the K500 coordinate
    // and the MMS form are named from their layouts by the window base.
    // clang-format off
    const Case cases[] = {
        {2,  1, camera, 1017, "Timer Start Hour"},
        {2,  1, camera, 1024, "Timer Stop Minute"},
        {2,  1, camera, 1045, "Timer2 Start Minute"},
        {2,  1, camera, 1040, "Time Lapse Second"},
        {2,  1, camera, 1034, "Serial No. 1"},
        {2,  1, camera, 1037, "Serial No. 4"},
        {2,  1, camera, 1064, "Folder"},
        {2,  1, camera, 1030, "Set Clock"},
        {2,  1, camera, 1013, "Mode"},
        {2,  1, camera, 1002, "Video Length"},
        {3,  1, camera, 1017, "Zeitschaltuhr Start Stunde"},
        {3,  1, camera, 1064, "Ordner"},
        {1,  1, camera, 1064, "输出目录"},
        {2, 11, camera, 1055, "Longitude Dir."},
        {2, 11, camera, 1051, "Latitude Degree"},
        {2, 11, camera, 1053, "Latitude Second"},
        {2,  1, mms,    1042, "MMS Status"},
        {2,  1, mms,    1046, "Operator"},
        {2,  1, mms,    1056, "Connection Type"},
        {2,  1, mms,    1003, "APN"},
        {2,  1, mms,    1006, "Phone No"},
        {2,  1, mms,    1060, "Phone No"},
    };
    // clang-format on
    for (const Case &c : cases) {
        appState().LanguageIndex = c.language;
        appState().ModelIndex = c.model;
        std::unique_ptr<QDialog> form(createForm(c.button, context()));
        ASSERT_NE(form, nullptr) << c.model;
        form->show();
        QWidget *control = form->findChild<QWidget *>(QString::number(c.id));
        ASSERT_NE(control, nullptr) << c.id;
        EXPECT_EQ(spokenName(control), QString::fromUtf8(c.name)) << c.model << " " << c.id;
    }
}

TEST_F(Desktop, MainWindowNamesFollowTheLanguage)
{
    MainWindow window;
    window.show();
    auto *languages = find<QComboBox>(&window, 1080);
    EXPECT_EQ(spokenName(languages), "Select Language");
    EXPECT_EQ(spokenName(find<QComboBox>(&window, 1081)), "Camera Model");
    pick(languages, 2); // Deutsch
    EXPECT_EQ(spokenName(languages), QString::fromUtf8("Sprache auswählen"));
    EXPECT_EQ(spokenName(find<QPushButton>(&window, 1000)), "Kamera Installation");
}

TEST_F(Desktop, FocusRingIsVisibleOnEveryKindOfControl)
{
    MainWindow window;
    StandardCameraForm form(context());
    struct Case {
        QWidget *window;
        int id;
        const char *what;
    };
    const Case cases[] = {
        {&window, 1080, "list on the main window"},
        {&window, 1000, "button"},
        {&window, 1076, "link button"},
        {&form, 1013, "list in a cell"},
        {&form, 1002, "editable edit"},
        {&form, 1017, "read-only edit"},
        {&form, 1030, "read-only clock"},
        {&form, 1057, "Select button"},
    };
    for (const Case &c : cases) {
        QWidget *control = c.window->findChild<QWidget *>(QString::number(c.id));
        ASSERT_NE(control, nullptr) << c.what;
        QWidget *elsewhere = c.window->findChild<QWidget *>(c.id == 1000 ? "1001" : "1000");
        if (!elsewhere)
            elsewhere = c.window->findChild<QWidget *>(QStringLiteral("2"));
        const RingContrast ring = measureFocusRing(c.window, control, elsewhere);
        EXPECT_GE(ring.outside, 3.0) << c.what;
        EXPECT_GE(ring.inside, 3.0) << c.what;
        EXPECT_GE(ring.change, 3.0) << c.what << ": focus must change the look";
        c.window->hide();
    }
}

TEST_F(Desktop, QtsOwnButtonsSpeakTheChosenLanguage)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QDir(folder).exists(QStringLiteral("qtbase_de.qm")))
        GTEST_SKIP() << "Qt's translations are not installed in " << folder.toStdString();

    const auto cancelText = [] {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
    };
    MainWindow window;
    auto *languages = find<QComboBox>(&window, 1080);
    EXPECT_EQ(cancelText(), "Cancel");
    pick(languages, 2); // Deutsch
    EXPECT_EQ(cancelText(), "Abbrechen");
    pick(languages, 14); // Russian
    EXPECT_EQ(cancelText(), QString::fromUtf8("Отмена"));
    pick(languages, 7); // Slovenian: Qt has none, so Qt's own English
    EXPECT_EQ(cancelText(), "Cancel");
    pick(languages, 1); // English
    EXPECT_EQ(cancelText(), "Cancel");
}

TEST_F(Desktop, WindowsFitTheirContentAndKeepTheirShape)
{
    MainWindow window;
    window.show();
    QApplication::processEvents();
    const QSize english = window.size();
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "not resizable";

    auto *languages = find<QComboBox>(&window, 1080);
    pick(languages, 12); // Turkiye: the longest link caption
    QApplication::processEvents();
    EXPECT_GT(window.width(), english.width()) << "the window grows for longer captions";
    pick(languages, 1); // English again
    QApplication::processEvents();

    EXPECT_EQ(window.size(), english) << "and shrinks back";

    forEveryForm(2, [](QDialog *form, const std::string &which) {
        QApplication::processEvents();
        const QSize shown = form->size();
        form->resize(shown + QSize(200, 200));
        QApplication::processEvents();
        EXPECT_EQ(form->size(), shown) << which;
        EXPECT_EQ(form->minimumSize(), form->maximumSize()) << which;
    });
}

// Every window, in every language, fits a 1366x768 laptop screen once a title
// bar and a desktop panel have taken their share: at most 700 pixels high. A
// Chinese or Japanese desktop shows every text in its CJK font, whose lines are
// taller: those languages are measured in it too where it is installed.
TEST_F(Desktop, EveryWindowFitsALaptopScreenInEveryLanguage)
{
    constexpr int kMaxHeight = 700;
    constexpr int kMaxWidth = 1300;
    int tallest = 0;
    std::string tallestWhich;
    const auto measure = [&](QWidget *window, const std::string &which) {
        QApplication::processEvents();
        const QSize size = window->size();
        EXPECT_LE(size.height(), kMaxHeight) << which;
        EXPECT_LE(size.width(), kMaxWidth) << which;
        if (size.height() > tallest) {
            tallest = size.height();
            tallestWhich = which;
        }
    };
    const auto measureEverything = [&](const std::string &font) {
        for (int entry = 0; entry < 15; ++entry) {
            MainWindow window;
            pick(find<QComboBox>(&window, 1080), entry);
            window.show();
            measure(&window, "main window, language entry " + std::to_string(entry) + font);
            AboutDialog about(&window);
            about.show();
            measure(&about, "About box, language entry " + std::to_string(entry) + font);
        }
        for (int language = 1; language <= 15; ++language) {
            forEveryForm(language, [&](QDialog *form, const std::string &which) {
                measure(form, which + ", language " + std::to_string(language) + font);
            });
        }
    };
    measureEverything({});

    const QFont standard = QApplication::font();
    for (const QString &family :
        {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans CJK JP")}) {
        if (!QFontDatabase::families().contains(family)) {
            std::cout << family.toStdString() << " is not installed: not measured in it\n";
            continue;
        }
        QFont cjk = standard;
        cjk.setFamilies({family});
        QApplication::setFont(cjk);
        measureEverything(", in " + family.toStdString());
        QApplication::setFont(standard);
    }
    std::cout << "tallest window: " << tallest << " px (" << tallestWhich << ")\n";
}

// A timer's on/off list is as wide as its entries on every camera form, however
// wide the form around it.
TEST_F(Desktop, TimerListsAreAsWideAsTheirEntries)
{
    for (int language : {1, 2, 3}) {
        forEveryForm(language, [language](QDialog *form, const std::string &which) {
            QApplication::processEvents();
            for (int id : {1025, 1048}) {
                if (auto *list = form->findChild<QComboBox *>(QString::number(id))) {
                    EXPECT_EQ(list->width(), list->sizeHint().width())
                        << which << ", language " << language << ", list " << id;
                }
            }
        });
    }
}

// The program's icon stands out on the windows' blue, as the About box and the
// notice boxes show it: most of the camera is not the window's colour.
TEST_F(Desktop, TheIconStandsOutOnTheWindowsBlue)
{
    useProgramResources();
    const QImage icon = QImage(QStringLiteral(":/marrowby/icon.png"))
                            .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(icon.isNull());
    MainWindow window;
    const QColor blue = window.palette().color(QPalette::Window);
    int opaque = 0;
    int likeTheWindow = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QColor c = icon.pixelColor(x, y);
            if (c.alpha() < 128)
                continue;
            ++opaque;
            if (std::abs(c.red() - blue.red()) + std::abs(c.green() - blue.green())
                    + std::abs(c.blue() - blue.blue())
                < 60)
                ++likeTheWindow;
        }
    }
    ASSERT_GT(opaque, 0);
    EXPECT_LT(likeTheWindow * 10, opaque) << likeTheWindow << " of " << opaque;
}

// The entries of the context menu that Shift+F10 opens with the focus on a list
// (which has no menu of its own), or nothing when no menu opens.
QStringList menuOnShiftF10(QWidget *window, int listId)
{
    window->show();
    QApplication::setActiveWindow(window);
    find<QComboBox>(window, listId)->setFocus();
    QStringList entries;
    // The menu runs its own loop; look at it from inside, then close it.
    QTimer::singleShot(0, [&entries] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *action : menu->actions())
                entries << action->objectName();
            menu->close();
        }
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
    QApplication::processEvents(); // the timer has run when no menu opened
    return entries;
}

TEST_F(Desktop, ShiftF10OnAListOpensTheWindowsMenu)
{
    MainWindow window;
    EXPECT_EQ(menuOnShiftF10(&window, 1080), QStringList{"16"}) << "the About entry";
    StandardCameraForm form(context());
    EXPECT_EQ(menuOnShiftF10(&form, 1013),
        (QStringList{"CheckCard", "loadFromCard", "saveSettings", "openSettings"}));
}

// The desktop seams undo themselves: what one test recorded or fixed is gone
// for the next.
TEST(DesktopSeamsTest, EndingThemRestoresTheDesktop)
{
    const QDateTime fixed(QDate(2020, 1, 2), QTime(3, 4, 5));
    {
        DesktopSeams seams(fixed);
        EXPECT_EQ(Clock::now(), fixed);
        MessageBoxes::notice(QStringLiteral("left behind"));
        WebBrowser::open(QUrl(QStringLiteral("https://example.org/")));
    }
    EXPECT_NE(Clock::now(), fixed);
    DesktopSeams next;
    EXPECT_TRUE(MessageBoxes::takeRecorded().isEmpty());
    EXPECT_TRUE(WebBrowser::takeRecorded().isEmpty());
}
