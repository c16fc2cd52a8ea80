// Median time from process start until the first window is shown, for the main
// window and for a dialog with a label, a list and a button (the floor of any
// window with text), under the offscreen platform.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double startupMilliseconds(const QString &program)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    while (process.waitForReadyRead(10000)) {
        if (process.readAllStandardOutput().contains("shown"))
            break;
    }
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    process.waitForFinished(10000);
    return elapsed;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    std::vector<double> mainWindow;
    std::vector<double> textDialog;
    // Interleaved so that both see the same machine load.
    for (int i = 0; i < runs; ++i) {
        textDialog.push_back(startupMilliseconds(QStringLiteral(TEXT_DIALOG_TARGET)));
        mainWindow.push_back(startupMilliseconds(QStringLiteral(MAIN_WINDOW_TARGET)));
    }
    const double window = median(mainWindow);
    const double floor = median(textDialog);
    std::printf("runs: %d\n", runs);
    std::printf("dialog with text, median ms: %.1f\n", floor);
    std::printf("main window, median ms:      %.1f\n", window);
    std::printf("ratio: %.2f\n", window / floor);
    return 0;
}
