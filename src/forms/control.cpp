#include "forms/control.h"

namespace forms {
namespace {

// A property held in another type, seen as a whole number.
template <class T>
void Whole(VarVisitor& v, std::string_view name, T& value) {
    long long n = value;
    v.field(name, n);
    value = T(n);
}

}  // namespace

void Control::reflect(VarVisitor& v) {
    v.field("Caption", Caption);
    if (kind_ == Kind::ListBox) {
        std::string current = currentText();
        v.field("Text", current);
    } else {
        v.field("Text", Text);
    }
    v.field("Visible", Visible);
    v.field("Enabled", Enabled);
    v.field("Left", Left);
    v.field("Top", Top);
    v.field("Width", Width);
    v.field("Height", Height);
    v.field("FontBold", FontBold);
    Whole(v, "ForeColor", ForeColor);
    Whole(v, "BackColor", BackColor);
    Whole(v, "FillColor", FillColor);
    Whole(v, "BorderColor", BorderColor);
    v.field("Tag", Tag);
    Whole(v, "ListIndex", ListIndex);
    v.count("ListCount", List.size());
    v.strings("List", List);
    std::string picture = picture_.name;
    v.field("Picture", picture);
}

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
