#pragma once
// Control models: plain state named as a form designer names it. Geometry is
// in twips, relative to the control's container (the form or a frame).
// Colours are 0xBBGGRR integers.

#include <string>
#include <vector>

#include "forms/picture.h"
#include "forms/reflect.h"

namespace forms {

enum class Kind { Label, Image, PictureBox, Shape, Frame, ListBox, ComboBox, TextBox };
enum class ShapeKind { Rectangle, Square, Oval, Circle };

using Color = long;
constexpr Color Black = 0x000000;
constexpr Color White = 0xFFFFFF;
constexpr Color Red = 0x0000FF;

class Control {
public:
    Control(Kind kind, std::string name, int index = -1) : kind_(kind), name_(std::move(name)), index_(index) {}

    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 unless a control-array member
    // "Name" or "Name(i)".
    std::string fullName() const;

    // The frame or picture box that holds this control, or null for the form.
    Control* container = nullptr;

    std::string Caption;
    std::string Text;
    std::string Tag;
    bool Visible = true;
    bool Enabled = true;
    bool FontBold = false;
    float FontSize = 9;
    float Left = 0, Top = 0, Width = 0, Height = 0;
    Color ForeColor = Black;
    Color BackColor = White;
    bool BackTransparent = false;  // labels drawn over pictures
    bool Centered = false;         // label text alignment

    // Shapes.
    ShapeKind Shape = ShapeKind::Rectangle;
    Color FillColor = Black;
    bool Filled = false;
    Color BorderColor = Black;

    // Lists and combo boxes.
    std::vector<std::string> List;
    int ListIndex = -1;
    std::string currentText() const;  // the entry at ListIndex, or ""
    void clear() { List.clear(); ListIndex = -1; }
    void addItem(std::string item) { List.push_back(std::move(item)); }

    // Images and picture boxes. An image without Stretch takes the size of
    // the picture it is given, as the designer's image control does.
    bool Stretch = false;
    const Bitmap& picture() const { return picture_; }
    void setPicture(Bitmap picture);
    void clearPicture() { picture_ = Bitmap{}; }
    // The mouse pointer over the control: a custom picture, or the arrow when empty.
    Bitmap MouseIcon;

    // Whether the control and every container above it are visible.
    bool shownOnForm() const;

    // The designer's properties by name, as the driver prints and sets them:
    // Caption, Text, Visible, Enabled, Left, Top, Width, Height, FontBold,
    // ForeColor, BackColor, FillColor, BorderColor, Tag, ListIndex,
    // ListCount, List(i), Picture. A list box's Text is its current entry;
    // ListCount and Picture are read only.
    void reflect(VarVisitor& v);

    // A new member `index` of this control's array: a copy of every property,
    // hidden, as the runtime loads an array member.
    Control loadedCopy(int index) const;

private:
    Kind kind_;
    std::string name_;
    int index_;
    Bitmap picture_;
};

}  // namespace forms
