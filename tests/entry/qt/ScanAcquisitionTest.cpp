// The acquisition off the window thread with its progress window and Cancel, and "raw.bmp".
#include "entry/qt/ScanAcquisition.h"
#include "entry/ScanErrors.h"
#include "platform/ImageFileScanner.h"
#include "support/AnswerSheetGenerator.h"
#include "support/ModalHelper.h"
#include "support/TempDir.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>

namespace {

// A scanner that reads a 1400-line page slowly, line block by line block, until it is cancelled
// or `blocks` blocks are read; records the thread it ran on.
class SlowScanner : public PageSource {
public:
    explicit SlowScanner(int blocks) : m_blocks(blocks) {}
    Acquisition Acquire(const ScanProgress& progress) override {
        thread = QThread::currentThread();
        for (int block = 1; block <= m_blocks; ++block) {
            QThread::msleep(20);
            if (!progress(block * 10, 1400)) {
                Acquisition cancelled;
                cancelled.error = ScanError::Cancelled;
                cancelled.detail = "Operation was cancelled (scanner slow:0).";
                return cancelled;
            }
        }
        Acquisition done;
        done.page = ScanImageFromQImage(BlankSheetImage());
        return done;
    }
    std::string Name() const override { return "slow:0"; }
    std::atomic<QThread*> thread{nullptr};

private:
    int m_blocks;
};

TEST(ScanAcquisition, RunsOffTheWindowThreadShowsLinesReadAndCancels) {
    SlowScanner finishing(15);
    int progressSeen = 0;
    WhenModal<QProgressDialog>([&](QProgressDialog* p) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return p->value() > 0; }, 3000));
        progressSeen = p->value();
        EXPECT_EQ(p->maximum(), 1400);
    });
    const Acquisition done = AcquireWithProgress(finishing, nullptr);
    EXPECT_TRUE(done.ok());
    EXPECT_EQ(done.page.height, 1400);
    EXPECT_GT(progressSeen, 0);
    EXPECT_NE(finishing.thread.load(), QThread::currentThread());

    SlowScanner endless(500);
    WhenModal<QProgressDialog>([](QProgressDialog* p) {
        QPushButton* cancel = p->findChild<QPushButton*>();
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    const Acquisition cancelled = AcquireWithProgress(endless, nullptr);
    EXPECT_EQ(cancelled.error, ScanError::Cancelled);
    EXPECT_TRUE(cancelled.page.empty());
}

TEST(ScanAcquisition, RawBitmapIsAnEightBitBmpWrittenWholeOrNotAtAll) {
    TempDir dir;
    std::mt19937 rng(1);
    ScanConditions grey;
    grey.grey = true;
    const struct {
        const char* what;
        QImage page;
    } pages[] = {{"colour", RandomFilledSheet(rng).page}, {"grey", ScanPage(BlankSheetImage(), grey, rng)}};
    for (const auto& p : pages) {
        QString error;
        const QString path = QString::fromStdString(dir.file("raw.bmp"));
        ASSERT_TRUE(SaveRawBitmap(ScanImageFromQImage(p.page), path, error)) << error.toStdString();
        const std::string bytes = dir.read("raw.bmp");
        ASSERT_GT(bytes.size(), 30u);
        EXPECT_EQ(bytes.substr(0, 2), "BM") << p.what;
        EXPECT_EQ(static_cast<int>(static_cast<unsigned char>(bytes[28])), 8) << p.what << ": bits per pixel";
        const QImage back(path);
        EXPECT_EQ(back.size(), QSize(850, 1400)) << p.what;
    }
    QString error;
    EXPECT_FALSE(SaveRawBitmap(ScanImageFromQImage(BlankSheetImage()),
                               QString::fromStdString(dir.file("no/folder/raw.bmp")), error));
    EXPECT_TRUE(error.contains(QStringLiteral("no/folder/raw.bmp"))) << error.toStdString();
}

} // namespace
