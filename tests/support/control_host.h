#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/runtime.h"
#include "framework/window.h"

// Tests of single controls: a plain window that each test puts its controls
// on, made and constructed as a program's window makes them, and closed again
// after the test.
class ControlHostTest : public testing::Test {
  public:
    void SetUp() override {
        window = fw::RuntimeNewObject<fw::Window>();
        window->Constructor();
    }
    void TearDown() override {
        window->Close();
        fw::ClearQuitRequest();
    }

    // A new control of class T on the window; named after its place among
    // the window's controls unless a name is given.
    template <class T>
    std::shared_ptr<T> Add(std::string name = {}) {
        auto control = window->New<T>();
        control->Constructor();
        if (name.empty()) {
            name = "Control" + std::to_string(window->Controls().size());
        }
        window->AddControl(name, control);
        return control;
    }

    std::shared_ptr<fw::Window> window;
};
