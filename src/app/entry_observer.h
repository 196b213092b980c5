#pragma once
// What a front end tells an onlooker about every entry into the game, at the
// points where the game is entered: the start, a pump of the timers to a
// time, an event handed to a form's handler, a title-bar close. The session
// recorder (app/session_record.h) is one; the game never sees it.

#include <cstdint>
#include <string>

#include "forms/form.h"

namespace klev {

class EntryObserver {
public:
    virtual ~EntryObserver() = default;
    // Game::Start is about to run.
    virtual void starting() = 0;
    // TimerQueue::pumpTo(time) is about to run.
    virtual void pumping(std::int64_t time) = 0;
    // form.dispatch(event, control, args) is about to run.
    virtual void delivering(forms::Form& form, forms::Event event, const std::string& control,
                            const forms::EventArgs& args) = 0;
    // form.QueryClose() is about to run.
    virtual void closing(forms::Form& form) = 0;
    // The outermost entry returned, or any entry failed with `failure` (the
    // game's message; the run is over then).
    virtual void entryEnded(const std::string* failure) = 0;
};

}  // namespace klev
