#include "ip_address_ctrl.h"

#include "skin_colours.h"

#include <QHBoxLayout>
#include <QValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace {

constexpr ColorRef kBorderColour = 0xB99E80;
constexpr ColorRef kDisabledBorderColour = 0x808080;
constexpr ColorRef kDisabledBackground = 0xC8E6E6;

// Up to three digits worth at most 255: anything else is refused as typed,
// never left in the box for a later check to find.
class OctetValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        if (input.isEmpty()) {
            return Acceptable;
        }
        if (input.size() > 3 || !std::all_of(input.begin(), input.end(), [](QChar c) { return c.isDigit(); })) {
            return Invalid;
        }
        return input.toInt() <= 255 ? Acceptable : Invalid;
    }
};

}  // namespace

CIpAddressCtrl::CIpAddressCtrl(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 1, 3, 1);
    layout->setSpacing(0);
    for (int i = 0; i < 4; ++i) {
        auto* box = new QLineEdit(this);
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        box->setMaxLength(3);
        box->setValidator(new OctetValidator(box));
        box->installEventFilter(this);
        box->setAccessibleName(tr("Octet %1").arg(i + 1));
        connect(box, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            // Three digits complete an octet: go on to the next box.
            if (text.size() == 3 && i < 3) {
                FocusOctet(i + 1, true);
            }
            emit AddressChanged();
        });
        octets_[static_cast<std::size_t>(i)] = box;
        layout->addWidget(box, 1);
        if (i < 3) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setAlignment(Qt::AlignCenter);
            layout->addWidget(dot);
        }
    }
    setFocusProxy(octets_[0]);
    setFocusPolicy(Qt::StrongFocus);
    ApplyBackground();
}

std::uint32_t CIpAddressCtrl::GetAddress() const {
    std::uint32_t address = 0;
    for (const QLineEdit* box : octets_) {
        address = address << 8 | static_cast<std::uint32_t>(std::min(box->text().toInt(), 255));
    }
    return address;
}

void CIpAddressCtrl::SetAddress(std::uint32_t address) {
    for (int i = 0; i < 4; ++i) {
        octets_[static_cast<std::size_t>(i)]->setText(QString::number((address >> (24 - 8 * i)) & 0xFFu));
    }
    emit AddressChanged();
}

void CIpAddressCtrl::ClearAddress() {
    for (QLineEdit* box : octets_) {
        box->clear();
    }
    emit AddressChanged();
}

bool CIpAddressCtrl::IsBlank() const {
    return std::all_of(octets_.begin(), octets_.end(), [](const QLineEdit* box) { return box->text().isEmpty(); });
}

QString CIpAddressCtrl::Text() const {
    QStringList parts;
    for (const QLineEdit* box : octets_) {
        parts << box->text();
    }
    return parts.join(u'.');
}

QColor CIpAddressCtrl::BackgroundColour() const {
    return ToQColor(isEnabled() ? 0xFFFFFFu : kDisabledBackground);
}

void CIpAddressCtrl::ApplyBackground() {
    for (QLineEdit* box : octets_) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, BackgroundColour());
        box->setPalette(palette);
    }
    update();
}

int CIpAddressCtrl::IndexOf(QObject* box) const {
    for (int i = 0; i < 4; ++i) {
        if (octets_[static_cast<std::size_t>(i)] == box) {
            return i;
        }
    }
    return -1;
}

void CIpAddressCtrl::FocusOctet(int index, bool selectAll) {
    QLineEdit* box = octets_[static_cast<std::size_t>(index)];
    box->setFocus(Qt::OtherFocusReason);
    if (selectAll) {
        box->selectAll();
    } else {
        box->setCursorPosition(static_cast<int>(box->text().size()));
    }
}

bool CIpAddressCtrl::eventFilter(QObject* watched, QEvent* event) {
    const int index = IndexOf(watched);
    if (index < 0 || event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QLineEdit* box = octets_[static_cast<std::size_t>(index)];
    const bool atStart = box->cursorPosition() == 0 && !box->hasSelectedText();
    const bool atEnd = box->cursorPosition() == box->text().size() && !box->hasSelectedText();
    switch (key->key()) {
    case Qt::Key_Period:
    case Qt::Key_Space:
        // The separator typed by habit moves on, as in the platform control.
        if (index < 3 && !box->text().isEmpty()) {
            FocusOctet(index + 1, true);
        }
        return true;
    case Qt::Key_Backspace:
        if (atStart && index > 0) {
            FocusOctet(index - 1, false);
            return true;
        }
        break;
    case Qt::Key_Left:
        if (atStart && index > 0) {
            FocusOctet(index - 1, false);
            return true;
        }
        break;
    case Qt::Key_Right:
        if (atEnd && index < 3) {
            octets_[static_cast<std::size_t>(index + 1)]->setFocus(Qt::OtherFocusReason);
            octets_[static_cast<std::size_t>(index + 1)]->setCursorPosition(0);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CIpAddressCtrl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        ApplyBackground();
    }
    QWidget::changeEvent(event);
}

void CIpAddressCtrl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const bool enabled = isEnabled();
    painter.fillRect(rect(), BackgroundColour());
    painter.setPen(ToQColor(enabled ? kBorderColour : kDisabledBorderColour));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
}
