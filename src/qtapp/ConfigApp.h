#pragma once

#include <QApplication>

namespace wifi {

// The application: one window, the configuration dialog, run until it closes.
class CConfigApp : public QApplication {
    Q_OBJECT
  public:
    CConfigApp(int& argc, char** argv);

    // Parses the command line, shows the window, runs it; the exit status.
    int InitInstance();

    // --help or --version asked: they are answered without a window.
    static bool AsksOnlyForHelp(int argc, char** argv);
    static int Describe(int& argc, char** argv);
};

}  // namespace wifi
