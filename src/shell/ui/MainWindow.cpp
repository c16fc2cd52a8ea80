#include "shell/ui/MainWindow.h"

#include "app/AppState.h"
#include "app/LanguageChoice.h"
#include "app/StartUp.h"
#include "catalogue/ModelCatalogue.h"
#include "dialog/QtTranslations.h"
#include "dialog/UiServices.h"
#include "i18n/ShellTexts.h"
#include "shell/ui/AboutDialog.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace marrowby {

namespace {

// The program's version, from the build (CMake's project version).
constexpr int kVersion[4] = {MARROWBY_VERSION_PARTS};

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : FormWindow(parent)
{
    setObjectName(QStringLiteral("102"));
    setWindowTitle(qtText(i18n::shelltexts::WindowTitle));

    m_version = makeLabel(1077, {});
    m_version->setAlignment(Qt::AlignCenter);

    QGroupBox *choices = makeGroup();
    m_languageLabel = makeLabel(1078, {});
    m_languages = makeList(1080, {});
    m_modelLabel = makeLabel(1079, {});
    m_models = makeList(1081, {});
    auto *choiceLayout = new QGridLayout(choices);
    choiceLayout->addWidget(m_languageLabel, 0, 0);
    choiceLayout->addWidget(m_languages, 0, 1);
    choiceLayout->addWidget(m_modelLabel, 1, 0);
    choiceLayout->addWidget(m_models, 1, 1);
    choiceLayout->setColumnStretch(1, 1);
    nameControl(m_languages, {m_languageLabel});
    nameControl(m_models, {m_modelLabel});

    QGroupBox *buttons = makeGroup();
    m_camera = makeButton(1000, {});
    m_mms = makeButton(1001, {});
    m_smtp = makeButton(1002, {});
    auto *buttonLayout = new QHBoxLayout(buttons);
    for (QPushButton *button : {m_camera, m_mms, m_smtp})
        buttonLayout->addWidget(button);

    m_link = makeButton(1076, {});
    m_link->setFlat(true);
    m_link->setCursor(Qt::PointingHandCursor);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_version);
    layout->addWidget(choices);
    layout->addWidget(buttons);
    layout->addWidget(m_link, 0, Qt::AlignCenter);

    applyCaptions();
    fillLanguageList(languageListEntryFor(appState()));

    for (const ModelEntry &model : ModelCatalogue::models())
        m_models->addItem(qtText(model.listName));
    AppState &state = appState();
    state.ModelIndex = readModelPreference(Preferences::store(), state.ModelIndex);
    m_models->setCurrentIndex(state.ModelIndex - 1); // no entry for model 0
    updateButtons();

    connect(m_languages, &QComboBox::activated, this, &MainWindow::onLanguageActivated);
    connect(m_models, &QComboBox::activated, this, &MainWindow::onModelActivated);
    connect(m_camera, &QPushButton::clicked, this, [this] { openForm(FormButton::Camera); });
    connect(m_mms, &QPushButton::clicked, this, [this] { openForm(FormButton::Mms); });
    connect(m_smtp, &QPushButton::clicked, this, [this] { openForm(FormButton::Smtp); });
    connect(m_link, &QPushButton::clicked, this,
        [] { WebBrowser::open(QUrl(qtText(i18n::shelltexts::DownloadPage))); });

    finishBuilding();
    // The link reads as a link: white on the blue window.
    QPalette linkPalette = m_link->palette();
    linkPalette.setColor(QPalette::ButtonText, Qt::white);
    m_link->setPalette(linkPalette);
}

QString MainWindow::versionText()
{
    QString text = qtText(i18n::caption(i18n::mainwindow::VersionPrefix, appState().LanguageIndex));
    text += QStringLiteral(": %1.%2.%3.%4")
                .arg(kVersion[0] & 0xFF)
                .arg(kVersion[1] & 0xFF)
                .arg(kVersion[2] & 0xFF)
                .arg(kVersion[3] & 0xFF);
    return text;
}

void MainWindow::applyCaptions()
{
    const int language = appState().LanguageIndex;
    m_camera->setText(captionText(i18n::mainwindow::CameraSetup, language));
    m_mms->setText(captionText(i18n::mainwindow::MmsSetup, language));
    m_smtp->setText(captionText(i18n::mainwindow::SmtpSetup, language));
    m_link->setText(captionText(i18n::mainwindow::LatestUpdates, language));
    m_languageLabel->setText(captionText(i18n::mainwindow::SelectLanguage, language));
    m_modelLabel->setText(captionText(i18n::mainwindow::CameraModel, language));
    m_version->setText(versionText());
}

void MainWindow::fillLanguageList(int selectEntry)
{
    const QSignalBlocker blocker(m_languages);
    m_languages->clear();
    for (int entry = 0; entry < i18n::kLanguageListSize; ++entry)
        m_languages->addItem(qtText(i18n::languageListEntry(entry, appState().ChineseSystem)));
    m_languages->setCurrentIndex(selectEntry);
}

void MainWindow::updateButtons()
{
    const int model = appState().ModelIndex;
    m_mms->setEnabled(ModelCatalogue::mmsUsable(model));
    m_smtp->setEnabled(ModelCatalogue::smtpUsable(model));
}

void MainWindow::onLanguageActivated(int entry)
{
    AppState &state = appState();
    chooseLanguageEntry(state, entry);
    QtTranslations::use(state.LanguageIndex);
    fillLanguageList(entry);
    applyCaptions();
    captionsChanged();
    storeLanguage(Preferences::store(), state);
}

void MainWindow::onModelActivated(int index)
{
    AppState &state = appState();
    state.ModelIndex = index + 1;
    storeModel(Preferences::store(), state.ModelIndex);
    updateButtons();
}

void MainWindow::openForm(FormButton button)
{
    if (!formAvailable(button, appState().ModelIndex))
        return;
    m_requested = button;
    accept();
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // The About entry that Windows keeps in the window menu.
    if (chooseFromMenu(this, qtText(i18n::shelltexts::AboutMenuEntry), QStringLiteral("16"),
            event->globalPos()))
        showAbout();
}

void MainWindow::showAbout()
{
    const QPointer<AboutDialog> about(new AboutDialog(this));
    about->exec();
    delete about.data();
}

} // namespace marrowby
