#include "platform/TrafficWindow.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "platform/Translations.h"
#include "wording/Messages.h"
#include "wording/WindowTexts.h"

namespace wifi {

TrafficWindow::TrafficWindow(TrafficHistory& log, QWidget* parent) : QDialog(parent), log_(log) {
    setWindowTitle(UiText(kTrafficTitle));
    setObjectName(QStringLiteral("traffic"));
    view_ = new QPlainTextEdit(this);
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setMaximumBlockCount(static_cast<int>(TrafficHistory::kMaxLines));
    view_->setFont(QFont(QStringLiteral("monospace")));
    unmask_ = new QCheckBox(UiText(kTrafficUnmask), this);
    unmask_->setToolTip(UiText(kTrafficUnmaskTip));
    auto* save = new QPushButton(UiText(kTrafficSave), this);
    auto* clear = new QPushButton(UiText(kTrafficClear), this);
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
    log_.onAdded = [this](const TrafficHistory::Entry& e) { view_->appendPlainText(Render(e)); };
    Rebuild();
}

TrafficWindow::~TrafficWindow() {
    log_.onAdded = nullptr;
}

QString TrafficWindow::Render(const TrafficHistory::Entry& e) const {
    return QString::fromStdString(TrafficHistory::Render(e, unmask_->isChecked()));
}

void TrafficWindow::Rebuild() {
    QStringList lines;
    for (const TrafficHistory::Entry& e : log_.entries()) {
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
    const QString path = QFileDialog::getSaveFileName(this, UiText(kTrafficSaveTitle), QString(),
                                                      UiText(kTextFilter));
    QString error;
    if (!path.isEmpty() && !SaveTo(path, error)) {
        QMessageBox::warning(this, windowTitle(),
                             Shown(FileNotSaved(path.toStdString(), error.toStdString())));
    }
}

}  // namespace wifi
