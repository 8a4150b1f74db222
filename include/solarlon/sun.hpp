// sun.hpp  The Sun's longitude as values: instants with their zone, equinoxes by name, the longitude at
//          an instant, the instant of a longitude, and the 24 solar terms of a year.
//
// By the classic theory, built on SUNLNG and SUNTIM (<solarlon/solar.hpp>): every answer is theirs, to
// the bit. By the apparent theory, the almanac's longitude from ERFA. Angles in degrees, distances in
// AU, zone offsets in hours ahead of UT. Nothing here throws for astronomy: a NaN given comes back as
// NaN, and refusal() says why a theory gives NaN.
#ifndef SOLARLON_SUN_HPP
#define SOLARLON_SUN_HPP

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <solarlon/solar.hpp>

namespace solarlon::sun {

// The time scale of an instant: UTC (the civil time; UT for the classic theory) or TT, which only
// the apparent theory takes.
enum class Scale { utc, tt };

// A calendar date and time of day (proleptic Gregorian) in a zone ZONE hours ahead of UT (0 = UT,
// 9 = JST). The hour may be negative or above 23, and any field may carry a fraction, as SUNLNG takes
// them; the instants returned here are whole dates with the hour in [0, 23]. A second from 60 up to 61
// is, in UTC, the leap second that the table inserts at the end of that day (23:59:60 UTC, or its
// time in the zone): the apparent theory answers it only there, and returns it where an instant
// falls inside one. A TT instant has zone 0.
struct Instant {
    double year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    double zone = 0;
    Scale scale = Scale::utc;
};

// is_finite  Whether every field of AT is a finite number: a theory gives NaN fields where it answers
//            nothing (refusal() says why).
inline bool is_finite(const Instant& at) {
    return std::isfinite(at.year + at.month + at.day + at.hour + at.minute + at.second);
}

// utc, jst  The instant of a date and time of UT, of JST.
Instant utc(double year, double month, double day, double hour = 0, double minute = 0, double second = 0);
Instant jst(double year, double month, double day, double hour = 0, double minute = 0, double second = 0);

// The equinox to which longitudes are referred: the program's equinox choice EQ, decided once into
// its kind (equinox_kind) when the value is made.
class Equinox {
  public:
    static Equinox mean_1950();  // mean equinox of 1950.0
    static Equinox mean_2000();  // mean equinox of 2000.0
    // of_date  The equinox of the instant itself: the mean equinox of date for the classic theory (the
    //          program's 0), the true equinox of date for the apparent theory.
    static Equinox of_date();
    // of_year  Mean equinox of the year YEAR, fraction included. Years from 1949.5 up to 1950.5 are
    //          1950.0, as the program has it; a year above -1.5 and below 0.5 cannot be told from the
    //          program's 0 (the equinox of date) and gives an equinox whose longitudes are NaN.
    static Equinox of_year(double year);
    // from_eq  The program's numeric answer EQ: rounded by adding 0.5 and truncating toward zero, 1950
    //          is 1950.0, 0 the equinox of date, any other value the year EQ with its fraction.
    static Equinox from_eq(double EQ);

    double eq() const { return eq_; }  // the EQ value that SUNLNG and SUNTIM are given
    EquinoxKind kind() const { return kind_; }
    bool is_of_date() const { return kind_ == EquinoxKind::of_date; }  // the equinox of the instant

  private:
    explicit Equinox(double eq) : eq_(eq), kind_(equinox_kind(eq)) {}
    double eq_;
    EquinoxKind kind_;
};

// The Sun's position at an instant (see Position below), and the instant of a longitude.
struct Position;

// Why a theory gives NaN.
enum class Refusal {
    none,                 // answered (or a NaN given goes through)
    equinox_not_of_date,  // the apparent theory has the true equinox of date only
    no_theory,            // this build has no apparent theory (it was built without ERFA)
    before_range,         // the apparent theory answers from 1600-01-01 00:00 UTC (or TT) on
    after_range,          // ... and up to 3000-12-31 24:00 UTC (or TT)
    not_finite,           // a value given is NaN or infinite
    not_a_leap_second,    // a second from 60 up to 61 where no leap second is inserted
    scale_not_ut,         // the classic theory takes UT only, not TT
};

// Theory  One theory of the Sun's longitude, chosen once and asked everything: where the Sun is at an
//         instant, when it reaches a longitude, the solar terms of a year, and why a question gets NaN.
//
//   Theory::classic   Newcomb's theory of the Sun, geometric longitude referred to a mean equinox,
//                     exactly as SUNLNG and SUNTIM compute it; the instant taken as UT.
//   Theory::apparent  The apparent geocentric longitude (aberration and nutation included) referred to
//                     the true ecliptic and equinox of date, by the IAU 2006/2000A reduction of ERFA's
//                     ephemeris of the Earth: what almanacs list. The instant is UTC (TT from the leap
//                     seconds from 1972, held at TT - UTC = 69.184 s after the last one, from a
//                     published Delta T model before) or TT; answered from 1600-01-01 00:00 to
//                     3000-12-31 24:00 of its scale, for the equinox of date only, and only in a build
//                     with ERFA.
// Theories are compared by identity, and only here in the typed interface: code that holds one asks it.
// theories() lists them all; a new theory is one file here, one line in that list and its heading in
// the console texts.
class Theory {
  public:
    static const Theory& classic;
    static const Theory& apparent;

    // name  How options and outputs name it: "classic", "apparent"; the console texts hold the
    //       heading of its answers under this name.
    virtual std::string_view name() const = 0;

    // is_apparent  Whether its longitude is the apparent one (aberration and nutation included, true
    //              equinox of date): the almanac's, by which the law fixes the equinox holidays.
    virtual bool is_apparent() const = 0;

    // span_text  What it answers of the years kFirstYear to kLastYear, in SCALE, as a refusal says it:
    //            "the apparent theory answers from 1600-01-01 00:00 UTC to 3000-12-31 24:00 UTC".
    virtual std::string span_text(Scale scale) const = 0;

    // refusal  Why the theory answers nothing referred to EQ (no_theory, equinox_not_of_date), or none.
    virtual Refusal refusal(const Equinox& eq) const = 0;
    // refusal  Why position and longitude at AT referred to EQ are NaN, or none.
    virtual Refusal refusal(const Instant& at, const Equinox& eq) const = 0;
    // refusal  Why instant_of(YEAR, LON, EQ, ZONE, SCALE) is NaN, or none.
    virtual Refusal refusal(std::int32_t year, double lon, const Equinox& eq, double zone, Scale scale) const = 0;

    // position, longitude, instant_of  As the free functions of the same names below.
    virtual Position position(const Instant& at, const Equinox& eq) const = 0;
    virtual double longitude(const Instant& at, const Equinox& eq) const;
    virtual Instant instant_of(std::int32_t year, double lon, const Equinox& eq, double zone, Scale scale) const = 0;
    // term_instants  The instants of the 24 solar terms of the calendar year YEAR of ZONE, in calendar
    //                order, and the index (0 = 小寒, 285 degrees ... 23 = 冬至) of the term of each.
    struct TermInstant {
        std::size_t term;
        Instant instant;
    };
    virtual std::array<TermInstant, 24> term_instants(std::int32_t year, const Equinox& eq, double zone,
                                                      Scale scale) const;

    friend bool operator==(const Theory& a, const Theory& b) { return &a == &b; }
    friend bool operator!=(const Theory& a, const Theory& b) { return &a != &b; }

  protected:
    constexpr Theory() = default;
    ~Theory() = default;
    Theory(const Theory&) = delete;
    Theory& operator=(const Theory&) = delete;
};

// The theories there are, the commands' default first (apparent, classic).
struct Theories {
    const Theory* const* first;
    std::size_t count;
    const Theory* const* begin() const { return first; }
    const Theory* const* end() const { return first + count; }
};
Theories theories();

// theory_named  The theory of NAME, or null.
const Theory* theory_named(std::string_view name);

// What SUNLNG gives at an instant (classic), or the apparent Sun (apparent).
struct Position {
    double longitude;  // degrees, in [0, 360], referred to the equinox
    double radius;     // radius vector, AU (apparent: at the time the light left the Sun)
    double x, y, z;    // equatorial rectangular coordinates, AU (as SUNLNG's X, Y, Z for the equinox;
                       // apparent: the apparent place, true equator and equinox of date)
    double delta_t;    // Delta T used, seconds (apparent: TT - UTC)
};

// position, longitude  The Sun at the instant AT, referred to EQ. LONGITUDE is what the program's
//                      date-to-longitude mode prints (before its F10.5), for AT in JST. Apparent: the
//                      year and month are taken whole, the day with its fraction.
Position position(const Instant& at, const Equinox& eq, const Theory& theory);
double longitude(const Instant& at, const Equinox& eq, const Theory& theory);

// instant_of  The instant in the zone ZONE (hours ahead of UT) at which the Sun reaches LON (degrees)
//             within the calendar year YEAR of that zone, as SUNTIM finds it; the instant is in the
//             first hours of the next year when the Sun reaches LON only after the year's end.
//  Notes:    For a zone of whole hours this is SUNTIM's answer. Otherwise the search runs in the
//            whole-hour zone just west of it and the instant is moved into ZONE, so an instant
//            within the zone's odd minutes of the year's end may lie in the neighbouring year.
//            Apparent: the first instant from 0 h of January 1 of YEAR in ZONE on, any zone, to well
//            under 0.1 s; hour and minute whole, the second with its fraction (from 60 inside a
//            leap second).
Instant instant_of(std::int32_t year, double lon, const Equinox& eq, double zone, const Theory& theory);
// instant_of  The same with the year and the answer in SCALE (TT: ZONE 0; the classic theory has UT only).
Instant instant_of(std::int32_t year, double lon, const Equinox& eq, double zone, const Theory& theory, Scale scale);

// to_second  AT as the program prints it: rounded to the whole second, seconds carried into
//            minutes, minutes into hours, hours into days and days into months and years by the
//            Gregorian calendar; the hour in [0, 23]. The year, month and day are whole numbers
//            (the month 1..12, the day may run past the month's end). Where they are not, or
//            where they name no date (past 10,000,000 years or 1,000,000,000 days, or not finite),
//            they are kept and the hour, minute and second are each rounded. A leap second (second
//            from 60 up to 61 with the hour and minute whole) that rounds to 60 stays 60.
Instant to_second(const Instant& at);

// printed_second  AT rounded to the whole second as the one-shot commands print it: TO_SECOND, except
//                 that in UTC the half second before a leap second of the table rounds into it
//                 (second 60, 23:59:60 UTC or its time in the zone) instead of into the next minute.
Instant printed_second(const Instant& at);

// to_string  AT as the one-shot commands print it in csv and json: ISO 8601 of PRINTED_SECOND(AT),
//            the year in four digits (signed outside 0 to 9999) and the zone's offset,
//            2027-01-05T23:09:58+09:00; a TT instant without offset, 2027-01-05T14:11:07. "" where a
//            field is not finite.
std::string to_string(const Instant& at);
// to_string  The same with the fields of AT as they are, not rounded, and SECOND as the second's text
//            (a second as typed, "05.25"): 2027-01-05T23:06:05.25+09:00.
std::string to_string(const Instant& at, std::string_view second);

// zone_offset  ZONE (hours ahead of UT) as ISO 8601's offset, +09:00, -03:30, +00:00, to the nearest
//              minute; "" where ZONE is not finite or not under 100 hours.
std::string zone_offset(double zone);

// instant_of_to_second  INSTANT_OF rounded TO_SECOND: the program's longitude-to-JST mode prints
//                       it for zone 9.
Instant instant_of_to_second(std::int32_t year, double lon, const Equinox& eq, double zone, const Theory& theory);

// A date with a decimal day as the program prints it (the day as F7.3).
struct DecimalDate {
    double year, month, day;
};

// decimal_date  AT with its time of day as a fraction of the day: day + hour/24 + minute/1440 +
//               second/86400, the year and month whole as in TO_SECOND; a day that would print as
//               the day after the month's last (32.000 in January) is the first of the next month.
//               Where the day does not print, it is given as it is. The longitude-to-UT mode prints
//               this for zone 0.
DecimalDate decimal_date(const Instant& at);

// One of the 24 solar terms.
struct Term {
    std::string_view name;  // Japanese name, UTF-8 (小寒, 大寒, ... 冬至)
    double longitude;       // degrees, a multiple of 15
    Instant instant;        // as INSTANT_OF
};

// solar_terms  The 24 terms of the calendar year YEAR of the zone ZONE, in calendar order: 小寒
//              (285 degrees) first, 冬至 (270 degrees) last.
std::array<Term, 24> solar_terms(std::int32_t year, const Equinox& eq, double zone, const Theory& theory);
// solar_terms  The same with the year and the instants in SCALE.
std::array<Term, 24> solar_terms(std::int32_t year, const Equinox& eq, double zone, const Theory& theory, Scale scale);

// refusal_text  What a refusal says, in English, for a caller's message ("" for none).
const char* refusal_text(Refusal r);
// refusal_text  The same with the range's ends in SCALE.
const char* refusal_text(Refusal r, Scale scale);

// is_leap_second  Whether AT (UTC, second from 60 up to 61) lies inside a leap second of the table
//                 (false in a build without ERFA, which has no table).
bool is_leap_second(const Instant& at);

// refusal  Why position and longitude at AT, referred to EQ, by THEORY are NaN, or none (THEORY's own).
Refusal refusal(const Instant& at, const Equinox& eq, const Theory& theory);

// refusal  Why instant_of(YEAR, LON, EQ, ZONE, THEORY) is NaN, or none; for the solar terms, the
//          same for each term's longitude.
Refusal refusal(std::int32_t year, double lon, const Equinox& eq, double zone, const Theory& theory);
Refusal refusal(std::int32_t year, double lon, const Equinox& eq, double zone, const Theory& theory, Scale scale);

}  // namespace solarlon::sun

#endif
