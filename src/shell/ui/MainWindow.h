#pragma once

#include "dialog/FormWindow.h"
#include "shell/ui/FormFactory.h"

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace marrowby {

// The main window: the language and model lists, the three form buttons, the
// version label and the link to the maker's download page.
class MainWindow : public FormWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    // The form the user asked for when the window ended through a form button.
    std::optional<FormButton> requestedForm() const { return m_requested; }

    // The version label's text for the current language.
    static QString versionText();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void applyCaptions();
    void fillLanguageList(int selectEntry);
    void updateButtons();
    void onLanguageActivated(int entry);
    void onModelActivated(int index);
    void openForm(FormButton button);
    void showAbout();

    QLabel *m_version = nullptr;
    QLabel *m_languageLabel = nullptr;
    QLabel *m_modelLabel = nullptr;
    QComboBox *m_languages = nullptr;
    QComboBox *m_models = nullptr;
    QPushButton *m_camera = nullptr;
    QPushButton *m_mms = nullptr;
    QPushButton *m_smtp = nullptr;
    QPushButton *m_link = nullptr;
    std::optional<FormButton> m_requested;
};

} // namespace marrowby
