#pragma once
// The standard controls. Each is a RectControl whose widget shows its state; the state is
// kept in the control itself, so it can be set before the control is placed in a window.
// The framework properties that the program never reads back (focus rings, help tags,
// data binding, locks, ...) are accepted by the property lists and ignored.

#include "platform/Control.h"
#include "platform/Picture.h"

#include <memory>
#include <string>
#include <vector>

// Font settings shared by the text-showing controls. TextFont "System" (or empty) is the
// desktop's font; TextSize is in pixels, 0 for the desktop's size.
struct TextStyle {
    std::string TextFont = "System";
    int TextSize = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    // Takes the entry if it is one of the font properties.
    bool set(std::string_view name, const PropertyValue& value, bool& handled);
    void applyTo(QWidget* widget) const;
};

// A control that shows text in its own font.
class TextControl : public RectControl {
  public:
    TextStyle style;
    bool SetProperty(std::string_view name, const PropertyValue& value) override;
};

// A label. Text breaks lines at CR; TextAlign 0 left, 1 centre, 2 right; Multiline wraps.
// A text that the program sets or shows while the label is on the screen is announced to
// assistive technology, unless it is only a number.
class StaticText : public TextControl {
  public:
    const std::string& Text() const { return text_; }
    void setText(const std::string& text);
    void setVisible(bool v) override;
    int TextAlign() const { return align_; }
    void setTextAlign(int align);
    bool Multiline = false;
    Color TextColor{0, 0, 0};

    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;

  private:
    std::string text_;
    int align_ = 0;
};

// A push button: a click raises "Action". Default makes it the window's default button
// (Return presses it), Cancel its cancel button (Escape presses it).
class PushButton : public TextControl {
  public:
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool Default = false;
    bool Cancel = false;

    // Presses the button as a click would.
    void Push();

    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;

  private:
    std::string caption_;
};

// A text field, one line or (Multiline) several. Text is what the field shows, typed text
// included. LimitText is the most characters it takes (0: no limit).
class EditField : public TextControl {
  public:
    std::string Text() const;
    void setText(const std::string& text);
    bool Border = true;
    bool Password = false;
    bool ReadOnly = false;
    bool Multiline = false;
    int LimitText = 0;
    int Alignment = 0; // 0 default (left), 1 left, 2 centre, 3 right
    Color TextColor{0, 0, 0};
    Color BackColor{255, 255, 255};

    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;

  private:
    std::string text_;
};

// A popup menu: its rows come from InitialValue, one per CR-separated line; ListIndex is
// the chosen row counted from 0, or -1 for none.
class PopupMenu : public TextControl {
  public:
    int ListIndex() const;
    void setListIndex(int index);
    int ListCount() const { return static_cast<int>(rows_.size()); }
    std::string List(int row) const;
    // The chosen row's text, or empty.
    std::string Text() const { return List(ListIndex()); }
    void setInitialValue(const std::string& rows);

    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;

  private:
    std::vector<std::string> rows_;
    int listIndex_ = 0;
};

// A radio button. Setting Value true (in code, by a click or by an arrow key from another
// radio button of the window) clears every other radio button of the same window.
class RadioButton : public TextControl {
  public:
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool Value() const { return value_; }
    void setValue(bool value);

    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* createWidget(QWidget* parent) override;
    void syncWidget() override;

  private:
    std::string caption_;
    bool value_ = false;
};

// A canvas shows its Backdrop picture at its own size from the top-left corner; nil shows
// nothing.
class Canvas : public RectControl {
  public:
    const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }
    void setBackdrop(std::shared_ptr<Picture> picture);

  protected:
    QWidget* createWidget(QWidget* parent) override;

  private:
    std::shared_ptr<Picture> backdrop_;
};

// A filled rectangle with a border: BorderWidth pixels in TopLeftColor along the top and
// left edges and in BottomRightColor along the bottom and right edges.
class Rectangle : public RectControl {
  public:
    int BorderWidth = 1;
    Color FillColor{255, 255, 255};
    Color TopLeftColor{0, 0, 0};
    Color BottomRightColor{0, 0, 0};

    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* createWidget(QWidget* parent) override;
};
