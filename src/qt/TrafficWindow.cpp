#include "qt/TrafficWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "qt/Translations.h"
#include "wording/WindowTexts.h"

namespace wifi {

TrafficWindow::TrafficWindow(WindowSession& session, QWidget* parent)
    : QDialog(parent), session_(session), log_(session.traffic()) {
    setWindowTitle(UiText(kTrafficTitle));
    setObjectName(QStringLiteral("traffic"));
    view_ = new QPlainTextEdit(this);
    view_->setReadOnly(true);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setMaximumBlockCount(static_cast<int>(TrafficHistory::kMaxLines));
    view_->setFont(QFont(QStringLiteral("monospace")));
    unmask_ = new QCheckBox(UiText(kTrafficUnmask), this);
    unmask_->setToolTip(UiText(kTrafficUnmaskTip));
    hex_ = new QCheckBox(UiText(kTrafficHex), this);
    hex_->setToolTip(UiText(kTrafficHexTip));
    auto* save = new QPushButton(UiText(kTrafficSave), this);
    auto* clear = new QPushButton(UiText(kTrafficClear), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(unmask_);
    buttons->addWidget(hex_);
    buttons->addStretch();
    buttons->addWidget(clear);
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    resize(760, 360);
    connect(unmask_, &QCheckBox::toggled, this, &TrafficWindow::Rebuild);
    connect(hex_, &QCheckBox::toggled, this, &TrafficWindow::Rebuild);
    connect(save, &QPushButton::clicked, this,
            [this] { session_.SaveTraffic(unmask_->isChecked(), hex_->isChecked()); });
    connect(clear, &QPushButton::clicked, this, [this] {
        log_.Clear();
        view_->clear();
    });
    log_.onAdded = [this](const TrafficHistory::Entry& e) { Append(e); };
    Rebuild();
}

TrafficWindow::~TrafficWindow() {
    log_.onAdded = nullptr;
}

QString TrafficWindow::Render(const TrafficHistory::Entry& e) const {
    const TrafficHistory::View shown =
        session_.TrafficView(unmask_->isChecked(), hex_->isChecked());
    return QString::fromStdString(TrafficHistory::Render(e, shown));
}

bool TrafficWindow::AtBottom() const {
    const QScrollBar* bar = view_->verticalScrollBar();
    return bar->value() >= bar->maximum();
}

void TrafficWindow::ScrollToBottom() {
    view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
}

void TrafficWindow::Append(const TrafficHistory::Entry& e) {
    // A user who scrolled up to read keeps the place.
    const bool follow = AtBottom();
    const int kept = view_->verticalScrollBar()->value();
    view_->appendPlainText(Render(e));
    if (follow) {
        ScrollToBottom();
    } else {
        view_->verticalScrollBar()->setValue(kept);
    }
}

void TrafficWindow::Rebuild() {
    QStringList lines;
    for (const TrafficHistory::Entry& e : log_.entries()) {
        lines << Render(e);
    }
    view_->setPlainText(lines.join(QLatin1Char('\n')));
    ScrollToBottom();
}

void TrafficWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ScrollToBottom();
}

QString TrafficWindow::Text() const {
    return view_->toPlainText();
}

}  // namespace wifi
