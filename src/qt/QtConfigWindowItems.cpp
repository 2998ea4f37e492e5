// The window's items, made from the dialog template: each at its place in
// dialog units, with its kind, text and tab order; then the progress line and
// the encoding list in the template's free space.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/ListContents.h"
#include "form/WindowExtras.h"
#include "qt/IpAddressEdit.h"
#include "qt/PortComboBox.h"
#include "qt/QtConfigWindow.h"
#include "qt/Translations.h"
#include "window/WindowLayout.h"
#include "wording/WindowTexts.h"

namespace wifi {

namespace {

// Group box captions sit on the frame's top line, as the dialog's do. Set on
// the group boxes alone: a style sheet on the window would cost each of its
// widgets time at start-up.
constexpr const char* kGroupBoxStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }";

// A check box's caption: a click on it toggles the box, as on the box itself.
class CheckBoxCaption : public QLabel {
  public:
    CheckBoxCaption(const QString& text, QWidget* parent) : QLabel(text, parent) {}
    QAbstractButton* box = nullptr;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (box && box->isEnabled() && event->button() == Qt::LeftButton &&
            rect().contains(event->position().toPoint())) {
            box->click();
        }
        QLabel::mouseReleaseEvent(event);
    }
};

}  // namespace

void QtConfigWindow::BuildItems() {
    const DialogTemplate& t = ConfigDialogTemplate(CurrentLanguage());
    for (std::size_t index = 0; index < t.items.size(); ++index) {
        const DialogItem& item = t.items[index];
        QWidget* w = nullptr;
        QRect geometry = units_.ToPixels(item.x, item.y, item.width, item.height);
        switch (item.kind) {
            case ItemKind::GroupBox:
                w = new QGroupBox(UiText(item.text), form_);
                w->setStyleSheet(QString::fromLatin1(kGroupBoxStyle));
                break;
            case ItemKind::Label: {
                QLabel* label = nullptr;
                if (const int box = CheckBoxOfLabel(t, index)) {
                    auto* caption = new CheckBoxCaption(UiText(item.text), form_);
                    caption->box = qobject_cast<QAbstractButton*>(controls_.Widget(box));
                    label = caption;
                } else {
                    label = new QLabel(UiText(item.text), form_);
                }
                Qt::Alignment align = Qt::AlignTop;
                if (item.style & style::kCentreImage) {
                    align = Qt::AlignVCenter;
                }
                align |= (item.style & style::kCentre) ? Qt::AlignHCenter : Qt::AlignLeft;
                label->setAlignment(align);
                w = label;
                break;
            }
            case ItemKind::DropList: {
                QComboBox* box = nullptr;
                if (item.id == IDC_COMPORT) {
                    box = ports_ = new PortComboBox(
                        session_->ports(), [this] { session_->RefreshPorts(); }, form_);
                } else {
                    box = new QComboBox(form_);
                    for (auto entry : ListEntries(item.id)) {
                        box->addItem(UiText(entry));
                    }
                    box->setCurrentIndex(-1);
                }
                box->setMaxVisibleItems(16);
                box->setStyle(comboStyle_);
                geometry.setHeight(units_.ToY(kClosedDropListHeight));
                w = box;
                break;
            }
            case ItemKind::Edit: {
                auto* edit = new QLineEdit(form_);
                w = edit;
                break;
            }
            case ItemKind::CheckBox: w = new QCheckBox(form_); break;
            case ItemKind::PushButton: {
                auto* button = new QPushButton(UiText(item.text), form_);
                button->setAutoDefault(false);
                button->setDefault(false);
                w = button;
                break;
            }
            case ItemKind::IpAddress: w = new IpAddressEdit(form_); break;
            case ItemKind::CommControl:
                // Invisible at run time; its place is kept.
                w = new QWidget(form_);
                w->hide();
                break;
            case ItemKind::Picture: {
                auto* picture = new QLabel(form_);
                const QPixmap banner(CurrentLanguage() == Language::English
                                         ? QStringLiteral(":/res/banner-en.bmp")
                                         : QStringLiteral(":/res/banner.bmp"));
                picture->setPixmap(banner);
                if (!banner.isNull()) {
                    geometry.setSize(banner.size());  // the bitmap's own size
                }
                w = picture;
                break;
            }
        }
        w->setGeometry(geometry);
        if (item.kind == ItemKind::IpAddress) {
            // Its fields are line edits under a style sheet of their own,
            // which takes no font from the window: each is given the dialog's.
            w->setFont(font_);
        }
        w->setFocusPolicy((item.style & style::kTabStop) ? Qt::StrongFocus : Qt::NoFocus);
        if (item.id != IDC_STATIC) {
            controls_.Add(item.id, w);
            w->setObjectName(QStringLiteral("item%1").arg(item.id));
        }
        // A translated label longer than its place is cut short with "…" and
        // tells the whole text as its tooltip.
        bool elided = false;
        if (auto* label = qobject_cast<QLabel*>(w); label && item.kind == ItemKind::Label) {
            const QString full = label->text();
            if (label->fontMetrics().horizontalAdvance(full) > geometry.width()) {
                label->setText(
                    label->fontMetrics().elidedText(full, Qt::ElideRight, geometry.width()));
                label->setToolTip(full);
                elided = true;
            }
        }
        if (!elided && !CheckBoxOfLabel(t, index) &&
            (item.kind == ItemKind::GroupBox || item.kind == ItemKind::Label ||
             item.kind == ItemKind::Picture)) {
            // Frames and captions never take a click meant for what they enclose.
            w->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        items_.append(w);
    }
    for (QWidget* w : items_) {
        if (qobject_cast<QGroupBox*>(w)) {
            w->lower();
        }
    }
    progress_ = new QLabel(form_);
    progress_->setObjectName(QStringLiteral("writeProgress"));
    progress_->setGeometry(
        units_.ToPixels(kProgressRect[0], kProgressRect[1], kProgressRect[2], kProgressRect[3]));
    progress_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    progress_->setWordWrap(true);

    const int* labelRect = EncodingLabelRect(CurrentLanguage());
    const int* listRect = EncodingRect(CurrentLanguage());
    auto* encodingLabel = new QLabel(UiText(kEncodingLabel), form_);
    encodingLabel->setGeometry(
        units_.ToPixels(labelRect[0], labelRect[1], labelRect[2], labelRect[3]));
    encoding_ = new QComboBox(form_);
    encoding_->setObjectName(QStringLiteral("encoding"));
    encoding_->setStyle(comboStyle_);
    for (TextEncoding e : {TextEncoding::Utf8, TextEncoding::Gbk}) {
        if (e == TextEncoding::Utf8 || GbkAvailable()) {
            encoding_->addItem(QString::fromLatin1(EncodingDisplayName(e).data()),
                               QVariant::fromValue(int(e)));
        }
    }
    encoding_->setToolTip(UiText(kEncodingTip));
    encoding_->setGeometry(
        units_.ToPixels(listRect[0], listRect[1], listRect[2], kClosedDropListHeight));
    menuButton_ = new QToolButton(form_);
    menuButton_->setObjectName(QStringLiteral("menuButton"));
    menuButton_->setText(UiText(kMenuButton));
    menuButton_->setToolTip(UiText(kMenuButtonTip));
    menuButton_->setPopupMode(QToolButton::InstantPopup);
    menuButton_->setFocusPolicy(Qt::StrongFocus);
    menuButton_->setGeometry(units_.ToPixels(kMenuButtonRect[0], kMenuButtonRect[1],
                                             kMenuButtonRect[2], kMenuButtonRect[3]));
    // Tab order: the template's order of items with a tab stop; the
    // encoding, which the template does not hold, after the connect button
    // in whose group it sits; the menu button before the submit button,
    // which stays last.
    QWidget* previous = nullptr;
    for (int id : TabOrder(t)) {
        if (id == IDC_MSCOMM) {
            continue;
        }
        for (QWidget* w :
             {id == IDC_SUBMIT ? static_cast<QWidget*>(menuButton_) : nullptr, controls_.Widget(id),
              id == IDC_CONNECT ? static_cast<QWidget*>(encoding_) : nullptr}) {
            if (!w) {
                continue;
            }
            if (previous) {
                setTabOrder(previous, w);
            }
            previous = w;
        }
    }
}

}  // namespace wifi
