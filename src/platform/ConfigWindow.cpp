#include "platform/ConfigWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/Fields.h"
#include "platform/IpAddressEdit.h"
#include "platform/Messages.h"
#include "platform/PortComboBox.h"
#include "platform/SlimComboStyle.h"
#include "platform/TrafficWindow.h"
#include "platform/Translations.h"
#include "serial/CommError.h"

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

QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

ConfigWindow::ConfigWindow(const QStringList& namedPorts, int timeoutSeconds, QWidget* parent,
                           std::function<std::vector<SerialPortInfo>()> portSource)
    : QDialog(parent),
      font_(
          DialogFont(Text(ConfigDialogTemplate().fontName), ConfigDialogTemplate().fontPointSize)),
      units_(font_),
      comboStyle_(new SlimComboStyle(units_.ToX(6))),
      timeoutMs_(timeoutSeconds * 1000),
      clock_([this] { Handle([this] { dlg_->OnTimer(); }); }) {
    InitResources();
    comboStyle_->setParent(QCoreApplication::instance());
    const DialogTemplate& t = ConfigDialogTemplate();
    setWindowTitle(UiText(t.caption));
    setStyleSheet(QString::fromLatin1(kWindowStyle));
    setFont(font_);
    setFixedSize(units_.ToPixels(t.width, t.height));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    comm_ =
        std::make_unique<SerialComm>([this](int number) { return ports_->DeviceAt(number - 1); });
    BuildItems(namedPorts, std::move(portSource));
    controls_.SetWindow(this, windowTitle());
    trafficLog_ = std::make_unique<TrafficLog>();
    tapped_ = std::make_unique<TappedComm>(
        *comm_, [this](LineDirection direction, const std::string& line) {
            trafficLog_->Add(comm_->portName(), direction, line);
        });
    dlg_ = std::make_unique<CConfigDlg>(
        controls_, *tapped_, [](unsigned ms) { QThread::msleep(ms); }, clock_);
    dlg_->SetReplyTimeout(ReplyClock::Duration(timeoutMs_));
    progressEvents_ = std::make_unique<WriteProgress>(progress_);
    progressEvents_->onTimedOut = [this](const QString& awaited, bool incomplete) {
        // Shown once the handler has returned: the dialog's state is final.
        QTimer::singleShot(0, this,
                           [this, awaited, incomplete] { ShowTimedOut(awaited, incomplete); });
    };
    dlg_->SetEvents(progressEvents_.get());
    WireNotifications();
    if (dlg_->OnInitDialog()) {
        ports_->setFocus(Qt::OtherFocusReason);  // the first control of the tab order
    }
    ApplyPreferences(namedPorts);
    BuildActions();
}

ConfigWindow::~ConfigWindow() {
    delete traffic_;  // before the log it shows, which the members hold
}

void ConfigWindow::WireNotifications() {
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
    connect(comm_.get(), &SerialComm::portLost, this, &ConfigWindow::OnPortLost);
    encoding_->setCurrentIndex(encoding_->findData(int(controls_.encoding())));
    connect(encoding_, &QComboBox::currentIndexChanged, this, [this] {
        const auto lossy =
            controls_.SetEncoding(static_cast<TextEncoding>(encoding_->currentData().toInt()));
        if (!lossy.empty()) {
            progressEvents_->Note(tr("%1不是 %2 编码，显示为 \uFFFD，不修改则原样写回")
                                      .arg(FieldLabelOf(lossy.front()), encoding_->currentText()));
        }
    });
    controls_.onForeignText = [this](int id, std::optional<TextEncoding> detected) {
        OnForeignText(id, detected);
    };
}

void ConfigWindow::Handle(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const CommError& e) {
        ShowFailure(e);
    }
}

void ConfigWindow::ShowFailure(const CommError& error) {
    QMessageBox box(QMessageBox::Critical, windowTitle(), PortFailureText(error), QMessageBox::Ok,
                    this);
    // The system's own words, on a line of their own.
    const std::string detail = error.detail().empty() && error.kind() == CommFailure::Other
                                   ? std::string(error.what())
                                   : error.detail();
    box.setInformativeText(QString::fromLocal8Bit(detail.c_str()));
    box.exec();
}

void ConfigWindow::OnPortLost(const QString& description, const QString& detail) {
    (void)description;
    Handle([this] { dlg_->OnPortLost(); });
    progress_->clear();
    QMessageBox box(QMessageBox::Warning, windowTitle(), PortLostText(comm_->portName()),
                    QMessageBox::Ok, this);
    box.setInformativeText(detail);
    box.exec();
}

QString ConfigWindow::FieldLabelOf(int id) {
    for (const Field& f : FormFields()) {
        if (f.id == id) {
            return FieldText(f.label);
        }
    }
    return QString();
}

void ConfigWindow::OnForeignText(int id, std::optional<TextEncoding> detected) {
    const QString field = FieldLabelOf(id);
    const int index = detected ? encoding_->findData(int(*detected)) : -1;
    if (index >= 0) {
        // The choice follows the module, and says so.
        encoding_->setCurrentIndex(index);
        progressEvents_->Note(
            tr("%1是 %2 编码，已改用 %2 显示").arg(field, encoding_->itemText(index)));
    } else {
        progressEvents_->Note(
            tr("%1含有无法识别的字节（显示为 \uFFFD），不修改则原样写回").arg(field));
    }
}

void ConfigWindow::ShowTimedOut(const QString& awaited, bool incomplete) {
    const QString text = incomplete ? tr("串口 %1：模块的应答不完整，%2 秒内没有再收到数据：%3。")
                                          .arg(comm_->portName())
                                          .arg(timeoutMs_ / 1000)
                                          .arg(awaited)
                                    : tr("串口 %1：模块在 %2 秒内没有应答：%3。")
                                          .arg(comm_->portName())
                                          .arg(timeoutMs_ / 1000)
                                          .arg(awaited);
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box.setInformativeText(progress_->text());
    box.exec();
}

void ConfigWindow::reject() {
    if (dlg_->HasUnsavedEdits() &&
        QMessageBox::question(this, windowTitle(), tr("修改过的参数还没有写入模块。仍要关闭吗？"),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    QDialog::reject();
}

void ConfigWindow::keyPressEvent(QKeyEvent* event) {
    // Enter must not end the program; only Escape and the close box do.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace wifi
