#pragma once

class QCoreApplication;

namespace wifi {

// Loads Qt's own translations for the window's language (Simplified Chinese),
// so that standard buttons and dialogs read "确定", not "OK". False when they
// are not installed; the window then works with Qt's English buttons.
bool InstallQtTranslations(QCoreApplication& app);

}  // namespace wifi
