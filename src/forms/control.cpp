#include "forms/control.h"

namespace forms {

std::string Control::fullName() const {
    if (index_ < 0) return name_;
    return name_ + "(" + std::to_string(index_) + ")";
}

std::string Control::currentText() const {
    if (ListIndex < 0 || ListIndex >= int(List.size())) return {};
    return List[std::size_t(ListIndex)];
}

void Control::setPicture(Bitmap picture) {
    picture_ = std::move(picture);
    if (kind_ == Kind::Image && !Stretch && picture_.image) {
        Width = picture_.widthTwips();
        Height = picture_.heightTwips();
    }
}

Control Control::loadedCopy(int index) const {
    Control copy = *this;
    copy.index_ = index;
    copy.Visible = false;
    return copy;
}

bool Control::shownOnForm() const {
    for (const Control* c = this; c; c = c->container)
        if (!c->Visible) return false;
    return true;
}

}  // namespace forms
