#include "clients/ClientFile.h"
#include "platform/NumLock.h"
#include "platform/SingleInstance.h"
#include "platform/Volumes.h"
#include "shell/Clock.h"
#include "shell/RunState.h"
#include "shell/SettingsProfile.h"
#include "support/FakeNumLock.h"
#include "support/FakeProfile.h"
#include "support/FakeSingleInstance.h"
#include "support/FakeVolumes.h"
#include "support/ProgramState.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace std::chrono;

TEST(ClockTest, SystemClockGivesTheLocalDate) {
    for (int attempt = 0; attempt < 2; ++attempt) { // a second try when midnight passed in between
        const QDate before = QDate::currentDate();
        const year_month_day today = SystemClock().Today();
        if (QDate::currentDate() != before)
            continue;
        EXPECT_EQ(today, (year_month_day{year{before.year()}, month{static_cast<unsigned>(before.month())},
                                         day{static_cast<unsigned>(before.day())}}));
        return;
    }
}

TEST(ProgramStateTest, ResetPutsTheRealLayersBackAndClearsTheRunState) {
    SetToday(year_month_day{year{2001}, January, day{2}});
    Install(SetProgramProfile, std::make_unique<FakeProfile>());
    Install(SetProgramVolumes, std::make_unique<FakeVolumes>());
    Install(SetProgramNumLock, std::make_unique<FakeNumLock>());
    SetSingleInstanceFactory(
        [](const QString&, QObject* parent) { return new FakeSingleInstance(true, parent); });
    ClientCount = 3;
    Proceed = EditExisting = PrintToDosPort = true;

    ResetProgramState();
    EXPECT_NE(dynamic_cast<SystemClock*>(&ProgramClock()), nullptr);
    EXPECT_NE(dynamic_cast<IniProfile*>(&ProgramProfile()), nullptr);
    EXPECT_NE(dynamic_cast<MountedVolumes*>(&ProgramVolumes()), nullptr);
    EXPECT_NE(dynamic_cast<XkbNumLock*>(&ProgramNumLock()), nullptr);
    QObject owner;
    EXPECT_NE(qobject_cast<LocalSingleInstance*>(NewSingleInstance({}, &owner)), nullptr);
    EXPECT_EQ(ClientCount, 0);
    EXPECT_FALSE(Proceed || EditExisting || PrintToDosPort);
}
