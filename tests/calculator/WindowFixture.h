#pragma once

#include "calculator/untCalc.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// The real main window, shown and active, its controls found by their names.
class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename Control>
    Control* Find(const QString& name) const
    {
        auto* control = window.findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }

    QPushButton* Button(int number) const
    {
        return Find<QPushButton>(QStringLiteral("SpTBXButton%1").arg(number));
    }

    TfrmCalc window;
    QPlainTextEdit* expression = Find<QPlainTextEdit>(QStringLiteral("ExpressionEdit"));
    QLineEdit* result = Find<QLineEdit>(QStringLiteral("ResultEdit"));
    QLineEdit* resultUpCase = Find<QLineEdit>(QStringLiteral("ResultEditUpCase"));
};
