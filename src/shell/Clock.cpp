#include "shell/Clock.h"

#include <ctime>

namespace {
std::optional<std::chrono::year_month_day> g_fixedToday;
}

std::chrono::year_month_day Today() {
    if (g_fixedToday)
        return *g_fixedToday;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

void SetToday(std::optional<std::chrono::year_month_day> date) { g_fixedToday = date; }
