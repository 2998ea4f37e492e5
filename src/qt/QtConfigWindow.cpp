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

// Group box captions sit on the frame's top line, as the dialog's do.
constexpr const char* kWindowStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }";

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
      timeoutMs_(static_cast<int>(timeoutSeconds * 1000 + 0.5)),
      clock_([this] { Handle([this] { dlg_->OnTimer(); }); }) {
    InitResources();
    comboStyle_->setParent(QCoreApplication::instance());
    const DialogTemplate& t = ConfigDialogTemplate();
    setWindowTitle(UiText(t.caption));
    setStyleSheet(QString::fromLatin1(kWindowStyle));
    setFont(font_);
    form_ = new QWidget(this);
    form_->setFixedSize(units_.ToPixels(t.width, t.height));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    comm_ =
        std::make_unique<SerialComm>([this](int number) { return ports_->DeviceAt(number - 1); });
    BuildItems(namedPorts, std::move(portSource));
    FitToScreen();
    controls_.SetWindow(this, windowTitle());
    tapped_ = std::make_unique<TappedComm>(
        *comm_, [this](LineDirection direction, const std::string& line) {
            history_.Add(comm_->portName().toStdString(), direction, line);
        });
    dlg_ = std::make_unique<CConfigDlg>(
        controls_, *tapped_, [](unsigned ms) { QThread::msleep(ms); }, clock_);
    dlg_->SetReplyTimeout(ReplyClock::Duration(timeoutMs_));
    progressLine_.SetTimeout(ReplyClock::Duration(timeoutMs_));
    progressLine_.show = [this](const Message& m) { ShowProgress(m); };
    // The connection at a glance: the port and the line's settings.
    progressLine_.connection = [this](bool connected) {
        setWindowTitle(Shown(WindowTitle(ConfigDialogTemplate().caption,
                                         comm_->portName().toStdString(), connected)));
    };
    progressLine_.alert = [this](const Message& m) {
        // Shown once the handler has returned: the dialog's state is final.
        const Message onPort{OnPort(comm_->portName().toStdString(), m.text), true, m.detail,
                             m.next};
        QTimer::singleShot(0, this, [this, onPort] { ShowMessageBox(onPort, true); });
    };
    dlg_->SetEvents(&progressLine_);
    WireNotifications();
    if (dlg_->OnInitDialog()) {
        ports_->setFocus(Qt::OtherFocusReason);  // the first control of the tab order
    }
    ApplyPreferences(namedPorts);
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
    connect(comm_.get(), &SerialComm::portLost, this, &QtConfigWindow::OnPortLost);
    encoding_->setCurrentIndex(encoding_->findData(int(controls_.encoding())));
    connect(encoding_, &QComboBox::currentIndexChanged, this, [this] {
        const auto lossy =
            controls_.SetEncoding(static_cast<TextEncoding>(encoding_->currentData().toInt()));
        if (!lossy.empty()) {
            progressLine_.Note(
                TextNotInChosenEncoding(FieldOfControl(lossy.front()), controls_.encoding()));
        }
    });
    controls_.onForeignText = [this](int id, std::optional<TextEncoding> detected) {
        OnForeignText(id, detected);
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
    try {
        handler();
    } catch (const CommError& e) {
        ShowMessageBox(PortFailure(e), false);
    }
}

void QtConfigWindow::ShowProgress(const Message& message) {
    const QString text = Shown(message);
    progressText_ = text;
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
    progress_->setStyleSheet(message.problem ? QStringLiteral("color: #b00020;") : QString());
}

void QtConfigWindow::ShowMessageBox(const Message& message, bool warning) {
    // What happened, then what to do next; the system's own words on a line
    // of their own below.
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Critical, windowTitle(),
                    Shown(Message{message.text, message.problem, {}, {}}), QMessageBox::Ok, this);
    QString more = Shown(Message{message.next, false, {}, {}});
    if (!message.detail.empty()) {
        more += (more.isEmpty() ? QString() : QStringLiteral("\n")) +
                QString::fromStdString(message.detail);
    }
    box.setInformativeText(more);
    box.exec();
}

void QtConfigWindow::OnPortLost(const QString& description, const QString& detail) {
    (void)description;
    // The progress line says what became of a write; the message, that the
    // device is gone, with the system's words below.
    Handle([this] { dlg_->OnPortLost(); });
    if (dlg_->AwaitingModuleReturn()) {
        return;  // a module restarting after its save: it is read back when back
    }
    ShowMessageBox(PortLost(comm_->portName().toStdString(), detail.toStdString()), true);
}

void QtConfigWindow::OnForeignText(int id, std::optional<TextEncoding> detected) {
    const int index = detected ? encoding_->findData(int(*detected)) : -1;
    if (index >= 0) {
        // The choice follows the module, and says so.
        encoding_->setCurrentIndex(index);
        progressLine_.Note(TextInOtherEncoding(FieldOfControl(id), *detected));
    } else {
        progressLine_.Note(TextInNoEncoding(FieldOfControl(id)));
    }
}

void QtConfigWindow::reject() {
    if (dlg_->HasUnsavedEdits() &&
        QMessageBox::question(this, windowTitle(), Shown(UnsavedEditsQuestion()),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    QDialog::reject();
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
