#include "windows/about_wnd_streams.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "simulator/layout_streams.h"
#include "simulator/layouts.h"
#include "windows/notice_line.h"

namespace {

constexpr fw::Color kMaroon{0x80, 0x00, 0x00, 0x00};  // 80 00 00 00

using NamedStream = std::pair<std::string_view, std::string>;

// Creation order. The two labels run across the window, the product name at
// the top and the notice at the bottom, with the canvas centred between.
std::array<NamedStream, 4> BuildControlStreams() {
    return {{
        {"StaticText5", Stream(LabelLayout{.Head = {.Name = "StaticText5",
                                                    .Left = 0,
                                                    .Top = 181,
                                                    .Width = 298,
                                                    .Height = 15,
                                                    .TabIndex = 0},
                                           .TabStop = true,
                                           .TextAlignment = 2,
                                           .TextColor = kMaroon,
                                           .Value = NoticeLine(),
                                           .Bold = false,
                                           .FontSize = 9})},
        {"Canvas1", Stream(CanvasLayout{.Head = {.Name = "Canvas1",
                                                 .Left = 104,
                                                 .Top = 60,
                                                 .Width = 92,
                                                 .Height = 72,
                                                 .TabIndex = 1},
                                        .TabStop = false,
                                        .Enabled = false})},
        {"StaticText1", Stream(LabelLayout{.Head = {.Name = "StaticText1",
                                                    .Left = 0,
                                                    .Top = 0,
                                                    .Width = 298,
                                                    .Height = 55,
                                                    .TabIndex = 3},
                                           .TabStop = false,
                                           .TextAlignment = 2,
                                           .TextColor = kMaroon,
                                           .Value = "Nerq",
                                           .Bold = true,
                                           .FontSize = 42})},
        // One run, four seconds after the window is built.
        {"Timer1", Stream(TimerLayout{.RunMode = 1, .Period = 4000})},
    }};
}

}  // namespace

const std::string& AboutWndWindowStream() {
    // No title: the title bar stays empty above the product name.
    static const std::string stream =
        Stream(WindowLayout{.Width = 300,
                            .Height = 200,
                            .MaximumWidth = 32000,
                            .MaximumHeight = 32000,
                            .Type = 2,
                            .Title = "",
                            .HasMaximizeButton = true,
                            .Resizeable = true,
                            .HasBackgroundColor = true,
                            .BackgroundColor = layout_colors::kWhite});
    return stream;
}

const std::string& AboutWndControlStream(std::string_view controlName) {
    static const std::array<NamedStream, 4> streams = BuildControlStreams();
    return StreamNamed(streams, controlName, "AboutWnd");
}
