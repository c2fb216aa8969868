#include "simulator/control_wnd.h"

#include <algorithm>

#include "framework/beep.h"
#include "framework/functions.h"
#include "framework/integer_conversion.h"
#include "simulator/statistics.h"

namespace ControlWnd {
namespace {

constexpr double kLowestR = 0;
constexpr double kHighestR = 0.99999;
constexpr std::int64_t kLeastN = 4;
constexpr std::int64_t kLargestN = 1000;
constexpr std::int64_t kLowestComputedN = -1'000'000'000;

// The keys that a field takes: digits, and the decimal point where the field
// allows one; backspace (8), tab (9) and code 16, under which the runtime
// hands on the function keys, pass too. Any other key is refused with a beep
// and does not reach the field.
bool RefuseKey(const std::string& key, bool allowPoint) {
    const std::int64_t c = fw::Asc(key);
    const bool accepted =
        (c > 47 && c < 58) || (allowPoint && c == 46) || c == 8 || c == 9 || c == 16;
    if (accepted) {
        return false;
    }
    fw::Beep();
    return true;
}

}  // namespace

bool ControlWnd::rEdit_KeyDown(std::shared_ptr<fw::TextField>, std::string key) {
    return RefuseKey(key, true);
}

bool ControlWnd::nEdit_KeyDown(std::shared_ptr<fw::TextField>, std::string key) {
    return RefuseKey(key, false);
}

void ControlWnd::rEdit_TextChange(std::shared_ptr<fw::TextField>) {
    r = fw::Val(fw::Deref(rEdit()).Text());
    // Setting the text runs this handler again before it returns; that run
    // finds r in range and shows its statistics, and this run then goes on
    // with the r that it left.
    if (r < kLowestR) {
        r = kLowestR;
        fw::Deref(rEdit()).SetText(".000");
    }
    if (r > kHighestR) {
        r = kHighestR;
        fw::Deref(rEdit()).SetText(".99999");
    }
    DoIt(r, N);
    z = stats::FisherZ(r);
    fw::Deref(zFld()).SetText(fw::Format(z, "##0.000"));
}

void ControlWnd::nEdit_TextChange(std::shared_ptr<fw::TextField>) {
    N = fw::TruncateToInteger(fw::Val(fw::Deref(nEdit()).Text()));
    if (N < kLeastN) {
        fw::Beep();
        fw::Deref(nText()).SetVisible(true);
    }
    if (N > kLeastN - 1) {
        fw::Deref(nText()).SetVisible(false);
    }
    DoIt(r, N);
}

void ControlWnd::rSlider_ValueChanged(std::shared_ptr<fw::Slider>) {
    r = static_cast<double>(fw::Deref(rSlider()).Value()) / 100;
    fw::Deref(rEdit()).SetText(fw::Format(r, ".000"));
    // Once more, with r as the field's own handler has just read it back
    // from the text (and held it in range), not with the quotient above.
    DoIt(r, N);
}

void ControlWnd::nSlider_ValueChanged(std::shared_ptr<fw::Slider>) {
    N = fw::Deref(nSlider()).Value();
    fw::Deref(nEdit()).SetText(fw::Str(N));
    DoIt(r, N);
}

// N comes from the N field, not from the argument: the field is what the user
// sees. The argument is kept because it is part of the class's declared
// method, which every caller fills with the stored N; it is never read.
void ControlWnd::DoIt(double rValue, [[maybe_unused]] std::int64_t storedN) {
    std::int64_t n = fw::TruncateToInteger(fw::Val(fw::Deref(nEdit()).Text()));
    // Far below any N a field can show, and it keeps N - 2 and N - 3 in range.
    n = std::max<std::int64_t>(n, kLowestComputedN);
    if (n > kLargestN) {
        fw::Beep();
        fw::Deref(nText()).SetVisible(true);
        fw::Deref(tText()).SetCaption("");
        fw::Deref(pText()).SetCaption("");
        fw::Deref(ciText()).SetCaption("");
        return;
    }
    t = stats::TStatistic(rValue, n);
    fw::Deref(tText()).SetCaption(fw::Format(t, "#####.00"));
    p = stats::TwoSidedP(t, n - 2);
    fw::Deref(pText()).SetCaption(fw::Format(p, ".00000"));
    const stats::Interval interval = stats::ConfidenceInterval95(rValue, n);
    fw::Deref(ciText()).SetCaption(fw::Format(interval.lower, "+.000") + " to " +
                                   fw::Format(interval.upper, "+.000"));
}

}  // namespace ControlWnd
