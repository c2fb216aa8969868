// A resizable window's controls follow their locks: a control keeps its
// distance to each locked edge, stretches between two locked edges of an axis
// and, locked to neither, keeps its size and moves by half the growth.

#include <gtest/gtest.h>
#include <QTest>
#include <QWidget>

#include <memory>
#include <string>

#include "framework/label.h"
#include "framework/runtime.h"
#include "framework/set_properties.h"
#include "framework/window.h"
#include "simulator/property_stream_writer.h"

namespace {

struct Locks {
    bool left, top, right, bottom;
};

TEST(ControlLocks, CarryEachControlAlongAsTheWindowIsResized) {
    struct Case {
        const char* name;
        Locks locks;
        QRect grown;  // the window 300 x 200 grown to 400 x 250
    };
    const Case cases[] = {
        {"left and top", {true, true, false, false}, QRect(40, 30, 100, 20)},
        {"all four", {true, true, true, true}, QRect(40, 30, 200, 70)},
        {"right and bottom", {false, false, true, true}, QRect(140, 80, 100, 20)},
        {"left and right", {true, false, true, false}, QRect(40, 55, 200, 20)},
        {"none", {false, false, false, false}, QRect(90, 55, 100, 20)},
    };
    auto window = fw::RuntimeNewObject<fw::Window>();
    window->Constructor();
    fw::SetProperties(window, PropertyStreamWriter()
                                  .Integer("Width", 300)
                                  .Integer("Height", 200)
                                  .Boolean("Resizeable", true)
                                  .Bytes());
    for (const Case& c : cases) {
        auto label = window->New<fw::Label>();
        label->Constructor();
        window->AddControl(c.name, label);
        fw::SetProperties(label, PropertyStreamWriter()
                                     .Integer("Left", 40)
                                     .Integer("Top", 30)
                                     .Integer("Width", 100)
                                     .Integer("Height", 20)
                                     .Boolean("LockLeft", c.locks.left)
                                     .Boolean("LockTop", c.locks.top)
                                     .Boolean("LockRight", c.locks.right)
                                     .Boolean("LockBottom", c.locks.bottom)
                                     .Bytes());
    }
    window->Show();
    QWidget* content = window->Content();
    ASSERT_EQ(content->size(), QSize(300, 200));

    const auto resizeContent = [&](QSize size) {
        window->TopLevel()->resize(window->TopLevel()->size() + size - content->size());
        return QTest::qWaitFor([&] { return content->size() == size; }, 2000);
    };
    ASSERT_TRUE(resizeContent(QSize(400, 250)));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto label = window->ControlByName(c.name);
        const auto& shown = dynamic_cast<fw::RectControl&>(*label);
        EXPECT_EQ(shown.Widget()->geometry(), c.grown);
        EXPECT_EQ(QRect(shown.Left(), shown.Top(), shown.Width(), shown.Height()), c.grown);
    }
    // Back at the size the layout was made for, everything is where it was.
    ASSERT_TRUE(resizeContent(QSize(300, 200)));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto& shown = dynamic_cast<fw::RectControl&>(*window->ControlByName(c.name));
        EXPECT_EQ(shown.Widget()->geometry(), QRect(40, 30, 100, 20));
    }
    window->Close();
    fw::ClearQuitRequest();
}

}  // namespace
