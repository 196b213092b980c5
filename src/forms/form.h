#pragma once
// A form: a window model with its controls, control arrays, timers and event
// handlers. Game windows derive from Form, keep references to their controls
// as members and register their handlers in the constructor.

#include <deque>
#include <list>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control.h"
#include "forms/reflect.h"
#include "forms/timer_queue.h"

namespace forms {

enum class Event { Click, DblClick, MouseMove, MouseDown, KeyPress, KeyDown, KeyUp };

// What an event carries. `index` is the array member (-1 otherwise); `x`, `y`
// are twips inside the control; `code` is a character or key code.
struct EventArgs {
    int index = -1;
    float x = 0;
    float y = 0;
    int code = 0;
};

using Handler = std::function<void(const EventArgs&)>;

// A control array: member 0 is designed, the others are loaded at run time
// as copies of member 0 and unloaded again.
class ControlArray {
public:
    ControlArray(class Form& form, Control& member0) : form_(form) { members_[0] = &member0; }
    Control& operator[](int index) const;  // throws std::out_of_range for an unloaded index
    bool loaded(int index) const { return members_.count(index) != 0; }
    Control& load(int index);
    void unload(int index);
    std::vector<int> indices() const;
    const std::string& name() const { return members_.at(0)->name(); }

private:
    Form& form_;
    std::map<int, Control*> members_;
};

class Form {
public:
    Form(TimerQueue& timers, std::string name);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }

    std::string Caption;
    bool Visible = false;
    float Left = 0, Top = 0, Width = 9600, Height = 7200;  // client area, twips
    Color BackColor = 0xC8D0D4;
    Bitmap Picture;  // the form's background picture

    virtual void Show() { Visible = true; }
    virtual void Hide() { Visible = false; }

    // The title-bar close button. Forms override it; by default it hides.
    virtual void QueryClose() { Hide(); }

    // A picture of the stock that this window shows, given at start-up by
    // its tag (the window's class lists its tags in StockTags).
    virtual void takeStockPicture(std::string_view /*tag*/, const Bitmap& /*picture*/) {}

    // The window's own properties by name: Visible, Caption, Left, Top,
    // Width, Height and Picture (read only).
    void reflectWindow(VarVisitor& v);

    // The window's own state variables, by name, for tools that print state
    // (the headless driver's `print NAME`). Forms with such state override it.
    virtual void reflect(VarVisitor&) {}

    // Routes an event to its handler; false when the form has none for it.
    // A null control name means the window background (MouseMove) or the
    // form itself (keys).
    bool dispatch(Event event, const std::string& control, const EventArgs& args);
    bool hasHandler(Event event, const std::string& control) const;

    Control* find(const std::string& name, int index = -1);
    ControlArray* findArray(const std::string& name);
    Timer* findTimer(const std::string& name);

    // The window's timers in creation order.
    const std::deque<Timer>& timers() const { return timerStorage_; }
    // Every control in z-order, bottom first.
    const std::vector<Control*>& controls() const { return zorder_; }
    // Counts loads and unloads, so the front end can tell when to rebuild.
    unsigned long layoutGeneration() const { return layoutGeneration_; }

protected:
    Control& add(Kind kind, const std::string& name, float left, float top, float width, float height,
                 Control* container = nullptr);
    Control& label(const std::string& name, const std::string& caption, float left, float top, float width,
                   float height, Control* container = nullptr);
    // A control array whose designed member 0 is created here.
    ControlArray& array(Kind kind, const std::string& name, float left, float top, float width, float height,
                        Control* container = nullptr);
    Timer& timer(const std::string& name, int interval, std::function<void()> onTick);
    void on(const std::string& control, Event event, Handler handler);
    void on(const std::string& control, Event event, std::function<void()> handler);

private:
    friend class ControlArray;
    // A designed control (index -1) or a control array's member 0.
    Control& design(Kind kind, const std::string& name, int index, float left, float top, float width,
                    float height, Control* container);
    Control& loadCopy(const Control& member0, int index);
    void unloadControl(Control* control);

    TimerQueue& timers_;
    std::string name_;
    std::list<Control> storage_;
    std::vector<Control*> zorder_;
    std::deque<ControlArray> arrays_;
    std::deque<Timer> timerStorage_;
    std::map<std::pair<std::string, Event>, Handler> handlers_;
    unsigned long layoutGeneration_ = 0;
};

}  // namespace forms
