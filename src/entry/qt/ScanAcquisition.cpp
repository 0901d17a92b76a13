#include "entry/qt/ScanAcquisition.h"

#include "platform/ImageFileScanner.h"

#include <QBuffer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSaveFile>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Runs the acquisition; progress crosses to the window thread through queued signals.
class AcquisitionThread : public QThread {
public:
    AcquisitionThread(PageSource& source, std::atomic<bool>& cancel, std::atomic<int>& lines,
                      std::atomic<int>& total)
        : m_source(source), m_cancel(cancel), m_lines(lines), m_total(total) {}
    Acquisition result;

protected:
    void run() override {
        result = m_source.Acquire([this](int read, int expected) {
            m_lines = read;
            m_total = expected;
            return !m_cancel.load();
        });
    }

private:
    PageSource& m_source;
    std::atomic<bool>& m_cancel;
    std::atomic<int>& m_lines;
    std::atomic<int>& m_total;
};

} // namespace

Acquisition AcquireWithProgress(PageSource& source, QWidget* parent) {
    std::atomic<bool> cancel{false};
    std::atomic<int> lines{0}, total{-1};
    AcquisitionThread thread(source, cancel, lines, total);

    QProgressDialog progress(QStringLiteral("Scanning from %1...").arg(QString::fromStdString(source.Name())),
                             QStringLiteral("Cancel"), 0, 0, parent);
    progress.setObjectName(QStringLiteral("ScanProgress"));
    progress.setWindowTitle(QStringLiteral("TRV Test Scan"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QObject::connect(&progress, &QProgressDialog::canceled, [&] { cancel = true; });

    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (progress.wasCanceled())
            cancel = true;
        const int expected = total.load();
        progress.setMaximum(expected > 0 ? expected : 0);
        progress.setValue(expected > 0 ? std::min(lines.load(), expected) : 0);
        progress.setLabelText(QStringLiteral("Scanning from %1: %2 lines read.")
                                  .arg(QString::fromStdString(source.Name()))
                                  .arg(lines.load()));
    });
    // The end may arrive while the progress window's own event handling runs, before the loop does.
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&thread, &QThread::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    thread.start();
    timer.start(50);
    progress.show();
    if (!finished)
        loop.exec();
    thread.wait();
    timer.stop();
    progress.close();
    return std::move(thread.result);
}

bool SaveRawBitmap(const ScanImage& page, const QString& path, QString& error) {
    const QString shown = QFileInfo(path).absoluteFilePath();
    QImage image = QImageFromScanImage(page);
    if (image.format() != QImage::Format_Grayscale8)
        image = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && image.save(&file, "BMP") && file.flush() &&
                         ::fsync(file.handle()) == 0;
    if (!written || !file.commit()) {
        error =
            QStringLiteral("The scanned page could not be kept in %1: %2.").arg(shown, file.errorString());
        return false;
    }
    // The rename is durable once the folder is on disk too.
    const int folder =
        ::open(QFile::encodeName(QFileInfo(shown).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}
