#pragma once
// A scanner for fast tests: hands out the pages and failures queued for it, one per acquisition,
// reporting progress line by line in steps of 100 and honouring a cancel.
#include "entry/PageSource.h"
#include "entry/ScanErrors.h"

#include <QImage>
#include <deque>
#include <memory>

class FakeScanner : public PageSource {
public:
    void QueuePage(const QImage& page);
    void QueueFailure(int error, const std::string& detail);

    Acquisition Acquire(const ScanProgress& progress) override;
    std::string Name() const override { return "fake:0"; }
    // A source that hands every acquisition on to this scanner, for a caller that owns its sources.
    std::unique_ptr<PageSource> Lend();

    int acquisitions = 0;

private:
    std::deque<Acquisition> m_queue;
};
