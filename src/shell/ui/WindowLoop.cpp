#include "shell/ui/WindowLoop.h"

#include "app/AppState.h"
#include "shell/ui/MainWindow.h"

namespace marrowby {

WindowLoop::WindowLoop(Services *services)
    : m_ownServices(services ? nullptr : std::make_unique<DesktopServices>())
    , m_services(services ? services : m_ownServices.get())
{ }

void WindowLoop::start()
{
    openMainWindow();
}

void WindowLoop::show(QDialog *window)
{
    m_current = window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowLoop::openMainWindow()
{
    auto *window = new MainWindow;
    connect(window, &QDialog::finished, this, &WindowLoop::mainWindowEnded);
    show(window);
}

void WindowLoop::mainWindowEnded()
{
    auto *window = qobject_cast<MainWindow *>(sender());
    const auto request = window ? window->requestedForm() : std::nullopt;
    if (window)
        window->deleteLater();
    m_current = nullptr;
    QDialog *form = request
        ? createForm(*request, formContext(appState(), *m_services, m_cameraState))
        : nullptr;
    if (!form) {
        emit finished();
        return;
    }
    connect(form, &QDialog::finished, this, &WindowLoop::formEnded);
    show(form);
}

void WindowLoop::formEnded(int result)
{
    if (QObject *form = sender())
        form->deleteLater();
    m_current = nullptr;
    if (result == QDialog::Rejected)
        openMainWindow(); // the way back
    else
        emit finished();
}

} // namespace marrowby
