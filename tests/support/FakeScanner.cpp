#include "support/FakeScanner.h"

#include "platform/ImageFileScanner.h"

void FakeScanner::QueuePage(const QImage& page) {
    Acquisition a;
    a.page = ScanImageFromQImage(page);
    m_queue.push_back(std::move(a));
}

void FakeScanner::QueueFailure(int error, const std::string& detail) {
    Acquisition a;
    a.error = error;
    a.detail = detail;
    m_queue.push_back(std::move(a));
}

Acquisition FakeScanner::Acquire(const ScanProgress& progress) {
    ++acquisitions;
    if (m_queue.empty()) {
        Acquisition none;
        none.error = ScanError::NoDataSource;
        none.detail = "No page is queued (scanner fake:0).";
        return none;
    }
    Acquisition next = std::move(m_queue.front());
    m_queue.pop_front();
    if (next.ok() && progress) {
        for (int lines = 100;; lines += 100) {
            if (!progress(std::min(lines, next.page.height), next.page.height)) {
                Acquisition cancelled;
                cancelled.error = ScanError::Cancelled;
                cancelled.detail = "Operation was cancelled (scanner fake:0).";
                return cancelled;
            }
            if (lines >= next.page.height)
                break;
        }
    }
    return next;
}

namespace {
struct Lent : PageSource {
    explicit Lent(FakeScanner& s) : scanner(s) {}
    Acquisition Acquire(const ScanProgress& p) override { return scanner.Acquire(p); }
    std::string Name() const override { return scanner.Name(); }
    FakeScanner& scanner;
};
} // namespace

std::unique_ptr<PageSource> FakeScanner::Lend() {
    return std::make_unique<Lent>(*this);
}
