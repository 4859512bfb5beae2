// A calendar date and time of day, used to stamp error-log entries and to name
// screenshots. Month and weekday names come from the program's own English tables,
// so the system's language never changes a file name or a log line.
#pragma once
#include <string>

class TDateTime {
 public:
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;

  static const char* const ShortMonths[12];
  static const char* const LongMonths[12];
  static const char* const ShortDays[7];  // Sunday first
  static const char* const LongDays[7];
  static constexpr const char* MonthList = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";

  void Set_DateTimeCurrent();
  void Set_DateCurrent();
  void Set_TimeCurrent();
  // 0 Sunday ... 6 Saturday, from the date itself.
  int WeekDay() const;

  // Formats by runs of equal characters: YY/YYYY, M/MM/MMM/MMMM, D/DD/DDD/DDDD, H/HH, N/NN,
  // S/SS; other characters are copied. Only upper-case letters are fields.
  static std::string Get_String(const TDateTime& dateTime, const std::string& format);
};

// The local date as "05 Mar 2016" and time as "14:25:03" (24-hour clock).
std::string CurrentDateText();
std::string CurrentTimeText();
