#include "forms/form.h"

#include <algorithm>
#include <stdexcept>

namespace forms {

Control& ControlArray::operator[](int index) const {
    auto it = members_.find(index);
    if (it == members_.end())
        throw std::out_of_range("control array element " + name() + "(" + std::to_string(index) +
                                ") does not exist");
    return *it->second;
}

Control& ControlArray::load(int index) {
    if (loaded(index)) throw std::logic_error("control array element already loaded: " + name());
    Control& copy = form_.loadCopy(*members_.at(0), index);
    members_[index] = &copy;
    return copy;
}

void ControlArray::unload(int index) {
    if (index == 0) throw std::logic_error("the designed member of a control array cannot be unloaded");
    auto it = members_.find(index);
    if (it == members_.end()) return;
    form_.unloadControl(it->second);
    members_.erase(it);
}

std::vector<int> ControlArray::indices() const {
    std::vector<int> out;
    for (const auto& [i, c] : members_) out.push_back(i);
    return out;
}

Form::Form(TimerQueue& timers, std::string name) : timers_(timers), name_(std::move(name)) {}

Control& Form::design(Kind kind, const std::string& name, int index, float left, float top, float width,
                      float height, Control* container) {
    Control& c = storage_.emplace_back(kind, name, index);
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    c.container = container;
    c.BackTransparent = kind == Kind::Label || kind == Kind::Image;
    zorder_.push_back(&c);
    return c;
}

Control& Form::add(Kind kind, const std::string& name, float left, float top, float width, float height,
                   Control* container) {
    return design(kind, name, -1, left, top, width, height, container);
}

Control& Form::label(const std::string& name, const std::string& caption, float left, float top, float width,
                     float height, Control* container) {
    Control& c = add(Kind::Label, name, left, top, width, height, container);
    c.Caption = caption;
    return c;
}

ControlArray& Form::array(Kind kind, const std::string& name, float left, float top, float width, float height,
                         Control* container) {
    return arrays_.emplace_back(*this, design(kind, name, 0, left, top, width, height, container));
}

Control& Form::loadCopy(const Control& member0, int index) {
    Control& c = storage_.emplace_back(member0.loadedCopy(index));
    zorder_.push_back(&c);
    ++layoutGeneration_;
    return c;
}

void Form::unloadControl(Control* control) {
    zorder_.erase(std::remove(zorder_.begin(), zorder_.end(), control), zorder_.end());
    storage_.remove_if([control](const Control& c) { return &c == control; });
    ++layoutGeneration_;
}

Timer& Form::timer(const std::string& name, int interval, std::function<void()> onTick) {
    return timerStorage_.emplace_back(timers_, name, interval, std::move(onTick));
}

void Form::on(const std::string& control, Event event, Handler handler) {
    handlers_[{control, event}] = std::move(handler);
}

void Form::on(const std::string& control, Event event, std::function<void()> handler) {
    handlers_[{control, event}] = [h = std::move(handler)](const EventArgs&) { h(); };
}

bool Form::dispatch(Event event, const std::string& control, const EventArgs& args) {
    auto it = handlers_.find({control, event});
    if (it == handlers_.end()) return false;
    // Copy: the handler may register or replace handlers while it runs.
    Handler h = it->second;
    h(args);
    return true;
}

bool Form::hasHandler(Event event, const std::string& control) const {
    return handlers_.count({control, event}) != 0;
}

void Form::reflectWindow(VarVisitor& v) {
    v.field("Visible", Visible);
    v.field("Caption", Caption);
    v.field("Left", Left);
    v.field("Top", Top);
    v.field("Width", Width);
    v.field("Height", Height);
    std::string picture = Picture.name;
    v.field("Picture", picture);
}

Control* Form::find(const std::string& name, int index) {
    if (index >= 0) {
        ControlArray* a = findArray(name);
        if (!a || !a->loaded(index)) return nullptr;
        return &(*a)[index];
    }
    for (Control* c : zorder_)
        if (c->name() == name && c->index() < 0) return c;
    return nullptr;
}

ControlArray* Form::findArray(const std::string& name) {
    for (ControlArray& a : arrays_)
        if (a.name() == name) return &a;
    return nullptr;
}

Timer* Form::findTimer(const std::string& name) {
    for (Timer& t : timerStorage_)
        if (t.name() == name) return &t;
    return nullptr;
}

}  // namespace forms
