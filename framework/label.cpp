#include "framework/label.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "framework/widget_as.h"
#include "framework/window.h"

namespace fw {
namespace {

// The Qt side of a label: it fits its font to its text where the text is
// drawn. Measuring a text shapes it, which costs more than all else that a
// new caption does, and a read-out may take several captions between two
// paints (the simulator writes each one twice per slider step); so the fit
// waits for the paint, or for whoever asks for the widget as it is drawn,
// and is measured again only when the text, the width or the wrapping that
// it was made for changed.
class FittedLabel : public QLabel {
  public:
    // The font that the label's style asks for, drawn smaller where a
    // one-line text would not fit.
    void SetStyledFont(const QFont& font) {
        styled_ = font;
        fitted_ = false;
    }

    void Fit() {
        if (fitted_ && fittedText_ == text() && fittedWidth_ == width() &&
            fittedWrap_ == wordWrap()) {
            return;
        }
        fittedText_ = text();
        fittedWidth_ = width();
        fittedWrap_ = wordWrap();
        fitted_ = true;
        QFont font = styled_;
        const int wanted = font.pixelSize();
        if (!fittedWrap_ && wanted > 0) {
            const int smallest = std::max(1, wanted * 6 / 10);
            int size = wanted;
            while (size > smallest &&
                   QFontMetrics(font).horizontalAdvance(fittedText_) > fittedWidth_) {
                font.setPixelSize(--size);
            }
        }
        // An unchanged font is no change to Qt: only a new size repaints.
        setFont(font);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        Fit();
        QLabel::paintEvent(event);
    }

  private:
    QFont styled_;
    bool fitted_ = false;
    QString fittedText_;
    int fittedWidth_ = 0;
    bool fittedWrap_ = false;
};

}  // namespace

const ClassRecord& Label::ClassInfo() {
    static const ClassRecord record({
        .name = "Label",
        .super = &TextControl::ClassInfo(),
        .framework = true,
        .events = kEvents,
        .properties =
            {
                PropertyOf("MultiLine", PropertyType::Boolean, &Label::SetMultiLine),
                PropertyOf("Selectable", PropertyType::Boolean, &Label::SetSelectable),
                PropertyOf("Value", PropertyType::String, &Label::SetCaption),
                KeptProperty("DataSource", PropertyType::String),
                KeptProperty("DataField", PropertyType::String),
            },
    });
    return record;
}

void Label::Constructor() {
    auto* label = new FittedLabel;
    label->setTextFormat(Qt::PlainText);
    SetWidget(label);
    ApplyTextStyle();
}

QLabel* Label::Shown() const {
    auto& label = WidgetAs<FittedLabel>();
    label.Fit();
    return &label;
}

std::string Label::Caption() const {
    return WidgetAs<FittedLabel>().text().toStdString();
}

void Label::SetCaption(const std::string& text) {
    WidgetAs<FittedLabel>().setText(QString::fromStdString(text));
}

void Label::TextStyleApplied() {
    WidgetAs<FittedLabel>().SetStyledFont(StyledFont());
}

// Stretched taller with its window, a label keeps its text where the layout
// put it: centred in the height it was given, not in all it has now.
void Label::GeometryChanged() {
    const auto gained = static_cast<int>(std::clamp<std::int64_t>(HeightGained(), 0, kMostPixels));
    WidgetAs<QLabel>().setContentsMargins(0, 0, 0, gained);
}

void Label::SetMultiLine(bool value) {
    WidgetAs<QLabel>().setWordWrap(value);
}

void Label::SetSelectable(bool value) {
    WidgetAs<QLabel>().setTextInteractionFlags(value ? Qt::TextSelectableByMouse
                                                     : Qt::NoTextInteraction);
}

void Label::ApplyAlignment(int qtAlignment) {
    WidgetAs<QLabel>().setAlignment(static_cast<Qt::Alignment>(qtAlignment));
}

}  // namespace fw
