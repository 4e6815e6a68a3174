#pragma once

#include <QDate>
#include <functional>

namespace Calendar {

// Today's date as the system clock has it in the local time zone.
QDate today();

// Tests name the day instead; an empty function goes back to the system clock.
void setTodaySource(std::function<QDate()> source);

} // namespace Calendar
