#include "qtapp/ConfigApp.h"

#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string_view>

#include "Version.h"
#include "protocol/ReplyTimeout.h"
#include "qt/QtConfigWindow.h"
#include "qt/SettingsStore.h"
#include "qt/Translations.h"
#include "window/WindowSession.h"

namespace wifi {

CConfigApp::CConfigApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("wifi-config-gui"));
    setApplicationVersion(QString::fromLatin1(kVersion));
    setWindowIcon(QIcon(QStringLiteral(":/res/app.ico")));
}

namespace {

// The options the window takes, described for --help and the manual page.
struct Options {
    QCommandLineOption port, timeout, lang;
};

Options Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Reads a Wi-Fi serial module's configuration into a form, lets you edit it, and\n"
        "writes it back over the serial port (19200 baud, 8N1).\n"
        "\n"
        "The window:\n"
        "  Choose the port and press Connect (连接模块): the module's whole\n"
        "  configuration fills the form, and the button reads Disconnect (断开).\n"
        "  Edit the form and press Submit (提交参数): every parameter is written,\n"
        "  one acknowledged command at a time, then saved; the line beside the\n"
        "  button names each step and says whether anything was saved.\n"
        "\n"
        "The menu:\n"
        "  The Menu (菜单) button, a right click on the form, Shift+F10 or the Menu\n"
        "  key open it: export the form to a JSON profile (Ctrl+S), import one\n"
        "  (Ctrl+O), read the module again (F5), the traffic log of every line\n"
        "  sent and received (Ctrl+L), and the language. Profiles are the files\n"
        "  wifi-config reads and writes.\n"
        "\n"
        "Settings:\n"
        "  The port, the window's position, the encoding and the language are\n"
        "  kept in ~/.config/wifi-config/wifi-config-gui.conf."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Adds DEVICE (a pseudo-terminal, say) to the port list and selects it. "
                       "May be given more than once; the first is selected."),
        QStringLiteral("DEVICE"));
    parser.addOption(port);
    QCommandLineOption timeout(
        QStringLiteral("timeout"),
        QStringLiteral("How long to wait for each answer of the module (default %1). When it "
                       "does not come, the window says which and on which port.")
            .arg(QtConfigWindow::kDefaultTimeoutSeconds),
        QStringLiteral("SECONDS"), QString::number(QtConfigWindow::kDefaultTimeoutSeconds));
    parser.addOption(timeout);
    QCommandLineOption lang(
        QStringLiteral("lang"),
        QStringLiteral("The window's language: zh (Chinese) or en (English). Without it, the "
                       "language last chosen in the window, else the locale's: Chinese for zh* "
                       "and C, English for any other."),
        QStringLiteral("zh|en"));
    parser.addOption(lang);
    return {port, timeout, lang};
}

}  // namespace

bool CConfigApp::AsksOnlyForHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "-?" || arg == "--help-all" ||
            arg == "--version" || arg == "-v") {
            return true;
        }
    }
    return false;
}

int CConfigApp::Describe(int& argc, char** argv) {
    // No window, so no display: help2man, package scripts and a user on a
    // server can ask.
    QCoreApplication core(argc, argv);
    core.setApplicationName(QStringLiteral("wifi-config-gui"));
    core.setApplicationVersion(QString::fromLatin1(kVersion));
    QCommandLineParser parser;
    ::wifi::Describe(parser);
    parser.process(core);  // prints the help or the version, and exits
    return 0;
}

int CConfigApp::InitInstance() {
    QCommandLineParser parser;
    const auto [port, timeout, lang] = ::wifi::Describe(parser);
    parser.process(*this);
    if (!parser.positionalArguments().isEmpty()) {
        parser.showHelp(2);
    }
    const auto parsed = ParseReplyTimeout(parser.value(timeout).toStdString());
    if (!parsed) {
        std::fprintf(stderr,
                     "wifi-config-gui: --timeout: not a number of seconds from 0.1 to 3600: %s\n",
                     qPrintable(parser.value(timeout)));
        return 2;
    }
    const double seconds = static_cast<double>(parsed->count()) / 1000.0;
    std::optional<Language> asked;
    if (parser.isSet(lang)) {
        asked = LanguageNamed(parser.value(lang).toStdString());
        if (!asked) {
            std::fprintf(stderr, "wifi-config-gui: --lang: zh or en, not %s\n",
                         qPrintable(parser.value(lang)));
            return 2;
        }
    }
    // Qt's own default is the system's locale; the environment's words come first.
    std::string locale = EnvironmentLocale();
    if (locale.empty()) {
        locale = QLocale::system().name().toStdString();
    }
    std::string why;
    const Language language =
        StartLanguage(asked, SettingsStore(), locale, ChineseFontInstalled, why);
    if (!why.empty()) {
        std::fprintf(stderr, "wifi-config-gui: %s\n", why.c_str());
    }
    InstallTranslations(*this, language);

    QtConfigWindow window(parser.values(port), seconds);
    window.show();
    if (qEnvironmentVariableIsSet("WIFI_CONFIG_EXIT_WHEN_SHOWN")) {
        // For the start-up benchmark: once the shown window has been drawn,
        // tell the steady clock's time and end.
        QTimer::singleShot(0, this, [] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("shown_ns=%lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return exec();
}

}  // namespace wifi
