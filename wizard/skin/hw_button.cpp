#include "hw_button.h"

#include "button_painter.h"
#include "cursor_file.h"
#include "keyboard_cues.h"
#include "skin_font.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QStyleOptionButton>

CHwBtn_Pub::CHwBtn_Pub(QWidget* parent, int stateCount)
    : QAbstractButton(parent), CWndCommonAttr(this), states_(stateCount) {
    setFocusPolicy(Qt::StrongFocus);
    // Hover follows the mouse the way the original re-armed it on every move.
    setMouseTracking(true);
    WatchKeyboardForFocusCues();
}

CHwBtn_Pub::~CHwBtn_Pub() = default;

void CHwBtn_Pub::SetStateFrameColor(int from, ColorRef colour) {
    states_.SetFrameColor(from, colour);
    update();
}

void CHwBtn_Pub::SetStateTextColor(int from, ColorRef colour) {
    states_.SetTextColor(from, colour);
    update();
}

void CHwBtn_Pub::SetStateBkColor(int from, ColorRef colour) {
    states_.SetBkColor(from, colour);
    update();
}

bool CHwBtn_Pub::SetCursorFromFile(int from, const QString& path) {
    const std::optional<QCursor> cursor = LoadCursorFile(path);
    SetStateCursor(from, cursor);
    return cursor.has_value();
}

void CHwBtn_Pub::SetCursorFromResource(int from, Qt::CursorShape shape) {
    SetCursorOfStates(from, shape);
}

void CHwBtn_Pub::SetStateCursor(int from, const std::optional<QCursor>& cursor) {
    SetCursorOfStates(from, cursor ? HwBtnCursor(*cursor) : HwBtnCursor());
}

void CHwBtn_Pub::SetCursorOfStates(int from, const HwBtnCursor& cursor) {
    states_.SetCursor(from, cursor);
    RefreshState();
}

int CHwBtn_Pub::SetStateFont(int state, int pointSize, bool bold, bool italic, bool underline,
                             const QString& face) {
    const QFont font = MakeSkinFont({pointSize, face, bold, italic, underline});
    bool done = true;
    if (state == kAllButtonStates) {
        for (int each = 0; each < states_.Count(); ++each) {
            states_.SetFont(each, font);
        }
    } else {
        done = states_.SetFont(state, font);
    }
    update();
    return done ? 1 : 0;
}

bool CHwBtn_Pub::StripLoaded(bool loaded) {
    if (!loaded) {
        ownerDrawn_ = false;
    }
    update();
    return loaded;
}

bool CHwBtn_Pub::LoadImageStrip(int count, ColorRef mask, const QString& resource) {
    return StripLoaded(!resource.isEmpty() && strip_.AppendFromFile(resource, count, mask));
}

bool CHwBtn_Pub::LoadImageStripFromFile(int count, ColorRef mask, const QString& path) {
    return StripLoaded(!path.isEmpty() && strip_.AppendFromFile(path, count, mask));
}

LayoutRect CHwBtn_Pub::GetImageDrawRect(const LayoutRect& rect) const {
    return ShiftImageRectForState(rect, isDown(), IsHovered());
}

void CHwBtn_Pub::CalcLayout() {
    ButtonLayoutInput input;
    input.hasText = !text().isEmpty();
    if (input.hasText) {
        const QFontMetrics metrics(states_.At(kPushNormal).font.value_or(font()));
        const int flags = TextFlagsFromFormat(textFormat_) & Qt::TextShowMnemonic;
        input.textSize = QSize(metrics.size(Qt::TextSingleLine | flags, text()).width(), metrics.height());
    }
    if (!strip_.IsEmpty()) {
        input.imageSize = strip_.FrameSize();
    }
    input.client = layout_.client;
    input.mode = layoutMode_;
    input.autoSize = autoSize_;
    input.hasImage = layout_.hasImage;
    layout_ = CalcButtonLayout(input);
}

std::optional<QRect> CHwBtn_Pub::AutoSizeTarget() const {
    // Auto-size fits the skin's strip. A button drawn in the platform look
    // (its strip is missing) keeps the size its dialog gave it: fitted to an
    // absent image and an empty caption it would shrink to nothing.
    if (!autoSize_ || !ownerDrawn_ || parentWidget() == nullptr || isWindow()) {
        return std::nullopt;
    }
    LayoutRect clientInParent = layout_.client;
    clientInParent.Offset(x(), y());
    // Our strips never keep an empty list: a failed load adds nothing.
    const QRect target = ToQRect(AutoSizeGeometry(layout_, clientInParent, layoutMode_, false, textFormat_));
    if (target == geometry()) {
        return std::nullopt;
    }
    return target;
}

void CHwBtn_Pub::AutoSizeWindow() {
    if (const std::optional<QRect> target = AutoSizeTarget()) {
        setGeometry(*target);
        layout_.client = FromQRect(rect());
    }
}

void CHwBtn_Pub::UpdateLayout() {
    // The size may have changed since the last paint (a template places the
    // button after it was made).
    layout_.client = FromQRect(rect());
    CalcLayout();
    AutoSizeWindow();
    update();
}

void CHwBtn_Pub::DrawFrame(QPainter& painter) {
    DrawButtonFrame(painter, layout_.client, states_.At(GetStateIndex()), kind_);
}

bool CHwBtn_Pub::DrawBackground(QPainter& painter) {
    const int state = GetStateIndex();
    if (!strip_.IsEmpty()) {
        ImageDraw draw = ImageDrawFor(state, layout_, layoutMode_, strip_.Count(), false, false);
        if (strip_.Count() < 2) {
            draw.destination = GetImageDrawRect(draw.destination);
        }
        if (DrawStripFrame(painter, strip_, draw.index, draw.destination)) {
            return true;
        }
    }
    return FillStateBackground(painter, layout_.client, states_.At(state));
}

void CHwBtn_Pub::DrawCaption(QPainter& painter) {
    const QPalette& colours = palette();
    const EmbossColours emboss{colours.color(QPalette::Light), colours.color(QPalette::Dark)};
    DrawButtonCaption(painter, text(), layout_.caption, textFormat_, states_.At(GetStateIndex()), font(),
                      isEnabled(), emboss);
}

int CHwBtn_Pub::GetStateIndex() const {
    return PushButtonStateIndex(isEnabled(), isDown(), IsHovered());
}

void CHwBtn_Pub::InitControl() {
    if (initialised_) {
        return;
    }
    ownerDrawn_ = true;
    layout_.client = FromQRect(rect());
    if (autoSkin_) {
        ApplyDefaultSkin();
    }
    initialised_ = true;
}

void CHwBtn_Pub::SetSkinImage(const QString& path, int count, const QString& toolTip, bool autoSize) {
    LoadImageStripFromFile(count, kSkinKeyColour, path);
    SetLayout(ButtonLayoutMode::ImageOnly);
    SetAutoSize(autoSize);
    if (!toolTip.isEmpty()) {
        SetToolTipText(toolTip, true);
    }
}

// Layout mode and auto-size only take effect at the next paint (or the next
// UpdateLayout), so a skin that sets several of them resizes the button once.
void CHwBtn_Pub::SetLayout(ButtonLayoutMode mode) {
    layoutMode_ = mode;
    update();
}

void CHwBtn_Pub::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    update();
}

void CHwBtn_Pub::SetTextFormat(unsigned format) {
    textFormat_ = format;
    UpdateLayout();
}

void CHwBtn_Pub::SetVisitedColor(ColorRef colour) {
    visitedColour_ = colour;
}

void CHwBtn_Pub::SetAutoSkin(bool autoSkin) {
    autoSkin_ = autoSkin;
}

void CHwBtn_Pub::SetFocusRectVisible(bool visible) {
    showFocusRect_ = visible;
}

void CHwBtn_Pub::OnAttributesChanged(bool /*erase*/) {
    update();
}

void CHwBtn_Pub::RefreshState() {
    const HwBtnCursor& cursor = states_.At(GetStateIndex()).cursor;
    if (const auto* shape = std::get_if<Qt::CursorShape>(&cursor)) {
        setCursor(*shape);
    } else if (const auto* loaded = std::get_if<QCursor>(&cursor)) {
        setCursor(*loaded);
    } else {
        unsetCursor();
    }
    update();
}

void CHwBtn_Pub::DrawItem(QPainter& painter) {
    layout_.client = FromQRect(rect());
    if (isDown()) {
        SetHovered(false);
    }
    CalcLayout();
    if (AutoSizeTarget() && !autoSizeQueued_) {
        autoSizeQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                autoSizeQueued_ = false;
                UpdateLayout();
            },
            Qt::QueuedConnection);
    }
    DrawBackground(painter);
    DrawCaption(painter);
    DrawFrame(painter);
    // Skins hide the rectangle for the mouse; a keyboard user always gets it.
    if (focused_ && (showFocusRect_ || KeyboardCuesShown()) && !isDown()) {
        DrawButtonFocusRect(painter, layout_.client);
    }
}

void CHwBtn_Pub::DrawPlatformLook(QPainter& painter) {
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    option.icon = icon();
    option.iconSize = iconSize();
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
}

void CHwBtn_Pub::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (ownerDrawn_) {
        DrawItem(painter);
    } else {
        DrawPlatformLook(painter);
    }
}

void CHwBtn_Pub::enterEvent(QEnterEvent* event) {
    if (!IsHovered() && !isDown()) {
        SetHovered(true);
        RefreshState();
    }
    QAbstractButton::enterEvent(event);
}

void CHwBtn_Pub::leaveEvent(QEvent* event) {
    SetHovered(false);
    RefreshState();
    QAbstractButton::leaveEvent(event);
}

void CHwBtn_Pub::mouseMoveEvent(QMouseEvent* event) {
    // Every move over the button sets hover, whatever buttons are held; a
    // press clears it again when the pressed face is drawn.
    if (!IsHovered() && rect().contains(event->pos())) {
        SetHovered(true);
        RefreshState();
    }
    QAbstractButton::mouseMoveEvent(event);
}

void CHwBtn_Pub::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        SetHovered(false);
    }
    QAbstractButton::mousePressEvent(event);
    RefreshState();
}

void CHwBtn_Pub::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && visitedColour_ != kNoColour) {
        states_.SetTextColorOfState(kPushNormal, visitedColour_);
    }
    // A click handler may delete the button.
    const QPointer<CHwBtn_Pub> alive(this);
    QAbstractButton::mouseReleaseEvent(event);
    if (alive) {
        RefreshState();
    }
}

void CHwBtn_Pub::keyPressEvent(QKeyEvent* event) {
    // Enter on a focused push button presses it, as in a dialog.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CHwBtn_Pub::focusInEvent(QFocusEvent* event) {
    focused_ = true;
    update();
    QAbstractButton::focusInEvent(event);
}

void CHwBtn_Pub::focusOutEvent(QFocusEvent* event) {
    focused_ = false;
    update();
    QAbstractButton::focusOutEvent(event);
}

void CHwBtn_Pub::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        RefreshState();
    }
    QAbstractButton::changeEvent(event);
}
