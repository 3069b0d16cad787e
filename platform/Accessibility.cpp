#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/QtText.h"
#include "platform/SpriteSurface.h"
#include "platform/TextPieces.h"
#include "platform/Window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <QWidget>

#include <algorithm>
#include <cctype>
#include <climits>
#include <utility>
#include <vector>

namespace {

// ---- Which text stands beside which control -------------------------------------------

struct Box {
    int left, top, right, bottom;
};
Box boxOf(const RectControl& c) {
    return {c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()};
}

// How far a text may stand from the control it goes with, and how far it may overlap it.
constexpr int Near = 16;
constexpr int Overlap = 4;
constexpr int Apart = INT_MAX;

int shared(int a0, int a1, int b0, int b1) { return std::min(a1, b1) - std::max(a0, b0); }
int gapOrApart(int gap, bool placed) {
    return placed && gap >= -Overlap && gap <= Near ? gap : Apart;
}

// The text ends just left of the target on its row (sharing at least half the lower one's
// height).
int gapLeftOf(const Box& text, const Box& target) {
    const int rows = shared(text.top, text.bottom, target.top, target.bottom);
    const int lower = std::min(text.bottom - text.top, target.bottom - target.top);
    return gapOrApart(target.left - text.right, rows > 0 && 2 * rows >= lower);
}
// The text stands right above the target, over part of it.
int gapAbove(const Box& text, const Box& target) {
    return gapOrApart(target.top - text.bottom,
                      shared(text.left, text.right, target.left, target.right) > 0);
}

// The text stands just right of the target, within its rows.
int gapRightOf(const Box& text, const Box& target) {
    return gapOrApart(text.left - target.right,
                      text.top >= target.top - Overlap && text.bottom <= target.bottom + Overlap);
}

// The control of one of the kinds that stands nearest the target in that way, or nullptr.
template <class... Kinds>
RectControl* nearest(const RectControl& target, int (*gap)(const Box&, const Box&)) {
    const ::Window* window = target.Window();
    if (!window) return nullptr;
    RectControl* best = nullptr;
    int bestGap = Apart;
    for (auto& c : window->Controls()) {
        auto rc = dynamic_cast<RectControl*>(c.get());
        if (!rc || rc == &target || !(dynamic_cast<Kinds*>(rc) || ...)) continue;
        const int g = gap(boxOf(*rc), boxOf(target));
        if (g < bestGap) best = rc, bestGap = g;
    }
    return best;
}

StaticText* labelOf(const RectControl& field) {
    RectControl* label = nearest<StaticText>(field, gapLeftOf);
    return static_cast<StaticText*>(label ? label : nearest<StaticText>(field, gapAbove));
}

// Each text field and popup menu takes the label beside it. A buddy gives the name and the
// labelled-by relation, but makes the label read an '&' as a mnemonic: such a label only
// names its field, as does one that is already another field's buddy.
void labelFields(const ::Window& window) {
    std::vector<QLabel*> buddies;
    for (auto& c : window.Controls()) {
        auto rc = dynamic_cast<RectControl*>(c.get());
        QWidget* w = rc ? rc->widget() : nullptr;
        if (!w || (!dynamic_cast<EditField*>(rc) && !dynamic_cast<PopupMenu*>(rc))) continue;
        StaticText* label = labelOf(*rc);
        auto labelWidget = label ? qobject_cast<QLabel*>(label->widget()) : nullptr;
        const bool taken = std::count(buddies.begin(), buddies.end(), labelWidget) > 0;
        const bool buddy = labelWidget && !taken && label->Text().find('&') == std::string::npos;
        QWidget* wantedBuddy = buddy ? w : nullptr;
        if (labelWidget && !taken && labelWidget->buddy() != wantedBuddy)
            labelWidget->setBuddy(wantedBuddy);
        if (buddy) buddies.push_back(labelWidget);
        const QString name = buddy   ? QString()
                             : label ? shownText(label->Text())
                                     : shownText(rc->AccessibleName);
        if (w->accessibleName() != name) w->setAccessibleName(name);
    }
}

bool blank(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](unsigned char ch) { return std::isspace(ch); });
}

// A text as one line: a name is read out, not laid out.
QString oneLine(const std::string& s) { return shownText(s).replace(QChar('\n'), QChar(' ')); }

StaticText* firstStaticText(const ::Window& w) {
    for (auto& c : w.Controls())
        if (auto t = dynamic_cast<StaticText*>(c.get())) return t;
    return nullptr;
}

RectControl* nameSourceOf(const SpriteSurface& s) {
    return nearest<StaticText, EditField>(s, gapAbove);
}
StaticText* countOf(const SpriteSurface& s) {
    return static_cast<StaticText*>(nearest<StaticText>(s, gapRightOf));
}

QString surfaceName(const SpriteSurface& s) {
    RectControl* source = nameSourceOf(s);
    if (auto text = dynamic_cast<StaticText*>(source)) return oneLine(text->Text());
    if (auto field = dynamic_cast<EditField*>(source))
        return oneLine(blank(field->Text()) || field->Password ? field->AccessibleName
                                                               : field->Text());
    return oneLine(s.AccessibleName);
}

// ---- The platform's own descriptions ---------------------------------------------------

// A window: a dialog or floating window is a dialog; a blank title gives way to the first
// static text, without touching the title bar.
class WindowAccessible : public QAccessibleWidget {
  public:
    WindowAccessible(QWidget* top, const std::shared_ptr<::Window>& w)
        : QAccessibleWidget(top, QAccessible::Window), window_(w) {}
    // Asked each time: the window may be described before its settings are applied.
    QAccessible::Role role() const override {
        auto w = window_.lock();
        return w && w->Frame != 0 ? QAccessible::Dialog : QAccessible::Window;
    }
    QString text(QAccessible::Text t) const override {
        auto w = window_.lock();
        if (t != QAccessible::Name || !w || !blank(w->Title)) return QAccessibleWidget::text(t);
        StaticText* first = firstStaticText(*w);
        return first ? oneLine(first->Text()) : QString();
    }

  private:
    std::weak_ptr<::Window> window_;
};

// A control whose widget the toolkit knows nothing about: a picture of some kind.
class ControlAccessible : public QAccessibleWidget {
  public:
    ControlAccessible(QWidget* w, const RectControl& c)
        : QAccessibleWidget(w, QAccessible::Graphic), control_(c.weak_from_this()) {}

  protected:
    template <class C> std::shared_ptr<C> control() const {
        return std::dynamic_pointer_cast<C>(control_.lock());
    }

  private:
    std::weak_ptr<const Object> control_;
};

// A sprite surface: named by the text above it, described by its count beside it, and
// labelled by the one that names it.
class SurfaceAccessible : public ControlAccessible {
  public:
    using ControlAccessible::ControlAccessible;
    QString text(QAccessible::Text t) const override {
        auto s = control<const SpriteSurface>();
        if (!s || (t != QAccessible::Name && t != QAccessible::Description))
            return ControlAccessible::text(t);
        if (t == QAccessible::Name) return surfaceName(*s);
        StaticText* count = countOf(*s);
        return count ? oneLine(count->Text()) : QString();
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto rels = ControlAccessible::relations(match);
        auto s = control<const SpriteSurface>();
        RectControl* source = s ? nameSourceOf(*s) : nullptr;
        if ((match & QAccessible::Label) && source && source->widget())
            if (auto iface = QAccessible::queryAccessibleInterface(source->widget()))
                rels.append({iface, QAccessible::Label});
        return rels;
    }
};

// A canvas: named by what its backdrop shows.
class CanvasAccessible : public ControlAccessible {
  public:
    using ControlAccessible::ControlAccessible;
    QString text(QAccessible::Text t) const override {
        auto c = control<const Canvas>();
        if (t != QAccessible::Name || !c) return ControlAccessible::text(t);
        return c->Backdrop() ? toQt(c->Backdrop()->Description) : QString();
    }
};

// A one-line text field, described as the toolkit describes it, except that it cuts its
// text into characters, words, sentences and its line itself.
class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
  public:
    explicit FieldAccessible(QLineEdit* field) : QAccessibleWidget(field, QAccessible::EditableText) {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    QString text(QAccessible::Text t) const override {
        QString s;
        if (t == QAccessible::Value && field()->echoMode() == QLineEdit::Normal)
            s = field()->text();
        else if (t == QAccessible::Value && field()->echoMode() != QLineEdit::NoEcho)
            s = QString(field()->text().size(), u'*');
        if (s.isEmpty()) s = QAccessibleWidget::text(t);
        if (s.isEmpty() && t == QAccessible::Description) s = field()->placeholderText();
        return s;
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t != QAccessible::Value) return QAccessibleWidget::setText(t, text);
        QString s = text;
        int at = 0;
        if (field()->validator() && field()->validator()->validate(s, at) != QValidator::Acceptable)
            return;
        field()->setText(s);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !field()->isReadOnly();
        s.readOnly = field()->isReadOnly();
        s.passwordEdit = field()->echoMode() != QLineEdit::Normal;
        s.selectableText = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // ---- Text
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0) return;
        *start = field()->selectionStart();
        *end = *start + int(field()->selectedText().size());
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) field()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) field()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        const int length = characterCount();
        start = std::clamp(start, 0, length);
        end = std::clamp(end, 0, length);
        if (start > end || hidden()) return QString();
        return field()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(field()->text().size()); }
    // Measured from the cursor, the one place whose position the field tells.
    QRect characterRect(int offset) const override {
        const QString ch = text(offset, offset + 1);
        if (ch.isEmpty()) return QRect();
        const QFontMetrics fm(field()->font());
        const QString all = field()->text();
        const QRect cursor = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = cursor.left() + fm.horizontalAdvance(all.left(offset)) -
                      fm.horizontalAdvance(all.left(cursorPosition()));
        const QRect r(x, cursor.top(), fm.horizontalAdvance(ch), fm.height());
        return QRect(field()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        field()->setCursorPosition(end);
        field()->setCursorPosition(start);
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return QString();
    }
    // Every piece is found here: the toolkit's own search never returns for a text that
    // starts before its first word, and any assistive technology that asks would freeze the
    // program. A password field gives none of its text.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType b, int* start,
                             int* end) const override {
        return piece(PieceSide::Before, b, offset, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType b, int* start,
                         int* end) const override {
        return piece(PieceSide::At, b, offset, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType b, int* start,
                            int* end) const override {
        return piece(PieceSide::After, b, offset, start, end);
    }

    // ---- Editable text
    void deleteText(int start, int end) override {
        field()->setText(field()->text().remove(start, end - start));
    }
    void insertText(int offset, const QString& text) override {
        field()->setText(field()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString& text) override {
        field()->setText(field()->text().replace(start, end - start, text));
    }

  private:
    QLineEdit* field() const { return static_cast<QLineEdit*>(widget()); }
    bool hidden() const { return field()->echoMode() != QLineEdit::Normal; }
    // -2 asks about the cursor, -1 about the end of the text.
    int at(int offset) const {
        return offset == -2 ? cursorPosition() : offset == -1 ? characterCount() : offset;
    }
    QString piece(PieceSide side, QAccessible::TextBoundaryType b, int offset, int* start,
                  int* end) const {
        if (hidden()) return *start = *end = -1, QString();
        const PieceUnit unit = b == QAccessible::CharBoundary       ? PieceUnit::Character
                               : b == QAccessible::WordBoundary     ? PieceUnit::Word
                               : b == QAccessible::SentenceBoundary ? PieceUnit::Sentence
                                                                    : PieceUnit::Line;
        const QString all = field()->text();
        const TextSpan span = textPiece(all, unit, side, at(offset));
        *start = span.start;
        *end = span.end;
        return all.mid(span.start, span.end - span.start);
    }
};

// The sprite surface or canvas whose widget it is, or nullptr.
RectControl* describedControl(QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    for (auto& w : OpenWindows())
        for (auto& c : w->Controls()) {
            auto rc = dynamic_cast<RectControl*>(c.get());
            if (rc && rc->widget() == object &&
                (dynamic_cast<SpriteSurface*>(rc) || dynamic_cast<Canvas*>(rc)))
                return rc;
        }
    return nullptr;
}

// The window that the platform describes the widget for, or nullptr where the toolkit's own
// description serves.
std::shared_ptr<::Window> describedWindow(QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    for (auto& w : OpenWindows())
        if (w->topLevelWidget() == object) return w->Frame != 0 || blank(w->Title) ? w : nullptr;
    return nullptr;
}

QAccessibleInterface* factory(const QString&, QObject* object) {
    // Assistive technology asks about plain objects too (the application, a label's
    // notification); the platform describes only widgets.
    auto widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (auto w = describedWindow(object)) return new WindowAccessible(widget, w);
    RectControl* c = describedControl(object);
    if (dynamic_cast<SpriteSurface*>(c)) return new SurfaceAccessible(widget, *c);
    if (c) return new CanvasAccessible(widget, *c);
    // A spin box's field is part of the spin box, as the toolkit has it.
    if (auto field = qobject_cast<QLineEdit*>(object);
        field && field->objectName() != QLatin1String("qt_spinbox_lineedit"))
        return new FieldAccessible(field);
    return nullptr;
}

// A widget asked about before its window or control was complete got the toolkit's
// description; it is dropped, so that the next question gets the platform's.
void dropEarlyInterface(QWidget* widget) {
    if (!widget || !QAccessible::isActive()) return;
    if (!describedWindow(widget) && !describedControl(widget)) return;
    QAccessibleInterface* current = QAccessible::queryAccessibleInterface(widget);
    if (current && !dynamic_cast<WindowAccessible*>(current) &&
        !dynamic_cast<ControlAccessible*>(current))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
}

seams::AccessibleChangeObserver& observer() {
    static seams::AccessibleChangeObserver o;
    return o;
}

void notify(QWidget* widget, QAccessible::Event event) {
    if (!widget) return;
    if (observer()) observer()(widget, event == QAccessible::NameChanged ? "name" : "description");
    QAccessibleEvent e(widget, event);
    QAccessible::updateAccessibility(&e);
}

} // namespace

void AccessibilityPrepare() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    // Asked before the toolkit's own factory, which came with the application.
    QAccessible::installFactory(factory);
}

void AccessibilityWindowBuilt(::Window& window) {
    dropEarlyInterface(window.topLevelWidget());
    for (auto& c : window.Controls())
        if (auto rc = dynamic_cast<RectControl*>(c.get())) dropEarlyInterface(rc->widget());
    labelFields(window);
}

void AccessibilityTextChanged(const RectControl& control) {
    const ::Window* window = control.Window();
    if (!window || !control.widget()) return;
    if (dynamic_cast<const Canvas*>(&control)) notify(control.widget(), QAccessible::NameChanged);
    if (blank(window->Title) && firstStaticText(*window) == &control)
        notify(window->topLevelWidget(), QAccessible::NameChanged);
    // The counts change every day: only a text that stands beside a field or surface is
    // looked at further.
    const Box box = boxOf(control);
    auto beside = [&](auto gap, auto... kinds) {
        for (auto& c : window->Controls()) {
            auto rc = dynamic_cast<RectControl*>(c.get());
            if (rc && (dynamic_cast<decltype(kinds)>(rc) || ...) && gap(*rc)) return true;
        }
        return false;
    };
    auto label = qobject_cast<QLabel*>(control.widget());
    if (label && beside([&](const RectControl& f) {
            return gapLeftOf(box, boxOf(f)) != Apart || gapAbove(box, boxOf(f)) != Apart;
        }, (EditField*)nullptr, (PopupMenu*)nullptr)) {
        labelFields(*window);
        if (QWidget* field = label->buddy()) notify(field, QAccessible::NameChanged);
    }
    for (auto& c : window->Controls()) {
        auto s = dynamic_cast<SpriteSurface*>(c.get());
        if (!s || !s->widget()) continue;
        const Box surface = boxOf(*s);
        if (gapAbove(box, surface) != Apart && nameSourceOf(*s) == &control)
            notify(s->widget(), QAccessible::NameChanged);
        if (gapRightOf(box, surface) != Apart && countOf(*s) == &control)
            notify(s->widget(), QAccessible::DescriptionChanged);
    }
}

namespace seams {
AccessibleChangeObserver setAccessibleChangeObserver(AccessibleChangeObserver o) {
    return std::exchange(observer(), std::move(o));
}
} // namespace seams
