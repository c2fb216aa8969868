#include "windows/info_wnd_streams.h"

#include <string_view>

#include "simulator/layout_streams.h"
#include "simulator/layouts.h"

namespace {

constexpr std::string_view kDescription =
    "Nerq simulates how the 95% confidence interval of the correlation coefficient and the "
    "statistical significance (p \u2260 0) vary as a function of sample size. Change r and N to "
    "watch t, p, and the confidence interval change accordingly.";

constexpr std::string_view kOwnership =
    "Nerq is copyright 2024-2026 by the Nerq authors. All rights reserved. The program may not be "
    "distributed through shareware channels, and it may not be sold in any form, either on its own "
    "or as part of a collection.";

// No place of publication exists to name, so the line says so.
constexpr std::string_view kCitation =
    "How to cite: The Nerq authors (2026). Nerq [Computer software]. Place not given: the Nerq "
    "project.";

constexpr std::string_view kDisclaimer =
    "The Nerq authors make no warranty, expressed or implied, for this product, including any "
    "implied warranty of merchantability or of fitness for a particular purpose. The product must "
    "be used with professional care and judgment in deciding whether its results are appropriate. "
    "The authors accept no liability whatsoever toward the user or toward any third party.";

constexpr std::string_view kParagraphBreak = "\r\n\r\n";

// The area has no scroll bars and is sized for this much text; the not-equal
// sign is the one character of three bytes.
static_assert(kDescription.size() == 231 + 2);
static_assert(kOwnership.size() == 214);
static_assert(kCitation.size() == 98);
static_assert(kDisclaimer.size() == 360);

}  // namespace

const std::string& InformationText() {
    static const std::string text = [] {
        std::string t;
        for (std::string_view paragraph : {kDescription, kOwnership, kCitation, kDisclaimer}) {
            if (!t.empty()) {
                t += kParagraphBreak;
            }
            t += paragraph;
        }
        return t;
    }();
    return text;
}

const std::string& InfoWndWindowStream() {
    // Fixed in size; the only window drawn as a composite and without a
    // background colour of its own.
    static const std::string stream =
        Stream(WindowLayout{.Width = 450,
                            .Height = 360,
                            .MaximumWidth = 32000,
                            .MaximumHeight = 32000,
                            .Type = 7,
                            .Title = "Info",
                            .HasMaximizeButton = true,
                            .Resizeable = false,
                            .Composite = true,
                            .HasBackgroundColor = false,
                            .BackgroundColor = layout_colors::kWhite});
    return stream;
}

const std::string& InfoWndTextAreaStream() {
    // Overlaps the window's left and top edges by one pixel and stops short
    // of its right and bottom ones.
    static const std::string stream =
        Stream(TextAreaLayout{.Head = {.Name = "StaticText1",
                                       .Left = -1,
                                       .Top = -1,
                                       .Width = 447,
                                       .Height = 358,
                                       .TabIndex = 0},
                              .TabStop = false,
                              .BackgroundColor = layout_colors::kWhite,
                              .HasBorder = true,
                              .HideSelection = true,
                              .LineHeight = 0,
                              .LineSpacing = 1,
                              .Multiline = true,
                              .AllowStyledText = true,
                              .TextColor = layout_colors::kBlack,
                              .AllowFocusRing = false,
                              .FontName = "System",
                              .FontSize = 12,
                              .Value = InformationText(),
                              .TextAlignment = 0,
                              .ReadOnly = true});
    return stream;
}
