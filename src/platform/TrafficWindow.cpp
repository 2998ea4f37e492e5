#include "platform/TrafficWindow.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "protocol/Secrets.h"

namespace wifi {

void TrafficLog::Add(const QString& port, LineDirection direction, const std::string& line) {
    entries_.push_back({QDateTime::currentDateTime(), port, direction, line});
    if (entries_.size() > kMaxLines) {
        entries_.pop_front();
    }
    if (onAdded) {
        onAdded(entries_.back());
    }
}

TrafficWindow::TrafficWindow(TrafficLog& log, QWidget* parent) : QDialog(parent), log_(log) {
    setWindowTitle(tr("通信记录"));
    setObjectName(QStringLiteral("traffic"));
    view_ = new QPlainTextEdit(this);
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setMaximumBlockCount(static_cast<int>(TrafficLog::kMaxLines));
    view_->setFont(QFont(QStringLiteral("monospace")));
    unmask_ = new QCheckBox(tr("显示密钥"), this);
    unmask_->setToolTip(tr("显示网络密钥和网页密码；不勾选时显示为 ***"));
    auto* save = new QPushButton(tr("保存…"), this);
    auto* clear = new QPushButton(tr("清除"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(unmask_);
    buttons->addStretch();
    buttons->addWidget(clear);
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    resize(640, 360);
    connect(unmask_, &QCheckBox::toggled, this, &TrafficWindow::Rebuild);
    connect(save, &QPushButton::clicked, this, &TrafficWindow::OnSave);
    connect(clear, &QPushButton::clicked, this, [this] {
        log_.Clear();
        view_->clear();
    });
    log_.onAdded = [this](const TrafficLog::Entry& e) { view_->appendPlainText(Render(e)); };
    Rebuild();
}

TrafficWindow::~TrafficWindow() {
    log_.onAdded = nullptr;
}

QString TrafficWindow::Render(const TrafficLog::Entry& e) const {
    const std::string shown = unmask_->isChecked() ? e.line : MaskSecret(e.line);
    return QStringLiteral("%1 %2 %3 %4")
        .arg(e.time.toString(QStringLiteral("HH:mm:ss.zzz")), e.port,
             QChar(static_cast<char>(e.direction)), QString::fromStdString(VisibleBytes(shown)));
}

void TrafficWindow::Rebuild() {
    QStringList lines;
    for (const TrafficLog::Entry& e : log_.entries()) {
        lines << Render(e);
    }
    view_->setPlainText(lines.join(QLatin1Char('\n')));
}

QString TrafficWindow::Text() const {
    return view_->toPlainText();
}

bool TrafficWindow::SaveTo(const QString& path, QString& error) const {
    QSaveFile file(path);
    const QByteArray text = Text().toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

void TrafficWindow::OnSave() {
    const QString path =
        QFileDialog::getSaveFileName(this, tr("保存通信记录"), QString(), tr("文本文件 (*.txt)"));
    QString error;
    if (!path.isEmpty() && !SaveTo(path, error)) {
        QMessageBox::warning(this, windowTitle(), tr("无法保存 %1：%2").arg(path, error));
    }
}

}  // namespace wifi
