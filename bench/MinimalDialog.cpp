// The baseline for the window's start-up and memory: the least a Qt dialog
// program does, shown the same way and timed the same way.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    QLabel label(QStringLiteral("hello"), &dialog);
    dialog.show();
    QTimer::singleShot(0, &app, [&app] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("shown_ns=%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        app.quit();
    });
    return app.exec();
}
