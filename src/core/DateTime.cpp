#include "core/DateTime.h"

#include <cstdio>
#include <cctype>
#include <cstdlib>
#include <ctime>

#include "core/Text.h"

const char* const TDateTime::ShortMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const TDateTime::LongMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                               "July",    "August",   "September", "October", "November", "December"};
const char* const TDateTime::ShortDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const TDateTime::LongDays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};

namespace {
std::tm LocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return tm;
}

// The last `digits` digits of n, padded with zeros.
std::string Padded(int n, int digits) {
  int mod = digits == 2 ? 100 : 10000;
  int v = n % mod;
  if (v < 0) v = -v;
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%0*d", digits, v);
  return buffer;
}

bool ValidMonth(int m) { return m >= 1 && m <= 12; }
}  // namespace

std::string CurrentDateText() {
  std::tm tm = LocalNow();
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d %s %04d", tm.tm_mday, TDateTime::ShortMonths[tm.tm_mon],
                tm.tm_year + 1900);
  return buffer;
}

std::string CurrentTimeText() {
  std::tm tm = LocalNow();
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
  return buffer;
}

void TDateTime::Set_DateTimeCurrent() {
  Set_DateCurrent();
  Set_TimeCurrent();
}

void TDateTime::Set_DateCurrent() {
  // Read back from the same text the error log shows, so both always agree.
  std::string text = CurrentDateText();
  Day = std::atoi(text.substr(0, 2).c_str());
  std::string month = UpperCase(text.substr(3, 3));
  size_t pos = std::string(MonthList).find(month);
  Month = pos == std::string::npos ? 0 : int(pos) / 3 + 1;
  Year = std::atoi(text.substr(text.size() - 4).c_str());
}

void TDateTime::Set_TimeCurrent() {
  std::string text = CurrentTimeText();
  Hour = std::atoi(text.substr(0, 2).c_str());
  Minute = std::atoi(text.substr(3, 2).c_str());
  Second = std::atoi(text.substr(6, 2).c_str());
}

int TDateTime::WeekDay() const {
  // Sakamoto's method on the proleptic Gregorian calendar.
  static const int offsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (!ValidMonth(Month)) return 0;
  int y = Year - (Month < 3 ? 1 : 0);
  int w = (y + y / 4 - y / 100 + y / 400 + offsets[Month - 1] + Day) % 7;
  return w < 0 ? w + 7 : w;
}

std::string TDateTime::Get_String(const TDateTime& d, const std::string& format) {
  std::string out;
  size_t i = 0;
  while (i < format.size()) {
    char c = format[i];
    size_t j = i;
    while (j < format.size() && format[j] == c) ++j;
    size_t n = j - i;
    switch (c) {
      case 'Y':
        if (n == 2) out += Padded(d.Year, 2);
        else if (n == 4) out += Padded(d.Year, 4);
        break;
      case 'M':
        if (n == 1) out += std::to_string(d.Month);
        else if (n == 2) out += Padded(d.Month, 2);
        else if (n == 3 && ValidMonth(d.Month)) out += ShortMonths[d.Month - 1];
        else if (n == 4 && ValidMonth(d.Month)) out += LongMonths[d.Month - 1];
        break;
      case 'D':
        if (n == 1) out += std::to_string(d.Day);
        else if (n == 2) out += Padded(d.Day, 2);
        else if (n == 3) out += ShortDays[d.WeekDay()];
        else if (n == 4) out += LongDays[d.WeekDay()];
        break;
      case 'H':
      case 'N':
      case 'S': {
        int v = c == 'H' ? d.Hour : c == 'N' ? d.Minute : d.Second;
        if (n == 1) out += std::to_string(v);
        else if (n == 2) out += Padded(v, 2);
        break;
      }
      default: out.append(format, i, n);
    }
    i = j;
  }
  return out;
}
