#pragma once

// The simulator window's 22 controls in creation order, as the window is
// designed, written out here by hand so that the tests hold the layout to
// its design rather than to itself: each control's class, its place in
// window coordinates (those inside a frame too), its tab index, the frame
// that holds it ("" for the window itself), and the text it shows at first
// (Value of a label or text field, Caption of the button; null where there
// is none).
struct ControlWndPlace {
    const char* name;
    const char* className;
    int left, top, width, height;
    int tabIndex;
    const char* parent;
    const char* text;
};

inline constexpr ControlWndPlace kControlWndPlaces[] = {
    {"rEdit", "TextField", 55, 192, 60, 20, 0, "", ""},
    {"nEdit", "TextField", 55, 257, 60, 20, 1, "", ""},
    {"Rectangle2", "Rectangle", 5, 5, 100, 80, 3, "", nullptr},
    {"Canvas3", "Canvas", 9, 9, 92, 72, 0, "Rectangle2", nullptr},
    {"StaticText4", "Label", 115, -5, 371, 73, 4, "", "Nerq"},
    {"StaticText9", "Label", 115, 66, 371, 20, 5, "", "by the Nerq authors"},
    {"Rectangle1", "Rectangle", 113, 82, 371, 2, 6, "", nullptr},
    {"rSlider", "Slider", 25, 220, 450, 15, 7, "", nullptr},
    {"nSlider", "Slider", 25, 285, 450, 15, 8, "", nullptr},
    {"StaticText2", "Label", 25, 192, 20, 20, 9, "", "r ="},
    {"StaticText3", "Label", 25, 257, 20, 20, 10, "", "N ="},
    {"nText", "Label", 127, 257, 129, 20, 12, "", "(4 - 1,1000)"},
    {"StaticText8", "Label", 325, 192, 70, 20, 13, "", "Fisher's z ="},
    {"zFld", "TextField", 400, 192, 70, 20, 14, "", ""},
    {"Qbtn", "PushButton", 439, 349, 40, 40, 15, "", "?"},
    {"Rectangle3", "Rectangle", 20, 353, 420, 30, 2, "", nullptr},
    {"StaticText5", "Label", 35, 358, 30, 20, 0, "Rectangle3", "t ="},
    {"StaticText1", "Label", 136, 358, 40, 20, 2, "Rectangle3", "p ="},
    {"pText", "Label", 164, 358, 60, 20, 3, "Rectangle3", ""},
    {"StaticText7", "Label", 251, 358, 85, 20, 4, "Rectangle3", "95% CI of r ="},
    {"ciText", "Label", 334, 358, 95, 20, 5, "Rectangle3", ""},
    {"tText", "Label", 60, 358, 60, 20, 1, "Rectangle3", ""},
};
