#pragma once
// Today's date for registration dates and ages. Tests set a fixed date.
#include <chrono>
#include <optional>

std::chrono::year_month_day Today();
// Fixes Today() to `date`; std::nullopt returns to the system clock (local time).
void SetToday(std::optional<std::chrono::year_month_day> date);
