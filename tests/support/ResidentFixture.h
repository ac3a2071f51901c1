#pragma once
// The program as start-up leaves it, over a test environment: every resident
// window created in its order and entered in the registry. Destroying the
// fixture destroys the windows first, then the environment.

#include "TestServices.h"

#include "app/Windows.h"

class ResidentFixture : public TestEnvironment {
public:
    explicit ResidentFixture(QDate today = QDate(2025, 5, 15), QTime now = QTime(10, 0));
    ~ResidentFixture();

    ResidentWindows windows() const { return Windows::resident(); }
    // Brings window up as the program does (the app windows maximised) and
    // waits until it is active.
    bool show(QWidget *window) const;
};
