#include "platform/testing/UiTesting.h"
#include "platform/Control.h"
#include "platform/MessageBoxImpl.h"
#include "platform/PictureImpl.h"
#include "platform/Runtime.h"
#include "platform/Window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace uitest {

void ProcessEvents(int ms) {
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QApplication::sendPostedEvents();
    } while (t.elapsed() < ms);
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeoutMs) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qWait(5);
    }
    return true;
}

// Events go through the window system, as a user's do: hit-testing, mouse transparency
// and modal blocking all apply.
namespace {
QWindow* handleOf(QWidget* w) {
    QWidget* top = w ? w->window() : nullptr;
    return top ? top->windowHandle() : nullptr;
}
QPoint inTopLevel(QWidget* w, QPoint p) { return w->mapTo(w->window(), p); }
} // namespace

void Click(RectControl& control) {
    QWidget* w = control.widget();
    if (QWindow* win = handleOf(w))
        QTest::mouseClick(win, Qt::LeftButton, {}, inTopLevel(w, w->rect().center()));
}

void Press(Window& window, int x, int y) {
    QWidget* w = window.clientWidget();
    if (QWindow* win = handleOf(w))
        QTest::mousePress(win, Qt::LeftButton, {}, inTopLevel(w, QPoint(x, y)));
}

void Move(Window& window, int x, int y) {
    QWidget* w = window.clientWidget();
    if (QWindow* win = handleOf(w)) QTest::mouseMove(win, inTopLevel(w, QPoint(x, y)));
}

void Release(Window& window, int x, int y) {
    QWidget* w = window.clientWidget();
    if (QWindow* win = handleOf(w))
        QTest::mouseRelease(win, Qt::LeftButton, {}, inTopLevel(w, QPoint(x, y)));
}

void Type(RectControl& control, const char* text) {
    if (QWidget* w = control.widget()) QTest::keyClicks(w, QString::fromUtf8(text));
}

void PressReturn(Window& window) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window.topLevelWidget()) target = window.clientWidget();
    if (target) QTest::keyClick(target, Qt::Key_Return);
}

bool IsShown(const Window& window) {
    QWidget* w = window.topLevelWidget();
    return w && w->isVisible();
}

bool IsBlocked(const Window& window) {
    QWidget* w = window.topLevelWidget();
    QWidget* modal = QApplication::activeModalWidget();
    return w && modal && modal != w;
}

bool IsActive(const Window& window) {
    QWidget* w = window.topLevelWidget();
    return w && w->isActiveWindow();
}

std::string FocusedName(const Window& window) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != window.topLevelWidget()) return {};
    if (focus == window.clientWidget()) return "(window)";
    for (auto& c : window.Controls())
        if (auto rc = dynamic_cast<RectControl*>(c.get()); rc && rc->widget() == focus)
            return rc->Name;
    return {};
}

} // namespace uitest

namespace uitest {

namespace {
// What the toolkit shows of a caption: "&&" as one ampersand, a lone '&' not at all (it
// only underlines the next character).
QString withoutMnemonics(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QChar('&') && i + 1 < caption.size()) ++i;
        shown += caption[i];
    }
    return shown;
}
// What a label shows: its text, or, where the label reads it as markup, the text that the
// markup lays out (a picture as one object character).
QString shownLabelText(const QLabel& label) {
    const bool markup = label.textFormat() == Qt::RichText ||
                        label.textFormat() == Qt::MarkdownText ||
                        (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
    if (!markup) return label.text();
    if (label.textFormat() == Qt::MarkdownText)
        return QTextDocumentFragment::fromMarkdown(label.text()).toPlainText();
    return QTextDocumentFragment::fromHtml(label.text()).toPlainText();
}
} // namespace

namespace {
QMenuBar* barOf(const Window& window) {
    auto top = qobject_cast<QMainWindow*>(window.topLevelWidget());
    return top ? top->menuBar() : nullptr;
}
QMenu* menuOf(const Window& window, int menu) {
    QMenuBar* bar = barOf(window);
    if (!bar || menu < 0 || menu >= bar->actions().size()) return nullptr;
    return bar->actions()[menu]->menu();
}
} // namespace

std::vector<std::string> MenuTitles(const Window& window) {
    std::vector<std::string> titles;
    if (QMenuBar* bar = barOf(window))
        for (QAction* a : bar->actions())
            titles.push_back(withoutMnemonics(a->text()).toStdString());
    return titles;
}

std::vector<std::string> MenuItemTexts(const Window& window, int menu) {
    std::vector<std::string> texts;
    if (QMenu* m = menuOf(window, menu))
        for (QAction* a : m->actions())
            texts.push_back(a->isSeparator() ? "-" : withoutMnemonics(a->text()).toStdString());
    return texts;
}

std::vector<bool> MenuItemEnabled(const Window& window, int menu) {
    std::vector<bool> enabled;
    if (QMenu* m = menuOf(window, menu))
        for (QAction* a : m->actions())
            enabled.push_back(a->isEnabled());
    return enabled;
}

std::string MenuItemShortcut(const Window& window, int menu, int item) {
    QMenu* m = menuOf(window, menu);
    if (!m || item < 0 || item >= m->actions().size()) return {};
    return m->actions()[item]->shortcut().toString().toStdString();
}

void ShowMenu(const Window& window, int menu) {
    if (QMenu* m = menuOf(window, menu)) {
        emit m->aboutToShow();
        emit m->aboutToHide();
    }
}

void ChooseMenu(const Window& window, int menu, int item) {
    QMenu* m = menuOf(window, menu);
    if (!m || item < 0 || item >= m->actions().size()) return;
    ShowMenu(window, menu);
    QAction* a = m->actions()[item];
    if (a->isEnabled()) a->trigger();
}

std::string ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

void SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::pair<int, int> ClientSize(const Window& window) {
    QWidget* w = window.clientWidget();
    return w ? std::pair{w->width(), w->height()} : std::pair{0, 0};
}

std::pair<int, int> WindowCentre(const Window& window) {
    QWidget* top = window.topLevelWidget();
    if (!top) return {0, 0};
    const QPoint c = top->frameGeometry().center();
    return {c.x(), c.y()};
}

std::pair<int, int> ScreenCentre() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint c = screen ? screen->availableGeometry().center() : QPoint();
    return {c.x(), c.y()};
}

bool LiesOnScreen(const Window& window, bool cornerOnly) {
    QWidget* top = window.topLevelWidget();
    QScreen* screen = top ? top->screen() : nullptr;
    if (!screen) return false;
    const QRect frame = top->frameGeometry(), area = screen->availableGeometry();
    return cornerOnly ? area.contains(frame.topLeft()) : area.contains(frame);
}

bool IsTransientFor(const Window& child, const Window& parent) {
    QWidget* c = child.topLevelWidget();
    QWidget* p = parent.topLevelWidget();
    return c && p && c->windowHandle() && p->windowHandle() &&
           c->windowHandle()->transientParent() == p->windowHandle();
}

} // namespace uitest

namespace uitest {

std::string ShownText(const RectControl& control) {
    QWidget* w = control.widget();
    QString t;
    if (auto l = qobject_cast<QLabel*>(w))
        t = shownLabelText(*l);
    else if (auto b = qobject_cast<QAbstractButton*>(w))
        t = withoutMnemonics(b->text());
    else if (auto e = qobject_cast<QLineEdit*>(w))
        t = e->text();
    else if (auto p = qobject_cast<QPlainTextEdit*>(w))
        t = p->toPlainText();
    else if (auto c = qobject_cast<QComboBox*>(w))
        t = c->currentText();
    return t.toStdString();
}

std::string ShownTitle(const Window& window) {
    QWidget* top = window.topLevelWidget();
    if (!top) return {};
    top->winId(); // the title the window system gets, placeholders resolved
    return top->windowHandle() ? top->windowHandle()->title().toStdString() : std::string();
}

std::string ShownMessageBoxText(const std::string& text) {
    auto box = NewMessageBox(text, nullptr);
    auto label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    return label ? shownLabelText(*label).toStdString() : std::string();
}

bool ShownAsDefault(const RectControl& button) {
    auto b = qobject_cast<QPushButton*>(button.widget());
    return b && b->isDefault();
}

bool ShowsPassword(const RectControl& control) {
    auto e = qobject_cast<QLineEdit*>(control.widget());
    return e && e->echoMode() == QLineEdit::Password;
}

bool IsAbove(const RectControl& a, const RectControl& b) {
    QWidget* wa = a.widget();
    QWidget* wb = b.widget();
    if (!wa || !wb || wa->parentWidget() != wb->parentWidget()) return false;
    const auto children = wa->parentWidget()->children(); // bottom to top
    return children.indexOf(wa) > children.indexOf(wb);
}

uint32_t ShownPixel(const RectControl& control, int x, int y) {
    QWidget* w = control.widget();
    if (!w) return 0;
    QImage img = w->grab().toImage();
    return x >= 0 && y >= 0 && x < img.width() && y < img.height() ? img.pixel(x, y) : 0;
}

namespace {
// The image as PNG bytes (empty when it cannot be encoded).
std::string pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes.toStdString();
}
} // namespace

std::string ShownPng(const RectControl& control) {
    QWidget* w = control.widget();
    return w ? pngBytes(w->grab().toImage()) : std::string();
}

TextNeed ShownTextNeed(const RectControl& label) {
    auto l = qobject_cast<QLabel*>(label.widget());
    if (!l) return {};
    l->ensurePolished();
    // The label's own hints: the narrowest it can be without cutting a word (the whole
    // line when it does not wrap), and its height when laid out at its present width.
    return {l->minimumSizeHint().width(), l->heightForWidth(l->width()),
            QFontMetrics(l->font()).lineSpacing()};
}

} // namespace uitest

namespace uitest {
bool SaveGrab(const Window& window, const std::string& path, bool withMenuBar) {
    QWidget* w = withMenuBar ? window.topLevelWidget() : window.clientWidget();
    if (!w) return false;
    return w->grab().save(QString::fromStdString(path), "PNG");
}

std::string PictureAsPng(const Picture& picture) { return pngBytes(picture.impl().image); }

bool SavePicture(const Picture& picture, const std::string& path) {
    return picture.impl().image.save(QString::fromStdString(path), "PNG");
}
} // namespace uitest

namespace uitest {
void Post(std::function<void()> work, int delayMs) {
    QTimer::singleShot(delayMs, [work = std::move(work)] { work(); });
}

void PressKeys(Window& window, const char* keys) {
    QWidget* target = window.clientWidget();
    if (!target) return;
    const QKeyCombination combo = QKeySequence(QString::fromLatin1(keys))[0];
    QTest::keyClick(target, combo.key(), combo.keyboardModifiers());
}

void FocusMenuBar(Window& window) {
    if (QMenuBar* bar = barOf(window)) bar->setFocus(Qt::MenuBarFocusReason);
    QApplication::processEvents();
}

void PressKeysOnKeyboard(Window& window, const char* keys) {
    QWindow* handle = handleOf(window.topLevelWidget());
    if (!handle) return;
    const QKeyCombination combo = QKeySequence(QString::fromLatin1(keys))[0];
    QTest::keyClick(handle, combo.key(), combo.keyboardModifiers());
    QApplication::processEvents();
}

void HoldKeyOnKeyboard(Window& window, const char* key, int repeats) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window.topLevelWidget()) return;
    const QKeyCombination combo = QKeySequence(QString::fromLatin1(key))[0];
    QPointer<QWidget> alive = target;
    for (int i = 0; i <= repeats && alive; ++i) {
        QKeyEvent press(QEvent::KeyPress, combo.key(), combo.keyboardModifiers(), QString(),
                        /*autorep=*/i > 0);
        QApplication::sendEvent(alive, &press);
        QApplication::processEvents();
    }
    // The release goes where the keyboard is now.
    if (QWidget* now = QApplication::focusWidget()) {
        QKeyEvent release(QEvent::KeyRelease, combo.key(), combo.keyboardModifiers());
        QApplication::sendEvent(now, &release);
    }
    QApplication::processEvents();
}

void TypeOnKeyboard(Window& window, const char* text) {
    QWindow* handle = handleOf(window.topLevelWidget());
    if (!handle) return;
    // Keys through the window system come as the window system's own events, queued: each
    // is handled before the next, as a typist's are.
    for (const char* c = text; *c; ++c) {
        *c == '\r' ? QTest::keyClick(handle, Qt::Key_Return) : QTest::keyClick(handle, *c);
        QApplication::processEvents();
    }
}
} // namespace uitest

namespace uitest {
LoopDeadline::LoopDeadline(int ms) : state_(std::make_shared<State>()) {
    Post(
        [state = state_] {
            if (!state->armed || !RuntimeEventLoopRunning()) return;
            state->fired = true;
            RuntimeQuit();
        },
        ms);
}

LoopDeadline::~LoopDeadline() { state_->armed = false; }
} // namespace uitest
