// wifi-config-gui: the configuration window.
#include "app/ConfigApp.h"

int main(int argc, char** argv) {
    wifi::CConfigApp app(argc, argv);
    return app.InitInstance();
}
