#include "qt/IpAddressEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <utility>

#include "protocol/Address.h"

namespace wifi {

namespace {

// A dot takes the room of its ink, not of a whole character cell: in a font
// of even widths that leaves the fields room for "255" at the dialog's size.
int DotWidth(const QFontMetrics& fm) {
    return fm.tightBoundingRect(QStringLiteral(".")).width() + 2;
}

}  // namespace

IpAddressEdit::IpAddressEdit(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 0, 1, 0);
    layout->setSpacing(0);
    auto* validator =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            // The dots take no more room than they need: the fields get it.
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setAlignment(Qt::AlignCenter);
            dot->setFixedWidth(DotWidth(dot->fontMetrics()));
            layout->addWidget(dot);
        }
        auto* f = new QLineEdit(this);
        // The fields show the frame's background: no panel of their own (and
        // no style sheet, which costs every widget of the window its start-up).
        f->setFrame(false);
        QPalette clear = f->palette();
        clear.setColor(QPalette::Base, Qt::transparent);
        f->setPalette(clear);
        f->setTextMargins(0, 0, 0, 0);
        f->setContentsMargins(0, 0, 0, 0);
        f->setAlignment(Qt::AlignCenter);
        f->setValidator(validator);
        f->setMinimumWidth(0);
        f->installEventFilter(this);
        // Tab leaves the whole control; the fields are reached by typing.
        f->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        connect(f, &QLineEdit::textEdited, this, [this, i] { OnEdited(i); });
        fields_[static_cast<std::size_t>(i)] = f;
        layout->addWidget(f, 1);
    }
    setFocusProxy(fields_[0]);
    setFocusPolicy(Qt::StrongFocus);
}

bool IpAddressEdit::isBlank() const {
    for (auto* f : fields_) {
        if (!f->text().isEmpty()) {
            return false;
        }
    }
    return true;
}

std::array<std::uint8_t, 4> IpAddressEdit::address() const {
    std::array<std::uint8_t, 4> a{};
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] = static_cast<std::uint8_t>(std::min(fields_[i]->text().toInt(), 255));
    }
    return a;
}

void IpAddressEdit::setAddress(const std::array<std::uint8_t, 4>& address) {
    for (std::size_t i = 0; i < address.size(); ++i) {
        fields_[i]->setText(QString::number(address[i]));
    }
}

void IpAddressEdit::clear() {
    for (auto* f : fields_) {
        f->clear();
    }
}

void IpAddressEdit::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    FitFont();
}

void IpAddressEdit::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        FitFont();
    }
}

void IpAddressEdit::FitFont() {
    // Each field needs three digits and a frameless line edit's margins of
    // two pixels a side; each dot its ink and a pixel either side. The dialog's font fits every
    // address control of the form; a narrower one shrinks it, never below 6 points.
    QFont fitted = font();
    const auto needed = [](const QFont& f) {
        const QFontMetrics fm(f);
        return 4 * (fm.horizontalAdvance(QStringLiteral("255")) + 4) + 3 * DotWidth(fm);
    };
    while (needed(fitted) > contentsRect().width() && fitted.pointSizeF() > 6) {
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    }
    for (auto* f : fields_) {
        f->setFont(fitted);
    }
}

void IpAddressEdit::FocusField(int index) {
    if (index >= 0 && index < 4) {
        auto* f = field(index);
        f->setFocus(Qt::OtherFocusReason);
        f->selectAll();
    }
}

void IpAddressEdit::OnEdited(int index) {
    auto* f = field(index);
    if (f->text().toInt() > 255) {
        f->setText(QStringLiteral("255"));
    }
    emit fieldChanged(index);
    if (f->text().size() == 3 && f->cursorPosition() == 3 && index < 3) {
        FocusField(index + 1);
        movedOn_ = true;
    }
}

bool IpAddressEdit::Paste() {
    const QString text = QApplication::clipboard()->text().trimmed();
    const auto address = ScanDottedAddress(text.toStdString());
    if (!address || QString::fromStdString(FormatDottedAddress(*address)) != text) {
        return false;  // not a whole address: pasted into the field as it is
    }
    setAddress(*address);
    for (int i = 0; i < 4; ++i) {
        emit fieldChanged(i);
    }
    FocusField(3);
    return true;
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QFrame::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // A "." right after a third digit moved the cursor on is the one the
    // user typed for that move, as the system's own address control takes it.
    const bool movedOn = std::exchange(movedOn_, false);
    if (key->matches(QKeySequence::Paste) && Paste()) {
        return true;
    }
    for (int i = 0; i < 4; ++i) {
        if (watched != fields_[static_cast<std::size_t>(i)]) {
            continue;
        }
        auto* f = field(i);
        if (key->text() == QStringLiteral(".")) {
            if (!movedOn && !f->text().isEmpty()) {
                FocusField(i + 1);
            }
            return true;
        }
        if (key->key() == Qt::Key_Backspace && f->cursorPosition() == 0 && !f->hasSelectedText() &&
            i > 0) {
            FocusField(i - 1);
            field(i - 1)->end(false);
            return true;
        }
        if (key->key() == Qt::Key_Right && f->cursorPosition() == f->text().size() && i < 3) {
            FocusField(i + 1);
            return true;
        }
        if (key->key() == Qt::Key_Left && f->cursorPosition() == 0 && i > 0) {
            FocusField(i - 1);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace wifi
