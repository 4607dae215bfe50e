#pragma once
// The window as data: one plain struct per control kind. No toolkit type appears here; the
// Win32 view copies these onto native controls, tests read them directly.
// Positions are twips (1/1440 inch), relative to the container's client area, and may be
// fractional (the schematic computes half-twips).
#include <string>
#include <vector>

namespace quornel {

enum class ControlKind {
    Label,
    Button,
    OptionButton,
    CheckBox,
    ComboBox,      // editable combo box
    DropDownList,  // non-editable combo box
    Frame,
    PictureBox,
    Image,
    Shape,  // rectangle or small circular dot
    Line,
    TextBox,
    TabControl,
};

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// What every control has. `index` is the element number of a control array, -1 for a
// control that is not in an array. `container` names the parent ("frmMain", "SSTab1",
// "Picture2", "Frame1", ...); `tab_page` is the SSTab1 page a control shows on (-1 when it
// is not on the tab control or inherits it from its container).
struct Control {
    std::string name;
    int index = -1;
    ControlKind kind = ControlKind::Label;
    std::string container = "frmMain";
    int tab_page = -1;
    Rect rect;
    bool visible = true;
    bool enabled = true;
    // What the window shows while the mouse rests on the control (a tooltip): an input box's
    // name as 「作図」's messages give it, a button's action. Empty: no tip.
    std::string tip;
};

struct Label : Control {
    std::string caption;
};

struct Button : Control {
    std::string caption;
};

struct OptionButton : Control {
    std::string caption;
    bool value = false;
};

// A check box: `value` 1 checked, 0 not. A click turns it over; its caption may run to
// several lines within its rectangle.
struct CheckBox : Control {
    std::string caption;
    int value = 0;
};

struct ComboBox : Control {
    std::string text;
    std::vector<std::string> items;
    int list_index = -1;  // -1: no entry selected
};

struct TextBox : Control {
    std::string text;
};

// A group frame: an etched edge round its controls, with its title on the top edge ("" for
// none).
struct Frame : Control {
    std::string caption;
};

// Images and picture boxes show a picture named by an id ("img_botanD(4)", "pic_ku",
// "pic_nPenColor(2)"); "" is no picture. The pixels behind an id are made in code.
struct Picture : Control {
    std::string picture;
};

struct Shape : Control {};

// SSTab1: the pages' captions and the page shown.
struct TabControl : Control {
    std::vector<std::string> tabs;
    int tab = 0;
};

struct Line : Control {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

}  // namespace quornel
