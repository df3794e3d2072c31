// Local and UTC time holders.
#pragma once

#include "platform/TextConvert.h"

#include <windows.h>

class QmSystemTimeStruct {
public:
    QmSystemTimeStruct() : time_() {}
    explicit QmSystemTimeStruct(const SYSTEMTIME& time) : time_(time) {}

    const SYSTEMTIME& Get() const { return time_; }
    unsigned Year() const { return time_.wYear; }
    unsigned Month() const { return time_.wMonth; }
    unsigned DayOfWeek() const { return time_.wDayOfWeek; }
    unsigned Day() const { return time_.wDay; }
    unsigned Hour() const { return time_.wHour; }
    unsigned Minute() const { return time_.wMinute; }
    unsigned Second() const { return time_.wSecond; }
    unsigned Milliseconds() const { return time_.wMilliseconds; }

    // The same fields as decimal text ("%u").
    QmOwnedWide YearText() const { return FormatUnsigned(time_.wYear); }
    QmOwnedWide MonthText() const { return FormatUnsigned(time_.wMonth); }
    QmOwnedWide DayText() const { return FormatUnsigned(time_.wDay); }
    QmOwnedWide HourText() const { return FormatUnsigned(time_.wHour); }
    QmOwnedWide MinuteText() const { return FormatUnsigned(time_.wMinute); }
    QmOwnedWide SecondText() const { return FormatUnsigned(time_.wSecond); }

protected:
    SYSTEMTIME time_;
};

class QmTime : public QmSystemTimeStruct {
public:
    void FromLocalTime() { GetLocalTime(&time_); }
    void FromSystemTime() { GetSystemTime(&time_); }
};
