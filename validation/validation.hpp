// validation.hpp  Accuracy of the program's solar longitude against a modern ephemeris (ERFA):
//                 the reference longitude, a table of observed Delta T, the comparisons and their
//                 summary, and the regression check of the documented bounds.
//
// Instants are two-part Julian Dates (JD = D1 + D2) in TT; ERFA's TDB is taken as TT (they differ by
// less than 2 ms, 0.0001 arc second of solar longitude). Longitudes in degrees, errors in arc seconds
// of longitude or seconds of time, always program minus reference.
#ifndef SOLARLON_VALIDATION_VALIDATION_HPP
#define SOLARLON_VALIDATION_VALIDATION_HPP

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace solarlon::validation {

// reference_longitude  Geometric geocentric ecliptic longitude of the Sun, mean ecliptic and equinox
//                      of date.
//  Given:    d1, d2  TT as a two-part Julian Date
//  Result:   longitude, degrees [0, 360)
//  Notes:    Earth's heliocentric position (eraEpv00) negated and rotated from ICRS to the mean
//            ecliptic and equinox of date with the IAU 2006 precession (eraEcm06). No light time, no
//            aberration, no nutation.
//  Called:   eraEpv00, eraEcm06
double reference_longitude(double d1, double d2);

// reference_longitude_fixed  The same, referred to the mean ecliptic and equinox of a fixed epoch.
//  Given:    d1, d2  TT as a two-part Julian Date
//            e1, e2  epoch of the ecliptic and equinox, TT two-part Julian Date
//  Result:   longitude, degrees [0, 360)
double reference_longitude_fixed(double d1, double d2, double e1, double e2);

// reference_instant  TT at which reference_longitude reaches a longitude, by Newton steps from a first
//                    guess.
//  Given:    d1, d2  first guess, TT two-part Julian Date (within a few days of the answer)
//            lon     wanted longitude, degrees
//  Returned: t2      the answer is d1 + t2
void reference_instant(double d1, double d2, double lon, double& t2);

// tabdt  Delta T = TT - UT1 from the table of observed values, interpolated linearly.
//  Given:    year    decimal year
//  Returned: dt      Delta T, seconds (unchanged when the year is outside the table)
//  Result:   true when the year lies within the table (1600.0 to 2020.0)
bool tabdt(double year, double& dt);

// The table's extent and source, for the report.
double tabdt_first();
double tabdt_last();
const char* tabdt_source();

// Decimal year of a TT Julian Date (Julian years from J2000.0).
double decimal_year(double d1, double d2);

// Difference of two longitudes, degrees, in (-180, 180].
double lngdif(double a, double b);

// One comparison at an instant sampled every few days.
struct Sample {
    double year = 0.0;      // decimal year of the instant (TT)
    double jd = 0.0;        // TT Julian Date
    double lon_ref = 0.0;   // ERFA, degrees
    double lon_prog = 0.0;  // program at the same TT, degrees
    double err = 0.0;       // program - ERFA at the same TT, arc seconds ("theory alone")
    double dt_prog = 0.0;   // the program's Delta T estimate, s
    bool has_dt = false;    // the instant lies within the Delta T table
    double dt_tab = 0.0;    // tabulated Delta T, s
    double err_dt = 0.0;    // program given the true UT - ERFA at TT, arc seconds
    double err1950 = 0.0;   // theory alone with the equinox answered 1950, against B1950.0
    double err2000 = 0.0;   // the same for 2000, against B2000.0
};

// One solar term (a multiple of 15 degrees) as the program's instant search finds it.
struct Term {
    std::int32_t year = 0;                                                // calendar year searched
    double lon = 0.0;                                                     // wanted longitude, degrees
    double mon = 0.0, day = 0.0, hour = 0.0, minute = 0.0, second = 0.0;  // UT found (its year +
    std::int32_t iyadd = 0;                                               //  iyadd)
    double jd_ut = 0.0;                                                   // UT found, as a Julian Date
    double err = 0.0;  // found instant (TT by the program's Delta T) - true TT, seconds
    bool has_dt = false;
    double err_dt = 0.0;  // found UT - true UT (true TT less tabulated Delta T), seconds
};

// sample  Program and reference longitude at TT 12 h of a calendar date: equinox of date, and the
//         fixed equinoxes 1950 and 2000.
//  Given:    iy, im, id   calendar date (Gregorian)
//  Returned: out          the comparison
void sample(std::int32_t iy, std::int32_t im, std::int32_t id, Sample& out);

// term  The program's instant (zone UT, equinox of date) of a longitude in a year, and its error.
//  Given:    iyear   year
//            lon     wanted longitude, degrees
//  Returned: out     the term and its errors
void term(std::int32_t iyear, double lon, Term& out);

// Maximum of the magnitude and root mean square of a set of errors.
struct Stat {
    std::size_t n = 0;
    double max = 0.0;  // largest magnitude
    double rms = 0.0;
    void add(double v);
    void finish();  // turns the running sum into the rms
  private:
    double sum2_ = 0.0;
};

// One row of the summary: a span of years with the four error sets.
struct Row {
    std::string label;  // "1800-1849"
    std::int32_t first = 0, last = 0;
    Stat lon, time;        // theory alone: arc seconds, seconds of time
    Stat lon_dt, time_dt;  // with the Delta T estimate (empty beyond the table)
};

// The whole comparison.
struct Report {
    std::vector<Sample> samples;
    std::vector<Term> terms;
    std::vector<Row> rows;  // spans of years, then the whole span last
    Stat eq1950, eq2000;    // fixed equinoxes against ERFA's, arc seconds (theory alone)
};

// The rms of every set of the report taken from its running sums (Stat::finish on each).
void finish(Report& r);

// compare  Samples at 12 h TT from January 1 of a first year to December 31 of a last, the 24 terms
//          of every year, and the summary rows.
//  Given:    first, last  the years
//            step         days between samples
//            width        years of a summary row (the last row takes up to twice as many)
//  Returned: out          the comparison, its rms taken (finish)
void compare(std::int32_t first, std::int32_t last, std::int32_t step, std::int32_t width, Report& out);

// Output: the two CSV files, and the summary as Markdown between its markers.
void write_samples_csv(std::ostream& os, const Report& r);
void write_terms_csv(std::ostream& os, const Report& r);
std::string summary_markdown(const Report& r);

// The marked block of a document replaced by a new one, found by the new block's own first and last
// lines (its markers); throws std::runtime_error when the markers are missing.
std::string replace_block(const std::string& doc, const std::string& block);

// first_difference  Where the marked block of DOC differs from BLOCK as the tool writes it now: "" where
//                   it is the same text; else the first line that differs, as documented and as now
//                   (or that the markers are missing). A figure grown or shrunk, a published second
//                   moved, a count changed: the document is no longer what the tool finds.
std::string first_difference(const std::string& doc, const std::string& block);

// check  The report's maxima against those documented in the marked block of a document.
//  Given:    r     the comparison just made
//            doc   text of the document
//  Returned: out   one line per bound exceeded or missing
//  Result:   true when every documented maximum holds (to half a unit of its last decimal);
//            false also when the block, a row or a figure cannot be read
bool check(const Report& r, const std::string& doc, std::vector<std::string>& out);

// ---------------------------------------------------------------- the apparent theory

// apparent_reference  Apparent geocentric ecliptic longitude of the Sun, true ecliptic and equinox of
//                     date, by a second route through ERFA, apart from the program's.
//  Given:    d1, d2  TT as a two-part Julian Date
//  Result:   degrees [0, 360)
//  Notes:    TDB from TT by eraDtdb (geocentre); light time iterated to convergence with the Sun's
//            barycentric position from eraEpv00 at the time of emission; annual aberration by eraAb;
//            the mean ecliptic and equinox of date by eraEcm06 (IAU 2006 precession and frame bias),
//            then the IAU 2000A nutation in longitude (eraNut06a) added along the ecliptic.
double apparent_reference(double d1, double d2);

// apparent_reference_instant  UTC at which apparent_reference reaches a longitude.
//  Given:    u1, u2  first guess, UTC two-part Julian Date (within a few days of the answer)
//            lon     wanted longitude, degrees
//  Result:   UTC as days from U1 (the answer is u1 + result); UTC to TT and back by ERFA's time
//            scale routines (eraUtctai, eraTaitt, eraTttai, eraTaiutc); NaN before 1972
double apparent_reference_instant(double u1, double u2, double lon);

// Published equinox and solstice times (validation/published.cpp).
struct Published {
    std::int32_t year, month, day, hour, minute;  // UT, to the printed minute
    double lon;                                   // 0, 90, 180 or 270 degrees
};
extern const Published PUBLISHED[];
extern const std::size_t PUBLISHED_COUNT;
const char* published_source();

// One published time against the apparent theory.
struct PublishedCheck {
    Published p;
    double second = 0.0;      // the theory's instant: seconds after the printed minute's start
    bool reproduced = false;  // rounds to the printed minute, 1 s allowed (validation/apparent.cpp)
};

// The apparent theory against the second route and the published times.
struct ApparentReport {
    std::vector<Row> rows;    // spans of years, the whole span last; time: theory - reference, s
    std::size_t missing = 0;  // terms either side did not answer (the check fails on any)
    std::vector<PublishedCheck> published;
};

// compare_apparent  The 24 solar terms of every year FIRST..LAST (zone UTC) by the apparent theory
//                   against apparent_reference_instant, and the published times.
void compare_apparent(std::int32_t first, std::int32_t last, ApparentReport& r);

// The apparent summary as Markdown between its own markers; its check against a document (as check:
// every documented maximum holds, and every published time is reproduced).
std::string apparent_markdown(const ApparentReport& r);
bool check_apparent(const ApparentReport& r, const std::string& doc, std::vector<std::string>& msgs);

}  // namespace solarlon::validation

#endif
