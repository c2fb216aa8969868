// A one-line caption too wide for its label is drawn smaller, at most 40%
// smaller, in the largest size that fits; the fit follows every new caption
// and box, whether the label is drawn or its widget asked for first.

#include <gtest/gtest.h>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>

#include "framework/label.h"
#include "framework/runtime.h"
#include "framework/set_properties.h"
#include "framework/window.h"
#include "simulator/property_stream_writer.h"
#include "tests/support/control_host.h"

namespace {

constexpr int kStyled = 12;
constexpr int kSmallest = kStyled * 6 / 10;
const QString kCaption = "-.406 to +.782";

int AdvanceAt(int pixelSize, const QString& text) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).horizontalAdvance(text);
}

class LabelFit : public ControlHostTest {
  protected:
    std::shared_ptr<fw::Label> AddLabel(int width, bool multiLine) {
        auto label = Add<fw::Label>();
        PropertyStreamWriter stream;
        stream.Integer("Width", width)
            .Integer("Height", 20)
            .Boolean("MultiLine", multiLine)
            .Single("FontSize", kStyled);
        fw::SetProperties(label, stream.Bytes());
        return label;
    }

    // The size that the label drew its caption in, found without asking
    // the label to fit.
    static int DrawnSize(fw::Label& label) {
        label.Widget()->grab();
        return label.Widget()->font().pixelSize();
    }
};

TEST_F(LabelFit, AOneLineCaptionShrinksToTheLargestSizeThatFitsAndNoFurther) {
    const int wide = AdvanceAt(kStyled, kCaption);
    ASSERT_GT(wide, AdvanceAt(kSmallest, kCaption)) << "the interface font does not scale";
    struct Case {
        const char* what;
        int width;
        bool multiLine;
    };
    const Case cases[] = {
        {"room to spare", wide + 20, false},
        {"just room", wide, false},
        {"a pixel short", wide - 1, false},
        {"room at the smallest size", AdvanceAt(kSmallest, kCaption), false},
        {"no room at any size", 5, false},
        {"wrapped over lines", 5, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const bool drawnFirst : {true, false}) {
            auto label = AddLabel(c.width, c.multiLine);
            label->SetCaption(kCaption.toStdString());
            const int size = drawnFirst ? DrawnSize(*label) : label->Shown()->font().pixelSize();
            EXPECT_EQ(label->Shown()->font().pixelSize(), size);
            EXPECT_EQ(label->Caption(), kCaption.toStdString());
            if (c.multiLine || wide <= c.width) {
                EXPECT_EQ(size, kStyled);
                continue;
            }
            EXPECT_LT(size, kStyled);
            EXPECT_GE(size, kSmallest);
            EXPECT_GT(AdvanceAt(size + 1, kCaption), c.width);
            if (size > kSmallest) {
                EXPECT_LE(AdvanceAt(size, kCaption), c.width);
            }
        }
    }
}

TEST_F(LabelFit, AShorterCaptionOrAWiderBoxGivesBackTheStyledSize) {
    const int wide = AdvanceAt(kStyled, kCaption);
    auto label = AddLabel(wide / 2, false);
    label->SetCaption(kCaption.toStdString());
    ASSERT_LT(DrawnSize(*label), kStyled);

    label->SetCaption("x");
    EXPECT_EQ(DrawnSize(*label), kStyled);

    label->SetCaption(kCaption.toStdString());
    label->SetCaption("y");  // never drawn in between
    EXPECT_EQ(label->Shown()->font().pixelSize(), kStyled);

    label->SetCaption(kCaption.toStdString());
    ASSERT_LT(DrawnSize(*label), kStyled);
    label->SetWidth(wide + 20);
    EXPECT_EQ(DrawnSize(*label), kStyled);
    label->SetWidth(wide / 2);
    EXPECT_LT(label->Shown()->font().pixelSize(), kStyled);
}

}  // namespace
