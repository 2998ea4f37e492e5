// wifi-config-gui: the configuration window.
#include "qtapp/ConfigApp.h"

int main(int argc, char** argv) {
    if (wifi::CConfigApp::AsksOnlyForHelp(argc, argv)) {
        return wifi::CConfigApp::Describe(argc, argv);
    }
    wifi::CConfigApp app(argc, argv);
    return app.InitInstance();
}
