#include "ResidentFixture.h"

#include <QTest>

ResidentFixture::ResidentFixture(QDate today, QTime now)
    : TestEnvironment(today, now)
{
    Windows::create();
}

ResidentFixture::~ResidentFixture() { Windows::destroy(); }

bool ResidentFixture::show(QWidget *window) const
{
    Residents::switchTo(nullptr, window);
    return QTest::qWaitForWindowActive(window);
}
