// kHolidayRules  Japan's national holidays, each rule with the days it was in force.
//  References: 国民の祝日に関する法律 (昭和23年法律第178号, 1948-07-20) and its amendments: 昭和41年
//            法律第86号 (1966-06-25: 敬老の日, 体育の日; 建国記念の日, its day set by 政令 of
//            1966-12-09), 昭和48年法律第10号 (1973-04-12: 振替休日), 昭和60年法律第103号 (1985-12-27:
//            国民の休日), 平成元年法律第5号 (1989-02-17: みどりの日, 天皇誕生日 12-23), 平成7年法律第22号
//            (1996: 海の日), 平成10年法律第141号 (2000: 成人の日 and 体育の日 on Mondays), 平成13年法律
//            第59号 (2003: 海の日 and 敬老の日 on Mondays), 平成17年法律第43号 (2007: 昭和の日, みどりの日
//            5-4, the later 振替休日 and 国民の休日), 平成26年法律第43号 (2016: 山の日), 平成29年法律第63号
//            (2019-04-30: 天皇誕生日 2-23), 平成30年法律第57号 (2020: スポーツの日); the Games' law
//            (平成27年法律第33号, as amended in 2018 and by 令和2年法律第68号: the days of 2020 and 2021);
//            the special laws of 1959 (昭和34年法律第16号), 1989 (平成元年法律第4号), 1990 (平成2年法律第24号),
//            1993 (平成5年法律第32号) and 2018 (平成30年法律第99号, whose two days count as 国民の祝日
//            for the days between).
#include "holiday_rules.hpp"

namespace solarlon::sun::detail {

namespace {

constexpr HolidayDay F = HolidayDay::fixed, M = HolidayDay::monday, E = HolidayDay::equinox;
constexpr sun::Date kLaw = sun::kFirstHoliday;  // the law's day: no holiday before it

}  // namespace

// clang-format off
extern const HolidayRule kHolidayRules[38] = {
    // key               how  month day   first             last              special between
    {"ganjitsu",         F,  1,  1,   kLaw,             kInForce,         false, false},
    {"seijin",           F,  1, 15,   kLaw,             {1999, 12, 31},   false, false},
    {"seijin",           M,  1,  2,   {2000, 1, 1},     kInForce,         false, false},
    {"kenkoku-kinen",    F,  2, 11,   {1966, 12, 9},    kInForce,         false, false},
    {"tenno-tanjobi",    F,  2, 23,   {2019, 4, 30},    kInForce,         false, false},
    {"taiso",            F,  2, 24,   {1989, 2, 24},    {1989, 2, 24},    true,  false},
    {"shunbun",          E,  3,  0,   kLaw,             kInForce,         false, false},
    {"kekkon-akihito",   F,  4, 10,   {1959, 4, 10},    {1959, 4, 10},    true,  false},
    {"tenno-tanjobi",    F,  4, 29,   kLaw,             {1989, 2, 16},    false, false},
    {"midori",           F,  4, 29,   {1989, 2, 17},    {2006, 12, 31},   false, false},
    {"showa",            F,  4, 29,   {2007, 1, 1},     kInForce,         false, false},
    {"sokui",            F,  5,  1,   {2019, 5, 1},     {2019, 5, 1},     true,  true},
    {"kenpo-kinen",      F,  5,  3,   kLaw,             kInForce,         false, false},
    {"midori",           F,  5,  4,   {2007, 1, 1},     kInForce,         false, false},
    {"kodomo",           F,  5,  5,   kLaw,             kInForce,         false, false},
    {"kekkon-naruhito",  F,  6,  9,   {1993, 6, 9},     {1993, 6, 9},     true,  false},
    {"umi",              F,  7, 20,   {1996, 1, 1},     {2002, 12, 31},   false, false},
    {"umi",              M,  7,  3,   {2003, 1, 1},     {2019, 12, 31},   false, false},
    {"umi",              F,  7, 23,   {2020, 1, 1},     {2020, 12, 31},   false, false},
    {"umi",              F,  7, 22,   {2021, 1, 1},     {2021, 12, 31},   false, false},
    {"umi",              M,  7,  3,   {2022, 1, 1},     kInForce,         false, false},
    {"sports",           F,  7, 24,   {2020, 1, 1},     {2020, 12, 31},   false, false},
    {"sports",           F,  7, 23,   {2021, 1, 1},     {2021, 12, 31},   false, false},
    {"yama",             F,  8, 11,   {2016, 1, 1},     {2019, 12, 31},   false, false},
    {"yama",             F,  8, 10,   {2020, 1, 1},     {2020, 12, 31},   false, false},
    {"yama",             F,  8,  8,   {2021, 1, 1},     {2021, 12, 31},   false, false},
    {"yama",             F,  8, 11,   {2022, 1, 1},     kInForce,         false, false},
    {"keiro",            F,  9, 15,   {1966, 6, 25},    {2002, 12, 31},   false, false},
    {"keiro",            M,  9,  3,   {2003, 1, 1},     kInForce,         false, false},
    {"shubun",           E,  9, 180,  kLaw,             kInForce,         false, false},
    {"taiiku",           F, 10, 10,   {1966, 6, 25},    {1999, 12, 31},   false, false},
    {"taiiku",           M, 10,  2,   {2000, 1, 1},     {2019, 12, 31},   false, false},
    {"sports",           M, 10,  2,   {2022, 1, 1},     kInForce,         false, false},
    {"sokuirei-no-hi",   F, 10, 22,   {2019, 10, 22},   {2019, 10, 22},   true,  true},
    {"bunka",            F, 11,  3,   kLaw,             kInForce,         false, false},
    {"sokuirei",         F, 11, 12,   {1990, 11, 12},   {1990, 11, 12},   true,  false},
    {"kinro-kansha",     F, 11, 23,   kLaw,             kInForce,         false, false},
    {"tenno-tanjobi",    F, 12, 23,   {1989, 2, 17},    {2019, 4, 29},    false, false},
};
// clang-format on

}  // namespace solarlon::sun::detail
