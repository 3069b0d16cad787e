#include "platform/Control.h"
#include "platform/Runtime.h"

#include <QPointer>
#include <QWidget>

Control::~Control() = default;

void Control::InstallEventHandler(const std::string& event, EventHandler handler) {
    handlers_[event] = std::move(handler);
}

bool Control::HasEventHandler(const std::string& event) const { return handlers_.count(event) > 0; }

bool Control::RaiseEvent(const std::string& event) {
    auto it = handlers_.find(event);
    if (it == handlers_.end() || !it->second) return false;
    // Keep the control alive while its handler runs, even if the handler closes the window.
    auto self = shared_from_this();
    auto handler = it->second;
    RunHandler([&] { handler(*this); });
    return true;
}

bool Control::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "Index")) return AssignProperty(Index, value);
    if (SameName(name, "Name")) return AssignProperty(Name, value);
    if (SameName(name, "InitialParent")) return AssignProperty(InitialParent, value);
    return Object::SetProperty(name, value);
}

struct RectControl::WidgetRef {
    QPointer<QWidget> widget;
};

RectControl::RectControl() = default;

RectControl::~RectControl() {
    if (widget_ && widget_->widget) delete widget_->widget.data();
}

QWidget* RectControl::createWidget(QWidget* parent) { return new QWidget(parent); }

void RectControl::realize(QWidget* parent) {
    if (!widget_) widget_ = std::make_unique<WidgetRef>();
    if (!widget_->widget) {
        widget_->widget = createWidget(parent);
    } else if (widget_->widget->parentWidget() != parent) {
        widget_->widget->setParent(parent);
    }
    syncGeometry();
    syncWidget();
}

QWidget* RectControl::widget() const { return widget_ ? widget_->widget.data() : nullptr; }

void RectControl::requestRepaint() {
    if (auto w = widget()) w->update();
}

void RectControl::syncGeometry() {
    auto w = widget();
    if (!w) return;
    w->setGeometry(left_, top_, std::max(width_, 0), std::max(height_, 0));
    w->setEnabled(enabled_);
    w->setVisible(visible_);
}

void RectControl::setLeft(int v) {
    left_ = v;
    syncGeometry();
}
void RectControl::setTop(int v) {
    top_ = v;
    syncGeometry();
}
void RectControl::setWidth(int v) {
    width_ = v;
    syncGeometry();
}
void RectControl::setHeight(int v) {
    height_ = v;
    syncGeometry();
}
void RectControl::setVisible(bool v) {
    visible_ = v;
    syncGeometry();
}
void RectControl::setEnabled(bool v) {
    enabled_ = v;
    syncGeometry();
}

bool RectControl::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "Left"))
        return SetThrough<int32_t>(value, [this](int32_t v) { setLeft(v); });
    if (SameName(name, "Top")) return SetThrough<int32_t>(value, [this](int32_t v) { setTop(v); });
    if (SameName(name, "Width"))
        return SetThrough<int32_t>(value, [this](int32_t v) { setWidth(v); });
    if (SameName(name, "Height"))
        return SetThrough<int32_t>(value, [this](int32_t v) { setHeight(v); });
    if (SameName(name, "Visible"))
        return SetThrough<bool>(value, [this](bool v) { setVisible(v); });
    if (SameName(name, "Enabled"))
        return SetThrough<bool>(value, [this](bool v) { setEnabled(v); });
    if (SameName(name, "TabIndex")) return AssignProperty(TabIndex, value);
    return Control::SetProperty(name, value);
}
