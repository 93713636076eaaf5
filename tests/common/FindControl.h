#pragma once

#include <QObject>
#include <QString>

#include <gtest/gtest.h>

// The control of a window by its name; the test fails when the window has none.
template <typename Control>
Control* FindControl(const QObject& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}
