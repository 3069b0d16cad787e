#include "platform/Controls.h"
#include "platform/Accessibility.h"
#include "platform/Announcements.h"
#include "platform/DesktopColors.h"
#include "platform/KeyboardFocus.h"
#include "platform/PictureImpl.h"
#include "platform/PictureRatio.h"
#include "platform/QtText.h"
#include "platform/Window.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

namespace {

void setColours(QWidget* w, QPalette::ColorRole role, Color c) {
    QPalette p = w->palette();
    p.setColor(role, toQColor(c));
    w->setPalette(p);
}

template <class W> W* widgetOf(const RectControl& c) { return static_cast<W*>(c.widget()); }

// Return and Enter press the button that has the keyboard, as on every desktop; with the
// keyboard elsewhere they go on to the window, which presses its default button. A held key
// presses once: its repeats would go on to whatever has the keyboard after the press (the
// window behind a dialog that the press closed).
class ButtonWidget : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter)
            return QPushButton::keyPressEvent(e);
        KeyboardPress press(this);
        if (!e->isAutoRepeat()) click();
    }
    // Space presses as it is let go.
    void keyReleaseEvent(QKeyEvent* e) override {
        KeyboardPress press(this);
        QPushButton::keyReleaseEvent(e);
    }
    void paintEvent(QPaintEvent* e) override {
        QPushButton::paintEvent(e);
        QStyleOptionButton option;
        initStyleOption(&option);
        paintKeyboardFocusMark(this, style()->subElementRect(QStyle::SE_PushButtonFocusRect,
                                                             &option, this));
    }
};

class FieldWidget : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void paintEvent(QPaintEvent* e) override {
        QLineEdit::paintEvent(e);
        // A framed field shows its focus in its frame.
        if (!hasFrame()) paintKeyboardFocusMark(this, rect());
    }
};

} // namespace

// ---- TextStyle ----------------------------------------------------------------------

bool TextStyle::set(std::string_view name, const PropertyValue& value, bool& handled) {
    handled = true;
    if (SameName(name, "TextFont")) return AssignProperty(TextFont, value);
    if (SameName(name, "TextSize")) return AssignProperty(TextSize, value);
    if (SameName(name, "Bold")) return AssignProperty(Bold, value);
    if (SameName(name, "Italic")) return AssignProperty(Italic, value);
    if (SameName(name, "Underline")) return AssignProperty(Underline, value);
    handled = false;
    return false;
}

void TextStyle::applyTo(QWidget* widget) const {
    if (!widget) return;
    QFont font = widget->font();
    if (!TextFont.empty() && TextFont != "System") font.setFamily(toQt(TextFont));
    if (TextSize > 0) font.setPixelSize(TextSize);
    font.setBold(Bold);
    font.setItalic(Italic);
    font.setUnderline(Underline);
    widget->setFont(font);
}

// ---- TextControl ----------------------------------------------------------------------

bool TextControl::SetProperty(std::string_view name, const PropertyValue& value) {
    bool handled = false;
    const bool ok = style.set(name, value, handled);
    if (!handled) return RectControl::SetProperty(name, value);
    syncWidget();
    return ok;
}

// ---- StaticText -----------------------------------------------------------------------

void StaticText::setText(const std::string& text) {
    const bool changed = text != text_;
    text_ = text;
    syncWidget();
    // The counts and the day are set every tick, mostly to what they were.
    if (!changed) return;
    AccessibilityTextChanged(*this);
    announceShownText(widget(), shownText(text_));
}

void StaticText::setVisible(bool v) {
    TextControl::setVisible(v);
    if (v) announceShownText(widget(), shownText(text_));
}

void StaticText::setTextAlign(int align) {
    align_ = align;
    syncWidget();
}

QWidget* StaticText::createWidget(QWidget* parent) {
    auto label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void StaticText::syncWidget() {
    auto label = widgetOf<QLabel>(*this);
    if (!label) return;
    label->setText(shownText(text_));
    Qt::Alignment h = align_ == 1 ? Qt::AlignHCenter : align_ == 2 ? Qt::AlignRight : Qt::AlignLeft;
    label->setAlignment(h | Qt::AlignTop);
    label->setWordWrap(Multiline);
    ApplyLabelTextColour(*this, label);
    style.applyTo(label);
}

bool StaticText::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "Text"))
        return SetThrough<std::string>(value, [this](const std::string& v) { setText(v); });
    if (SameName(name, "TextAlign"))
        return SetThrough<int32_t>(value, [this](int32_t v) { setTextAlign(v); });
    if (SameName(name, "Multiline"))
        return AssignProperty(Multiline, value) && (syncWidget(), true);
    if (SameName(name, "TextColor"))
        return AssignProperty(TextColor, value) && (syncWidget(), true);
    return TextControl::SetProperty(name, value);
}

// ---- PushButton -----------------------------------------------------------------------

void PushButton::setCaption(const std::string& caption) {
    caption_ = caption;
    syncWidget();
}

void PushButton::Push() {
    if (Enabled()) RaiseEvent("Action");
}

QWidget* PushButton::createWidget(QWidget* parent) {
    auto button = new ButtonWidget(parent);
    button->setAutoDefault(false);
    followKeyboardArrival(button);
    QObject::connect(button, &QPushButton::clicked, [this] { RaiseEvent("Action"); });
    return button;
}

void PushButton::syncWidget() {
    auto button = widgetOf<QPushButton>(*this);
    if (!button) return;
    if (const QString caption = captionText(caption_); button->text() != caption) {
        button->setText(caption);
        announceFocusedChange(button, shownText(caption_));
    }
    if (::Window* w = Window())
        w->showReturnButton();
    else
        button->setDefault(Default);
    style.applyTo(button);
}

bool PushButton::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "Caption"))
        return SetThrough<std::string>(value, [this](const std::string& v) { setCaption(v); });
    if (SameName(name, "Default")) return AssignProperty(Default, value) && (syncWidget(), true);
    if (SameName(name, "Cancel")) return AssignProperty(Cancel, value);
    return TextControl::SetProperty(name, value);
}

// ---- EditField ------------------------------------------------------------------------

std::string EditField::Text() const { return text_; }

void EditField::setText(const std::string& text) {
    text_ = text;
    syncWidget();
    AccessibilityTextChanged(*this);
}

QWidget* EditField::createWidget(QWidget* parent) {
    if (Multiline) {
        auto edit = new QPlainTextEdit(parent);
        QObject::connect(edit, &QPlainTextEdit::textChanged,
                         [this, edit] {
                             text_ = typedText(edit->toPlainText());
                             AccessibilityTextChanged(*this);
                         });
        return edit;
    }
    auto edit = new FieldWidget(parent);
    followKeyboardArrival(edit);
    QObject::connect(edit, &QLineEdit::textEdited, [this](const QString& t) {
        text_ = fromQt(t);
        AccessibilityTextChanged(*this);
    });
    return edit;
}

void EditField::syncWidget() {
    QWidget* w = widget();
    if (!w) return;
    if (auto line = qobject_cast<QLineEdit*>(w)) {
        QString t = toQt(text_);
        if (line->text() != t) line->setText(t);
        line->setEchoMode(Password ? QLineEdit::Password : QLineEdit::Normal);
        line->setReadOnly(ReadOnly);
        line->setMaxLength(LimitText > 0 ? LimitText : 32767);
        line->setFrame(Border);
        Qt::Alignment a = Alignment == 2   ? Qt::AlignHCenter
                          : Alignment == 3 ? Qt::AlignRight
                                           : Qt::AlignLeft;
        line->setAlignment(a | Qt::AlignVCenter);
    } else if (auto edit = qobject_cast<QPlainTextEdit*>(w)) {
        QString t = shownText(text_);
        if (edit->toPlainText() != t) edit->setPlainText(t);
        edit->setReadOnly(ReadOnly);
        edit->setFrameShape(Border ? QFrame::StyledPanel : QFrame::NoFrame);
    }
    setColours(w, QPalette::Text, TextColor);
    setColours(w, QPalette::Base, BackColor);
    style.applyTo(w);
}

bool EditField::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "Text"))
        return SetThrough<std::string>(value, [this](const std::string& v) { setText(v); });
    bool* flag = SameName(name, "Border")      ? &Border
                 : SameName(name, "Password")  ? &Password
                 : SameName(name, "ReadOnly")  ? &ReadOnly
                 : SameName(name, "Multiline") ? &Multiline
                                               : nullptr;
    if (flag) return AssignProperty(*flag, value) && (syncWidget(), true);
    if (SameName(name, "LimitText"))
        return AssignProperty(LimitText, value) && (syncWidget(), true);
    if (SameName(name, "Alignment"))
        return AssignProperty(Alignment, value) && (syncWidget(), true);
    if (SameName(name, "TextColor"))
        return AssignProperty(TextColor, value) && (syncWidget(), true);
    if (SameName(name, "BackColor"))
        return AssignProperty(BackColor, value) && (syncWidget(), true);
    return TextControl::SetProperty(name, value);
}

// ---- PopupMenu ------------------------------------------------------------------------

// The index is kept as set and judged against the rows when read: the lists set
// ListIndex before InitialValue.
int PopupMenu::ListIndex() const {
    return listIndex_ >= 0 && listIndex_ < ListCount() ? listIndex_ : -1;
}

void PopupMenu::setListIndex(int index) {
    listIndex_ = index;
    syncWidget();
}

std::string PopupMenu::List(int row) const {
    return row >= 0 && row < ListCount() ? rows_[std::size_t(row)] : std::string();
}

void PopupMenu::setInitialValue(const std::string& rows) {
    rows_.clear();
    std::size_t start = 0;
    while (start <= rows.size() && !rows.empty()) {
        std::size_t end = rows.find('\r', start);
        if (end == std::string::npos) end = rows.size();
        rows_.push_back(rows.substr(start, end - start));
        start = end + 1;
    }
    if (auto combo = widgetOf<QComboBox>(*this)) {
        combo->clear();
        syncWidget();
    }
}

QWidget* PopupMenu::createWidget(QWidget* parent) {
    auto combo = new QComboBox(parent);
    QObject::connect(combo, &QComboBox::activated, [this](int row) { listIndex_ = row; });
    announceFocusedRows(combo);
    return combo;
}

void PopupMenu::syncWidget() {
    auto combo = widgetOf<QComboBox>(*this);
    if (!combo) return;
    if (combo->count() != ListCount()) {
        combo->clear();
        for (auto& r : rows_)
            combo->addItem(shownText(r));
    }
    combo->setCurrentIndex(ListIndex());
    style.applyTo(combo);
}

bool PopupMenu::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "InitialValue"))
        return SetThrough<std::string>(value, [this](const std::string& v) { setInitialValue(v); });
    if (SameName(name, "ListIndex"))
        return SetThrough<int32_t>(value, [this](int32_t v) { setListIndex(v); });
    return TextControl::SetProperty(name, value);
}

// ---- RadioButton ----------------------------------------------------------------------

void RadioButton::setCaption(const std::string& caption) {
    caption_ = caption;
    syncWidget();
}

void RadioButton::setValue(bool value) {
    value_ = value;
    if (value)
        if (::Window* w = Window())
            for (auto& c : w->Controls())
                if (auto other = std::dynamic_pointer_cast<RadioButton>(c);
                    other && other.get() != this && other->value_) {
                    other->value_ = false;
                    other->syncWidget();
                }
    syncWidget();
}

QWidget* RadioButton::createWidget(QWidget* parent) {
    // The window's radio buttons share the client area: the toolkit groups them, so they are
    // radio buttons to a screen reader and the arrow keys move the choice among them.
    auto radio = new QRadioButton(parent);
    QObject::connect(radio, &QRadioButton::clicked, [this](bool) { setValue(true); });
    return radio;
}

void RadioButton::syncWidget() {
    auto radio = widgetOf<QRadioButton>(*this);
    if (!radio) return;
    radio->setText(captionText(caption_));
    // The toolkit keeps the checked button of a group checked; the program may clear it.
    const bool exclusive = radio->autoExclusive();
    if (!value_) radio->setAutoExclusive(false);
    radio->setChecked(value_);
    radio->setAutoExclusive(exclusive);
    style.applyTo(radio);
}

bool RadioButton::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "Caption"))
        return SetThrough<std::string>(value, [this](const std::string& v) { setCaption(v); });
    if (SameName(name, "Value")) return SetThrough<bool>(value, [this](bool v) { setValue(v); });
    return TextControl::SetProperty(name, value);
}

// ---- Canvas ---------------------------------------------------------------------------

namespace {
class CanvasWidget : public QWidget {
  public:
    CanvasWidget(QWidget* parent, const Canvas& canvas) : QWidget(parent), canvas_(canvas) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        const auto& picture = canvas_.Backdrop();
        if (!picture || picture->Width() == 0 || picture->Height() == 0) return;
        QPainter p(this);
        p.drawImage(QPoint(0, 0), drawableImage(*picture, devicePixelRatioF()));
    }

  private:
    const Canvas& canvas_;
};

class RectangleWidget : public QWidget {
  public:
    RectangleWidget(QWidget* parent, const Rectangle& r) : QWidget(parent), rect_(r) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int w = width(), h = height(), b = std::max(rect_.BorderWidth, 0);
        p.fillRect(0, 0, w, h, toQColor(rect_.FillColor));
        if (b == 0) return;
        p.fillRect(0, 0, w, b, toQColor(rect_.TopLeftColor));
        p.fillRect(0, 0, b, h, toQColor(rect_.TopLeftColor));
        p.fillRect(0, h - b, w, b, toQColor(rect_.BottomRightColor));
        p.fillRect(w - b, 0, b, h, toQColor(rect_.BottomRightColor));
    }

  private:
    const Rectangle& rect_;
};
} // namespace

void Canvas::setBackdrop(std::shared_ptr<Picture> picture) {
    backdrop_ = std::move(picture);
    requestRepaint();
    AccessibilityTextChanged(*this);
}

QWidget* Canvas::createWidget(QWidget* parent) { return new CanvasWidget(parent, *this); }

// ---- Rectangle ------------------------------------------------------------------------

QWidget* Rectangle::createWidget(QWidget* parent) { return new RectangleWidget(parent, *this); }

bool Rectangle::SetProperty(std::string_view name, const PropertyValue& value) {
    bool ok = false;
    if (SameName(name, "BorderWidth"))
        ok = AssignProperty(BorderWidth, value);
    else if (SameName(name, "FillColor"))
        ok = AssignProperty(FillColor, value);
    else if (SameName(name, "TopLeftColor"))
        ok = AssignProperty(TopLeftColor, value);
    else if (SameName(name, "BottomRightColor"))
        ok = AssignProperty(BottomRightColor, value);
    else
        return RectControl::SetProperty(name, value);
    requestRepaint();
    return ok;
}
