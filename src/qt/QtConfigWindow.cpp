#include "qt/QtConfigWindow.h"

#include <QFontMetrics>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QThread>
#include <QVBoxLayout>

#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/Fields.h"
#include "qt/IpAddressEdit.h"
#include "qt/PortComboBox.h"
#include "qt/SettingsStore.h"
#include "qt/SlimComboStyle.h"
#include "qt/TrafficWindow.h"
#include "qt/Translations.h"
#include "serial/CommError.h"
#include "wording/Messages.h"
#include "wording/WindowTexts.h"

// The icon and banner live in the platform library's resources.
static void InitResources() {
    Q_INIT_RESOURCE(app);
}

namespace wifi {

namespace {

QString Utf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

QtConfigWindow::QtConfigWindow(const QStringList& namedPorts, double timeoutSeconds,
                               QWidget* parent, PortSource portSource)
    : QDialog(parent),
      font_(
          DialogFont(Utf8(ConfigDialogTemplate().fontName), ConfigDialogTemplate().fontPointSize)),
      units_(font_),
      comboStyle_(new SlimComboStyle(units_.ToX(6))),
      store_(std::make_unique<SettingsStore>()),
      clock_([this] { Handle([this] { dlg_->OnTimer(); }); }) {
    InitResources();
    comboStyle_->setParent(QCoreApplication::instance());
    const DialogTemplate& t = ConfigDialogTemplate();
    setWindowTitle(UiText(t.caption));
    setFont(font_);
    form_ = new QWidget(this);
    form_->setFixedSize(units_.ToPixels(t.width, t.height));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    comm_ =
        std::make_unique<SerialComm>([this](int number) { return ports_->DeviceAt(number - 1); });
    tapped_ = std::make_unique<TappedComm>(
        *comm_, [this](LineDirection direction, const std::string& line) {
            session_->Tap(direction, line);
        });
    dlg_ = std::make_unique<CConfigDlg>(
        controls_, *tapped_, [](unsigned ms) { QThread::msleep(ms); }, clock_);
    WindowStart start{CurrentLanguage(), {}, {}, ThisSystem(), std::move(portSource)};
    for (const QString& port : namedPorts) {
        start.namedPorts.push_back(port.toStdString());
    }
    start.timeout = ReplyClock::Duration(static_cast<long long>(timeoutSeconds * 1000 + 0.5));
    session_ = std::make_unique<WindowSession>(static_cast<WindowShell&>(*this), *dlg_, controls_,
                                               controls_, QtTextConverters(), std::move(start));
    BuildItems();
    FitToScreen();
    controls_.SetWindow(this, windowTitle());
    WireNotifications();
    session_->Start();
    ports_->setFocus(Qt::OtherFocusReason);  // the first control of the tab order
    const QSize frame = sizeHint().expandedTo(size());
    const auto [x, y] = session_->Place(frame.width(), frame.height());
    move(x, y);
    BuildActions();
}

QtConfigWindow::~QtConfigWindow() {
    delete traffic_;  // before the log it shows, which the members hold
}

void QtConfigWindow::WireNotifications() {
    for (const DialogItem& item : ConfigDialogTemplate().items) {
        const int id = item.id;
        QWidget* w = controls_.Widget(id);
        if (!w) {
            continue;
        }
        auto dispatch = [this, id](Notification code) {
            Handle([this, id, code] { dlg_->Dispatch(id, code); });
        };
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            connect(button, &QPushButton::clicked, this,
                    [dispatch] { dispatch(Notification::Clicked); });
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            connect(check, &QCheckBox::clicked, this,
                    [dispatch] { dispatch(Notification::Clicked); });
        } else if (auto* box = qobject_cast<QComboBox*>(w)) {
            // activated: the user's choice only; selecting from code raises nothing.
            connect(box, &QComboBox::activated, this,
                    [dispatch] { dispatch(Notification::SelChange); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            connect(edit, &QLineEdit::textChanged, this,
                    [dispatch] { dispatch(Notification::EditChange); });
        } else if (auto* address = qobject_cast<IpAddressEdit*>(w)) {
            connect(address, &IpAddressEdit::fieldChanged, this,
                    [dispatch] { dispatch(Notification::FieldChanged); });
        }
    }
    connect(comm_.get(), &SerialComm::commEvent, this,
            [this] { Handle([this] { dlg_->OnCommEvent(); }); });
    connect(comm_.get(), &SerialComm::portLost, this,
            [this](const QString&, const QString& detail) {
                session_->PortLost(detail.toStdString());
            });
    connect(encoding_, &QComboBox::currentIndexChanged, this, [this] {
        session_->EncodingChosen(static_cast<TextEncoding>(encoding_->currentData().toInt()));
    });
    controls_.onForeignText = [this](int id, std::optional<TextEncoding> detected) {
        session_->ForeignText(id, detected);
    };
}

void QtConfigWindow::FitToScreen() {
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);  // the controls take it, and are scrolled to
    scroll->setWidget(form_);
    scroll->setWidgetResizable(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    // The title bar and the frame the window system adds take room too.
    constexpr QSize kFrameAllowance(16, 48);
    const QSize form = form_->size();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() - kFrameAllowance : form;
    const QSize fitted =
        FittedSize(form, available, style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    if (fitted == form) {
        setFixedSize(form);
        return;
    }
    // At 200 % on a 1080-line screen the form is taller than the screen: the
    // window takes what there is, and scrolls; it can grow back to the form.
    setMinimumSize(fitted.boundedTo(QSize(200, 200)));
    setMaximumSize(form + (fitted - form).expandedTo(QSize(0, 0)) +
                   QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                         style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
    resize(fitted);
}

void QtConfigWindow::Handle(const std::function<void()>& handler) {
    session_->Run(handler);
}

void QtConfigWindow::ShowProgress(const std::string& message, bool problem) {
    const QString text = QString::fromStdString(message);
    // No message is cut: what does not fit shows its start, and a click
    // shows all of it.
    const QFontMetrics metrics(progress_->font());
    const auto fits = [&](const QString& shown) {
        return metrics
                   .boundingRect(QRect(0, 0, progress_->width(), 1 << 20), Qt::TextWordWrap, shown)
                   .height() <= progress_->height();
    };
    progressCut_ = !fits(text);
    QString shown = text;
    if (progressCut_) {
        const QString more = UiText(kProgressMore);
        qsizetype keep = text.size();
        while (keep > 0 && !fits(text.left(keep) + more)) {
            --keep;
        }
        shown = text.left(keep) + more;
    }
    progress_->setText(shown);
    progress_->setToolTip(text);
    progress_->setCursor(progressCut_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QPalette colours = palette();
    if (problem) {
        colours.setColor(QPalette::WindowText, QColor(0xb0, 0x00, 0x20));
    }
    progress_->setPalette(colours);
}

void QtConfigWindow::Tell(const BoxText& text, BoxKind kind) {
    const QMessageBox::Icon icon = kind == BoxKind::Error     ? QMessageBox::Critical
                                   : kind == BoxKind::Warning ? QMessageBox::Warning
                                                              : QMessageBox::Information;
    QMessageBox box(icon, QString::fromStdString(text.title), QString::fromStdString(text.text),
                    QMessageBox::NoButton, this);
    box.setInformativeText(QString::fromStdString(text.more));
    box.addButton(UiText(kAnswerOk), QMessageBox::AcceptRole);
    box.exec();
}

bool QtConfigWindow::Ask(const QuestionText& question) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(question.title),
                    QString::fromStdString(question.text), QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(QString::fromStdString(question.yes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QString::fromStdString(question.no), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void QtConfigWindow::ShowTitle(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}

void QtConfigWindow::ShowEncoding(TextEncoding encoding) {
    const QSignalBlocker quiet(encoding_);
    encoding_->setCurrentIndex(encoding_->findData(int(encoding)));
}

void QtConfigWindow::ShowPorts() {
    ports_->Show();
}

void QtConfigWindow::Later(std::function<void()> task) {
    QTimer::singleShot(0, this, std::move(task));
}

PreferenceStore& QtConfigWindow::Store() {
    return *store_;
}

void QtConfigWindow::reject() {
    if (session_->MayClose()) {
        QDialog::reject();
    }
}

bool QtConfigWindow::event(QEvent* event) {
    // Asking the system for its ports takes long: once the window is drawn.
    if (event->type() == QEvent::Paint && !portsAsked_) {
        portsAsked_ = true;
        QTimer::singleShot(0, this, [this] { session_->FindPorts(); });
    }
    return QDialog::event(event);
}

void QtConfigWindow::keyPressEvent(QKeyEvent* event) {
    // Enter must not end the program; only Escape and the close box do.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace wifi
