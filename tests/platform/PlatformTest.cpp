#include "platform/SingleInstance.h"
#include "platform/Volumes.h"
#include "support/TempDir.h"

#include <QFile>
#include <QProcess>
#include <QWidget>
#include <QtTest/QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>
#include <thread>
#include <vector>

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

// A machine's state as the volume list reads it: sysfs disks with their partitions, label links and a
// mount table, all in a temporary folder.
struct FakeSystem {
    TempDir dir;
    void Disk(const std::string& name, bool removable, const std::vector<std::string>& partitions) {
        fs::create_directories(dir.file("devices/" + name));
        dir.write("devices/" + name + "/removable", removable ? "1\n" : "0\n");
        fs::create_directories(dir.file("block"));
        fs::create_directory_symlink(dir.file("devices/" + name), dir.file("block/" + name));
        for (const std::string& p : partitions) {
            fs::create_directories(dir.file("devices/" + name + "/" + p));
            dir.write("devices/" + name + "/" + p + "/size", "15630336\n"); // 512-byte sectors
            fs::create_directory_symlink(dir.file("devices/" + name + "/" + p), dir.file("block/" + p));
        }
    }
    void Label(const std::string& label, const std::string& device) {
        fs::create_directories(dir.file("by-label"));
        fs::create_symlink(device, dir.file("by-label/" + label));
    }
    VolumeSources Sources() const {
        return {QString::fromStdString(dir.file("mounts")), QString::fromStdString(dir.file("block")),
                QString::fromStdString(dir.file("by-label"))};
    }
};

// The first copy opens its socket only after its first frame: a copy started in between keeps trying,
// and its "raise" arrives once the first copy listens.
TEST(SingleInstanceTest, ARaiseSentBeforeTheFirstCopyListensArrivesWhenItDoes) {
    TempDir runtime;
    LocalSingleInstance first(Folder(runtime));
    int raises = 0;
    QObject::connect(&first, &SingleInstance::raiseRequested, [&raises] { ++raises; });
    ASSERT_TRUE(first.TryBecomeFirst());
    EXPECT_FALSE(fs::exists(runtime.file("tarvos.socket"))) << "no frame drawn yet";

    bool sent = false;
    std::thread second([&] {
        LocalSingleInstance copy(Folder(runtime));
        if (!copy.TryBecomeFirst())
            sent = copy.SendRaise(5000);
    });
    QTest::qWait(100);
    QWidget window;
    window.show(); // its first frame opens the socket
    EXPECT_TRUE(QTest::qWaitFor([&raises] { return raises == 1; }, 5000));
    second.join();
    EXPECT_TRUE(sent);
}

TEST(VolumesTest, RemovableMediaFirstByLabelThenUserMountsNeverSystemOrPseudoFileSystems) {
    FakeSystem sys;
    sys.Disk("sda", false, {"sda1", "sda2", "sda3", "sda4"});
    sys.Disk("sdb", true, {"sdb1"});
    sys.Disk("sdc", true, {"sdc1"});
    sys.Disk("sdd", true, {"sdd1"});
    sys.Label("MY\\x20STICK", "/dev/sdb1");
    sys.Label("BACKUP", "/dev/sdc1");
    sys.dir.write("mounts", "proc /proc proc rw 0 0\n"
                            "sysfs /sys sysfs rw 0 0\n"
                            "/dev/sda1 / ext4 rw 0 0\n"
                            "/dev/sda2 /boot ext4 rw 0 0\n"
                            "/dev/sda3 /home ext4 rw 0 0\n"
                            "tmpfs /run tmpfs rw 0 0\n"
                            "tmpfs /mnt/ram tmpfs rw 0 0\n"
                            "/dev/sdb1 /media/ann/MY\\040STICK vfat rw 0 0\n"
                            "/dev/sdc1 /run/media/bob/BACKUP ext4 rw 0 0\n"
                            "/dev/sda4 /mnt/archive ext4 rw 0 0\n"
                            "/dev/loop0 /snap/core squashfs ro 0 0\n"
                            "/dev/loop1 /media/ann/disc squashfs ro 0 0\n"
                            "server:/share /mnt/share nfs4 rw 0 0\n"
                            "/dev/sdd1 /media/ann/OLD vfat rw 0 0\n"
                            "tmpfs /media/ann/OLD tmpfs rw 0 0\n"
                            "/dev/sda4 /data ext4 rw 0 0\n");
    QStringList listed;
    for (const DataVolume& v : MountedVolumes(sys.Sources()).List())
        listed << QStringLiteral("%1|%2|%3").arg(v.path, v.label).arg(v.removable);
    EXPECT_EQ(listed, (QStringList{"/run/media/bob/BACKUP|BACKUP|1", "/media/ann/MY STICK|MY STICK|1",
                                   "/mnt/archive||0", "/mnt/share||0"}));

    const auto stick = MountedVolumes(sys.Sources()).List().at(1);
    EXPECT_EQ(stick.bytes, 15630336LL * 512);
    EXPECT_TRUE(VolumeDisplayText(stick).startsWith("MY STICK (8")) << VolumeDisplayText(stick).toStdString();
    EXPECT_TRUE(VolumeDisplayText(stick).endsWith("  /media/ann/MY STICK"));
    DataVolume unnamed;
    unnamed.path = "/mnt/archive";
    EXPECT_EQ(VolumeDisplayText(unnamed), "archive  /mnt/archive");

    const QString block = sys.Sources().sysBlock;
    EXPECT_TRUE(IsRemovableDevice("/dev/sdb1", block) && IsRemovableDevice("/dev/sdb", block));
    EXPECT_FALSE(IsRemovableDevice("/dev/sda", block) || IsRemovableDevice("tmpfs", block));
    EXPECT_TRUE(MountedVolumes({sys.dir.file("missing").c_str()}).List().empty());
}

TEST(VolumesTest, TheRealListHasNoSystemMounts) {
    for (const DataVolume& v : MountedVolumes().List())
        for (const char* system : {"/proc", "/sys", "/dev", "/boot", "/run/user"})
            EXPECT_FALSE(v.path == "/" || v.path.startsWith(system)) << v.path.toStdString();
}
