#pragma once
// Today's date for registration dates and ages: a platform layer (see shell/LayerSlot.h). The system
// clock gives the local date; a fixed clock serves tests and tarvos-cli's --today.
#include <chrono>
#include <memory>
#include <optional>

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::year_month_day Today() const = 0;
};

// The local date of the system clock.
class SystemClock : public Clock {
public:
    std::chrono::year_month_day Today() const override;
};

// Always the same date.
class FixedClock : public Clock {
public:
    explicit FixedClock(std::chrono::year_month_day date) : m_date(date) {}
    std::chrono::year_month_day Today() const override { return m_date; }

private:
    std::chrono::year_month_day m_date;
};

// The installed clock; the system clock unless another was installed. nullptr reinstalls it.
Clock& ProgramClock();
void SetProgramClock(std::unique_ptr<Clock> clock);

// ProgramClock().Today().
std::chrono::year_month_day Today();
// Installs a FixedClock on `date`; std::nullopt returns to the system clock.
void SetToday(std::optional<std::chrono::year_month_day> date);
