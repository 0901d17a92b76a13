#include "shell/Clock.h"

#include "shell/LayerSlot.h"

#include <ctime>

namespace {
LayerSlot<Clock, SystemClock> g_clock;
}

std::chrono::year_month_day SystemClock::Today() const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

Clock& ProgramClock() {
    return g_clock.Get();
}
void SetProgramClock(std::unique_ptr<Clock> clock) {
    g_clock.Set(std::move(clock));
}

std::chrono::year_month_day Today() {
    return ProgramClock().Today();
}
void SetToday(std::optional<std::chrono::year_month_day> date) {
    SetProgramClock(date ? std::make_unique<FixedClock>(*date) : nullptr);
}
