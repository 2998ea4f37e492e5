// The window's context menu and shortcuts, and what it remembers between
// runs.
#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QToolButton>

#include "profile/Placement.h"
#include "qt/PortComboBox.h"
#include "qt/QtConfigWindow.h"
#include "qt/QtTextConverter.h"
#include "qt/SettingsStore.h"
#include "qt/TrafficWindow.h"
#include "qt/Translations.h"
#include "text/TextCodec.h"
#include "wording/Messages.h"
#include "wording/WindowTexts.h"

namespace wifi {

void QtConfigWindow::BuildActions() {
    auto add = [this](const QString& text, const QKeySequence& keys, auto slot) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);  // the shortcut works without the menu
        actions_ << action;
        return action;
    };
    add(UiText(kMenuExport), QKeySequence(Qt::CTRL | Qt::Key_S), &QtConfigWindow::OnExportProfile)
        ->setObjectName(QStringLiteral("exportProfile"));
    add(UiText(kMenuImport), QKeySequence(Qt::CTRL | Qt::Key_O), &QtConfigWindow::OnImportProfile)
        ->setObjectName(QStringLiteral("importProfile"));
    add(UiText(kMenuReadAgain), QKeySequence(Qt::Key_F5), &QtConfigWindow::OnReadAgain)
        ->setObjectName(QStringLiteral("readAgain"));
    add(UiText(kMenuTraffic), QKeySequence(Qt::CTRL | Qt::Key_L), [this] {
        traffic()->show();
        traffic()->raise();
    })->setObjectName(QStringLiteral("showTraffic"));
    auto* verify = add(UiText(kMenuVerify), QKeySequence(), [this](bool on) {
        preferences_.verify = on;
        dlg_->SetVerify(on);
        SettingsStore store;
        preferences_.Save(store);
    });
    verify->setObjectName(QStringLiteral("readBack"));
    verify->setCheckable(true);
    verify->setChecked(dlg_->verify());

    // The language takes effect the next time the window opens: every text
    // of the template is made once.
    auto* languages = new QActionGroup(this);
    for (const auto& [language, name] : {std::pair{Language::Chinese, QStringLiteral("中文")},
                                         std::pair{Language::English, QStringLiteral("English")}}) {
        auto* action = new QAction(name, languages);
        action->setCheckable(true);
        action->setChecked(CurrentLanguage() == language);
        action->setObjectName(QStringLiteral("language_") +
                              QString::fromLatin1(LanguageCode(language).data()));
        connect(action, &QAction::triggered, this, [this, language] {
            preferences_.language = std::string(LanguageCode(language));
            SettingsStore store;
            preferences_.Save(store);
            if (language != CurrentLanguage()) {
                QMessageBox::information(this, windowTitle(), Shown(LanguageNextTime()));
            }
        });
        actions_ << action;
    }

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("windowMenu"));
    QMenu* language = nullptr;
    for (QAction* action : actions_) {
        if (action->actionGroup()) {
            if (!language) {
                menu_->addSeparator();
                language = menu_->addMenu(UiText(kMenuLanguage));
            }
            language->addAction(action);
        } else {
            menu_->addAction(action);
        }
    }
    menuButton_->setMenu(menu_);
    // Shift+F10 and the Menu key reach the field that has the focus first:
    // an edit field would open its own edit menu.
    for (QWidget* w : findChildren<QWidget*>()) {
        w->installEventFilter(this);
    }
}

void QtConfigWindow::OnReadAgain() {
    if (dlg_->HasUnsavedEdits() &&
        QMessageBox::question(this, windowTitle(), Shown(ReadAgainQuestion()),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    Handle([this] { dlg_->ReadAgain(); });
}

TrafficWindow* QtConfigWindow::traffic() {
    if (!traffic_) {
        traffic_ = new TrafficWindow(
            history_,
            [this](std::string_view bytes) {
                return TextCodec(controls_.encoding(), QtTextConverters()).Decode(bytes);
            },
            this);
    }
    return traffic_;
}

void QtConfigWindow::PopUpMenu(const QPoint& globalPos) {
    menu_->popup(globalPos);
}

void QtConfigWindow::contextMenuEvent(QContextMenuEvent* event) {
    PopUpMenu(event->globalPos());
}

bool QtConfigWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == progress_ && progressCut_ && event->type() == QEvent::MouseButtonRelease) {
        QMessageBox::information(this, windowTitle(), progressText_);
        return true;
    }
    // Asked of every event of every field: the cheap test first.
    bool menuKey = false;
    if (event->type() == QEvent::ContextMenu) {
        menuKey = static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        menuKey = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!menuKey || !widget || widget == menu_ || menu_->isAncestorOf(widget)) {
        return QDialog::eventFilter(watched, event);
    }
    // Where the keyboard asks, the menu opens at the field that has the focus.
    PopUpMenu(widget->mapToGlobal(QPoint(0, widget->height())));
    return true;
}

void QtConfigWindow::ApplyPreferences(const QStringList& namedPorts) {
    preferences_ = Preferences::Load(SettingsStore());
    if (!namedPorts.isEmpty()) {
        ports_->Choose(namedPorts.first());
    } else {
        // The adapter by its serial number first: it may be back as another
        // ttyUSBn.
        ports_->Choose(QString::fromStdString(preferences_.port),
                       QString::fromStdString(preferences_.portSerial));
    }
    dlg_->SetVerify(preferences_.verify);
    if (preferences_.encoding) {
        const int index = encoding_->findData(int(*preferences_.encoding));
        if (index >= 0) {
            encoding_->setCurrentIndex(index);
        }
    }
    // Where it was if it then lies on a screen, else centred on the primary
    // one.
    std::vector<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const ScreenArea s{area.left(), area.top(), area.left() + area.width(),
                           area.top() + area.height()};
        if (screen == QGuiApplication::primaryScreen()) {
            screens.insert(screens.begin(), s);
        } else {
            screens.push_back(s);
        }
    }
    const QSize frame = sizeHint().expandedTo(size());
    const auto [x, y] = WindowPlace(preferences_.position, frame.width(), frame.height(), screens);
    move(x, y);
}

void QtConfigWindow::done(int result) {
    if (!ports_->Device().isEmpty()) {
        preferences_.port = ports_->Device().toStdString();
        preferences_.portSerial = ports_->SerialNumber().toStdString();
    }
    preferences_.position = std::pair{pos().x(), pos().y()};
    preferences_.encoding = controls_.encoding();
    SettingsStore store;
    preferences_.Save(store);
    if (traffic_) {
        traffic_->close();
    }
    QDialog::done(result);
}

}  // namespace wifi
