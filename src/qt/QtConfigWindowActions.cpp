// The window's context menu and shortcuts, and what it remembers between
// runs.
#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QToolButton>

#include "qt/PortComboBox.h"
#include "qt/QtConfigWindow.h"
#include "qt/TrafficWindow.h"
#include "qt/Translations.h"
#include "qt/WindowInput.h"
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
    add(UiText(kMenuExport), QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
        session_->ExportProfile();
    })->setObjectName(QStringLiteral("exportProfile"));
    add(UiText(kMenuImport), QKeySequence(Qt::CTRL | Qt::Key_O), [this] {
        WindowInput input(controls_, [this](int id, Notification code) {
            Handle([this, id, code] { dlg_->Dispatch(id, code); });
        });
        session_->ImportProfile(input);
    })->setObjectName(QStringLiteral("importProfile"));
    add(UiText(kMenuReadAgain), QKeySequence(Qt::Key_F5), &QtConfigWindow::OnReadAgain)
        ->setObjectName(QStringLiteral("readAgain"));
    add(UiText(kMenuTraffic), QKeySequence(Qt::CTRL | Qt::Key_L), [this] {
        traffic()->show();
        traffic()->raise();
    })->setObjectName(QStringLiteral("showTraffic"));
    auto* verify =
        add(UiText(kMenuVerify), QKeySequence(), [this](bool on) { session_->SetVerify(on); });
    verify->setObjectName(QStringLiteral("readBack"));
    verify->setCheckable(true);
    verify->setChecked(dlg_->verify());

    auto* languages = new QActionGroup(this);
    for (const auto& [language, name] : {std::pair{Language::Chinese, QStringLiteral("中文")},
                                         std::pair{Language::English, QStringLiteral("English")}}) {
        auto* action = new QAction(name, languages);
        action->setCheckable(true);
        action->setChecked(CurrentLanguage() == language);
        action->setObjectName(QStringLiteral("language_") +
                              QString::fromLatin1(LanguageCode(language).data()));
        connect(action, &QAction::triggered, this,
                [this, language] { session_->ChooseLanguage(language); });
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
    session_->ReadAgain();
}

TrafficWindow* QtConfigWindow::traffic() {
    if (!traffic_) {
        traffic_ = new TrafficWindow(*session_, this);
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
        session_->ShowWholeProgress();
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

std::vector<ScreenArea> QtConfigWindow::Screens() const {
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
    return screens;
}

std::optional<std::string> QtConfigWindow::ChooseFile(const FileChoice& choice) {
    const QString title = QString::fromStdString(choice.title);
    const QString filter = QString::fromStdString(choice.filter);
    const QString path =
        choice.save
            ? QFileDialog::getSaveFileName(this, title, QString::fromStdString(choice.suggested),
                                           filter)
            : QFileDialog::getOpenFileName(this, title, QString(),
                                           filter + QStringLiteral(";;") + UiText(kAllFilesFilter));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

void QtConfigWindow::done(int result) {
    session_->Closed({pos().x(), pos().y()});
    if (traffic_) {
        traffic_->close();
    }
    QDialog::done(result);
}

}  // namespace wifi
