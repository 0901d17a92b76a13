#include "support/ProgramState.h"

#include "clients/ClientFile.h"
#include "clients/ClientInfoRules.h"
#include "clients/DataDrive.h"
#include "entry/MarkReading.h"
#include "platform/CupsPrinter.h"
#include "entry/ScanReview.h"
#include "entry/qt/ScanAnswerSheet.h"
#include "platform/NumLock.h"
#include "platform/QtAudioDevice.h"
#include "platform/SingleInstance.h"
#include "platform/Volumes.h"
#include "scoring/ReportOptions.h"
#include "scoring/Scoring.h"
#include "shell/Clock.h"
#include "shell/ProgramFolder.h"
#include "shell/RunState.h"
#include "shell/SettingsProfile.h"
#include "shell/qt/DataDriveSetup.h"
#include "shell/qt/EndProgram.h"
#include "shell/qt/WindowHelpers.h"
#include "shell/qt/frmAbout.h"

namespace {
const int DefaultSplashMs = frmAbout::SplashDuration();
}

void ResetProgramState() {
    SetProgramFolder("");
    ResetClientFileState();
    ResetDataDrive();
    ClearRunState();
    EditCountNow = 0;
    NameDeletedNow = 0;
    PrintToDosPort = false;
    SoundPath.clear();
    QuestionDatabasePath.clear();
    PublisherCode.assign(1, 'm'); // the default; a plain "m" assignment trips a false GCC 12 warning
    SummaryReport = false;
    ScoreResults = {};
    ResetScanState();
    LastScanReview = {};

    SetProgramClock(nullptr);
    SetProgramProfile(nullptr);
    SetProgramVolumes(nullptr);
    SetProgramNumLock(nullptr);
    SetProgramReportPrinter(nullptr);
    SetSingleInstanceFactory({});
    SetAudioDeviceFactory({});
    SetScanSourceFactory({});

    SetEndProgramHandler({});
    ResetProgramEnded();
    SetNameDisplayRefresher({});
    frmAbout::SetSplashDuration(DefaultSplashMs);
    ResetBeepCount();
}
