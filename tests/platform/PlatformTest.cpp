#include "platform/NumLock.h"
#include "platform/SingleInstance.h"
#include "platform/Volumes.h"
#include "support/TempDir.h"

#include <QFile>
#include <QProcess>
#include <QtTest/QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>

namespace fs = std::filesystem;

namespace {
QString Folder(const TempDir& d) {
    return QString::fromStdString(d.path());
}

// The real program on a private program and runtime folder, offscreen.
struct ProgramCopy {
    ProgramCopy(const TempDir& program, const TempDir& runtime) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TARVOS_PROGRAM_DIR", Folder(program));
        env.insert("XDG_RUNTIME_DIR", Folder(runtime));
        process.setProcessEnvironment(env);
        process.setProgram(QStringLiteral(TARVOS_BUILD_DIR "/tarvos"));
    }
    QProcess process;
};
} // namespace

TEST(SingleInstanceTest, RealProgramRefusesASecondCopyAndRecoversAfterBeingKilled) {
    TempDir program, data, runtime;
    program.write("trvtest.ini", "[Path]\r\nFilePath=" + data.path() + "\r\n");
    ProgramCopy first(program, runtime);
    first.process.start();
    ASSERT_TRUE(first.process.waitForStarted(5000));
    // Running: it listens, and its start-up has written the settings (the splash is still playing).
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(runtime.file("tarvos.socket")); }, 10000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return program.read("trvtest.ini").find("SystemDB") != std::string::npos; }, 10000));
    QTest::qWait(800);
    const std::string ini = program.read("trvtest.ini");
    const auto stamp = fs::last_write_time(program.file("trvtest.ini"));

    LocalSingleInstance probe(Folder(runtime));
    EXPECT_FALSE(probe.TryBecomeFirst());
    ProgramCopy second(program, runtime);
    second.process.start();
    ASSERT_TRUE(second.process.waitForFinished(10000)) << "the second copy ends at once";
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_EQ(program.read("trvtest.ini"), ini);
    EXPECT_EQ(fs::last_write_time(program.file("trvtest.ini")), stamp);
    EXPECT_EQ(first.process.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first.process.processId()), SIGKILL);
    ASSERT_TRUE(first.process.waitForFinished(5000));
    ASSERT_TRUE(fs::exists(runtime.file("tarvos.socket"))) << "a crash leaves its socket";
    ProgramCopy after(program, runtime);
    after.process.start();
    EXPECT_FALSE(after.process.waitForFinished(3000)) << "a killed copy does not block the next start";
    after.process.kill();
    after.process.waitForFinished(5000);
}

TEST(NumLockTest, LocksAndUnlocksOnARealXServer) {
    int number = 90;
    while (number < 120 && fs::exists("/tmp/.X11-unix/X" + std::to_string(number)))
        ++number;
    QProcess xvfb;
    xvfb.start("Xvfb", {QStringLiteral(":%1").arg(number), "-screen", "0", "640x480x24", "-nolisten", "tcp",
                        "-noreset"});
    if (!xvfb.waitForStarted(5000))
        GTEST_SKIP() << "Xvfb cannot be started";
    const std::string name = ":" + std::to_string(number);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return fs::exists("/tmp/.X11-unix/X" + std::to_string(number)); }, 10000));
    for (bool on : {true, false, true}) {
        EXPECT_TRUE(XkbNumLock(name).Lock(on));
        EXPECT_EQ(XkbNumLock(name).IsOn(), on);
    }
    xvfb.terminate();
    xvfb.waitForFinished(5000);
    EXPECT_FALSE(XkbNumLock().Lock(true)) << "offscreen has no keyboard lights to set";
}

TEST(VolumesTest, RemovableVolumesAreToldBySysfsAndTheRealListHasNoSystemMounts) {
    TempDir sys;
    for (const char* dev : {"sda", "sdb", "sdb/sdb1"})
        fs::create_directories(sys.file(std::string("devices/") + dev));
    sys.write("devices/sdb/removable", "1\n");
    sys.write("devices/sda/removable", "0\n");
    fs::create_directory(sys.file("block"));
    for (const char* dev : {"sda", "sdb", "sdb/sdb1"})
        fs::create_directory_symlink(sys.file(std::string("devices/") + dev),
                                     sys.file("block/" + fs::path(dev).filename().string()));
    const QString block = QString::fromStdString(sys.file("block"));
    EXPECT_TRUE(IsRemovableDevice("/dev/sdb1", block) && IsRemovableDevice("/dev/sdb", block));
    EXPECT_FALSE(IsRemovableDevice("/dev/sda", block) || IsRemovableDevice("tmpfs", block));
    for (const DataVolume& v : MountedVolumes().List())
        EXPECT_FALSE(v.path.startsWith("/proc") || v.path.startsWith("/sys")) << v.path.toStdString();
}
