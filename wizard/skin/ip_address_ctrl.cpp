#include "ip_address_ctrl.h"

#include "dialog_translation.h"
#include "format_string.h"
#include "language_keys.h"
#include "language_table.h"
#include "skin_colours.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <QValidator>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr ColorRef kBorderColour = 0xB99E80;
constexpr ColorRef kDisabledBorderColour = 0x808080;
constexpr ColorRef kDisabledBackground = 0xC8E6E6;
constexpr int kMaxOctetDigits = 3;
constexpr int kMaxOctet = 255;
constexpr int kHintShowMs = 5000;

bool IsAsciiDigits(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Up to three digits worth at most 255.
bool IsOctetText(QStringView text) {
    return text.size() <= kMaxOctetDigits && IsAsciiDigits(text) && text.toInt() <= kMaxOctet;
}

// The last line of defence for whatever reaches a box without a key press
// (a drop, an input method): anything but an octet is refused.
class OctetValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        return IsOctetText(input) ? Acceptable : Invalid;
    }
};

// The box's text after `insert` replaces its selection or goes in at the caret.
QString TextAfterInsert(const QLineEdit& box, const QString& insert) {
    QString text = box.text();
    qsizetype at = box.cursorPosition();
    if (box.hasSelectedText()) {
        at = box.selectionStart();
        text.remove(at, box.selectedText().size());
    }
    return text.insert(at, insert);
}

}  // namespace

CIpAddressCtrl::CIpAddressCtrl(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 1, 3, 1);
    layout->setSpacing(0);
    for (int i = 0; i < 4; ++i) {
        auto* box = new QLineEdit(this);
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        box->setMaxLength(kMaxOctetDigits);
        box->setValidator(new OctetValidator(box));
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            HideHint();
            // Three digits complete an octet: go on to the next box.
            if (text.size() == kMaxOctetDigits && i < 3) {
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

void CIpAddressCtrl::SetFieldName(const QString& name) {
    setAccessibleName(name);
    // Without the program's language table (a page shown on its own) the
    // boxes share the field's name rather than show a key.
    const CLanguageTable* table = ProgramLanguageTable();
    for (int i = 0; i < 4; ++i) {
        octets_[static_cast<std::size_t>(i)]->setAccessibleName(
            table != nullptr ? FormatString(table->Lookup(lang::kOctetName.toString()), name, i + 1) : name);
    }
}

std::uint32_t CIpAddressCtrl::GetAddress() const {
    std::uint32_t address = 0;
    for (const QLineEdit* box : octets_) {
        address = address << 8 | static_cast<std::uint32_t>(std::min(box->text().toInt(), kMaxOctet));
    }
    return address;
}

void CIpAddressCtrl::SetAddress(std::uint32_t address) {
    // A "0" in every box would sit in front of whatever the user types next.
    if (address == 0) {
        ClearAddress();
        return;
    }
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
    return std::all_of(octets_.begin(), octets_.end(),
                       [](const QLineEdit* box) { return box->text().isEmpty(); });
}

QString CIpAddressCtrl::Text() const {
    QStringList parts;
    for (const QLineEdit* box : octets_) {
        parts << box->text();
    }
    return parts.join(u'.');
}

QString CIpAddressCtrl::HintText() const {
    return hint_ != nullptr && hint_->isVisible() ? hint_->text() : QString();
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
    // The focus-in selects the text (see eventFilter).
    box->setFocus(Qt::OtherFocusReason);
    if (!selectAll) {
        box->setCursorPosition(static_cast<int>(box->text().size()));
    }
}

void CIpAddressCtrl::InsertDigits(int index, const QString& digits) {
    QLineEdit* box = octets_[static_cast<std::size_t>(index)];
    if (!IsOctetText(TextAfterInsert(*box, digits))) {
        ShowRangeHint(index);
        return;
    }
    box->insert(digits);
}

bool CIpAddressCtrl::Paste(int index, const QString& text) {
    const QString pasted = text.trimmed();
    if (pasted.isEmpty()) {
        return false;
    }
    if (!pasted.contains(u'.')) {
        if (!IsAsciiDigits(pasted)) {
            return false;
        }
        InsertDigits(index, pasted);
        return true;
    }
    const QStringList parts = pasted.split(u'.');
    if (parts.size() > 4 - index) {
        return false;
    }
    for (const QString& part : parts) {
        if (!IsOctetText(part)) {
            if (IsAsciiDigits(part)) {
                ShowRangeHint(index);
                return true;
            }
            return false;
        }
    }
    HideHint();
    for (int i = 0; i < parts.size(); ++i) {
        octets_[static_cast<std::size_t>(index + i)]->setText(parts[i]);
    }
    FocusOctet(index + static_cast<int>(parts.size()) - 1, false);
    emit AddressChanged();
    return true;
}

void CIpAddressCtrl::ShowContextMenu(int index, const QPoint& globalPos) {
    QLineEdit* box = octets_[static_cast<std::size_t>(index)];
    // The menu belongs to the box: a box destroyed while it is open takes it along.
    const QPointer<QMenu> menu = box->createStandardContextMenu();
    // The menu's Paste must fill the boxes like every other paste.
    for (QAction* action : menu->actions()) {
        if (action->objectName() == u"edit-paste") {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this, index] {
                if (!Paste(index, QApplication::clipboard()->text())) {
                    QApplication::beep();
                }
            });
        }
    }
    menu->exec(globalPos);
    delete menu.data();
}

void CIpAddressCtrl::ShowRangeHint(int index) {
    if (hint_ == nullptr) {
        // A window of its own, so no neighbour or window outline clips it.
        hint_ = new QLabel(this, Qt::ToolTip);
        hint_->setPalette(QToolTip::palette());
        hint_->setAutoFillBackground(true);
        hint_->setFrameStyle(QFrame::Box | QFrame::Plain);
        hint_->setMargin(4);
        hintTimer_ = new QTimer(this);
        hintTimer_->setSingleShot(true);
        connect(hintTimer_, &QTimer::timeout, this, &CIpAddressCtrl::HideHint);
    }
    const QString key = lang::kOctetRange.toString();
    const CLanguageTable* table = ProgramLanguageTable();
    hint_->setText(table != nullptr ? table->Lookup(key) : key);
    hint_->adjustSize();
    const QLineEdit* box = octets_[static_cast<std::size_t>(index)];
    hint_->move(box->mapToGlobal(QPoint(0, box->height() + 2)));
    hint_->show();
    hintTimer_->start(kHintShowMs);
    QApplication::beep();
}

void CIpAddressCtrl::HideHint() {
    if (hint_ != nullptr) {
        hint_->hide();
        hintTimer_->stop();
    }
}

bool CIpAddressCtrl::OnOctetKey(int index, const QKeyEvent& key) {
    const QLineEdit* box = octets_[static_cast<std::size_t>(index)];
    if (key.matches(QKeySequence::Paste)) {
        if (!Paste(index, QApplication::clipboard()->text())) {
            QApplication::beep();
        }
        return true;
    }
    // Shift too: some keyboards type their digits with it.
    const QString text = key.text();
    if (text.size() == 1 && IsAsciiDigits(text) &&
        (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0) {
        InsertDigits(index, text);
        return true;
    }
    const bool atStart = box->cursorPosition() == 0 && !box->hasSelectedText();
    const bool atEnd = box->cursorPosition() == box->text().size() && !box->hasSelectedText();
    switch (key.key()) {
        case Qt::Key_Period:
        case Qt::Key_Space:
            // The separator typed by habit moves on, as in the platform control;
            // in a box still empty it is the user's stray key and is dropped.
            if (index < 3 && !box->text().isEmpty()) {
                FocusOctet(index + 1, true);
            }
            return true;
        case Qt::Key_Backspace:
        case Qt::Key_Left:
            if (atStart && index > 0) {
                FocusOctet(index - 1, false);
                return true;
            }
            return false;
        case Qt::Key_Right:
            if (atEnd && index < 3) {
                QLineEdit* next = octets_[static_cast<std::size_t>(index + 1)];
                next->setFocus(Qt::OtherFocusReason);
                next->setCursorPosition(0);
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool CIpAddressCtrl::eventFilter(QObject* watched, QEvent* event) {
    const int index = IndexOf(watched);
    if (index < 0) {
        return QWidget::eventFilter(watched, event);
    }
    QLineEdit* box = octets_[static_cast<std::size_t>(index)];
    switch (event->type()) {
        case QEvent::KeyPress:
            return OnOctetKey(index, *static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn: {
            // A box that takes the focus offers its text for replacing. A click
            // would place the caret right after: the press selects instead.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::MouseFocusReason) {
                clickFocusedOctet_ = index;
            } else if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                box->selectAll();
            }
            break;
        }
        case QEvent::FocusOut:
            if (!isAncestorOf(QApplication::focusWidget())) {
                HideHint();
            }
            break;
        case QEvent::MouseButtonPress: {
            const bool focusingClick = clickFocusedOctet_ == index;
            clickFocusedOctet_ = -1;
            if (focusingClick && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                box->selectAll();
                return true;
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
                QApplication::clipboard()->supportsSelection()) {
                if (!Paste(index, QApplication::clipboard()->text(QClipboard::Selection))) {
                    QApplication::beep();
                }
                return true;
            }
            break;
        case QEvent::ContextMenu:
            ShowContextMenu(index, static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void CIpAddressCtrl::mousePressEvent(QMouseEvent* event) {
    // A click between the boxes (a dot, the margin) goes to the nearest box.
    int nearest = 0;
    int best = std::numeric_limits<int>::max();
    for (int i = 0; i < 4; ++i) {
        const QRect box = octets_[static_cast<std::size_t>(i)]->geometry();
        const int distance = std::abs(box.center().x() - event->position().toPoint().x());
        if (distance < best) {
            best = distance;
            nearest = i;
        }
    }
    FocusOctet(nearest, true);
    event->accept();
}

void CIpAddressCtrl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        ApplyBackground();
        HideHint();
    }
    QWidget::changeEvent(event);
}

void CIpAddressCtrl::hideEvent(QHideEvent* event) {
    HideHint();
    QWidget::hideEvent(event);
}

void CIpAddressCtrl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const bool enabled = isEnabled();
    painter.fillRect(rect(), BackgroundColour());
    painter.setPen(ToQColor(enabled ? kBorderColour : kDisabledBorderColour));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
}
