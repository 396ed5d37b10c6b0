#pragma once
// The four seasons of the meteo records: calendar months of the northern
// hemisphere, used for observations south of the equator too.
namespace marigold {

// In the order of the season choice list.
enum class ESeason { Winter = 0, Spring = 1, Summer = 2, Autumn = 3 };

inline constexpr int kSeasonCount = 4;

// January and February are winter, March to May spring, June to August
// summer, September to December autumn (December counts with autumn). The
// month 0 counts as winter; months outside 0..12 go to the nearest end.
ESeason SeasonOfMonth(int month);

// The month (1..12) of a day number's own calendar fields.
int MonthOfDayNumber(double dayNumber);

// "Northern Winter", "Northern Spring", "Northern Summer", "Northern Autum".
const char* SeasonName(ESeason season);

}  // namespace marigold
