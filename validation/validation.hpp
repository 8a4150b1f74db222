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

// REFLNG  Geometric geocentric ecliptic longitude of the Sun, mean ecliptic and equinox of date.
//  Given:    D1, D2  TT as a two-part Julian Date
//  Result:   longitude, degrees [0, 360)
//  Notes:    Earth's heliocentric position (eraEpv00) negated and rotated from ICRS to the mean
//            ecliptic and equinox of date with the IAU 2006 precession (eraEcm06). No light time, no
//            aberration, no nutation.
//  Called:   eraEpv00, eraEcm06
double REFLNG(const double& D1, const double& D2);

// REFFIX  The same, referred to the mean ecliptic and equinox of a fixed epoch.
//  Given:    D1, D2  TT as a two-part Julian Date
//            E1, E2  epoch of the ecliptic and equinox, TT two-part Julian Date
//  Result:   longitude, degrees [0, 360)
double REFFIX(const double& D1, const double& D2, const double& E1, const double& E2);

// REFTIM  TT at which REFLNG reaches a longitude, by Newton steps from a first guess.
//  Given:    D1, D2  first guess, TT two-part Julian Date (within a few days of the answer)
//            LON     wanted longitude, degrees
//  Returned: T2      the answer is D1 + T2
void REFTIM(const double& D1, const double& D2, const double& LON, double& T2);

// TABDT  Delta T = TT - UT1 from the table of observed values, interpolated linearly.
//  Given:    YEAR    decimal year
//  Returned: DT      Delta T, seconds (unchanged when the year is outside the table)
//  Result:   true when the year lies within the table (1800.0 to 2020.0)
bool TABDT(const double& YEAR, double& DT);

// The table's extent and source, for the report.
double tabdt_first();
double tabdt_last();
const char* tabdt_source();

// Decimal year of a TT Julian Date (Julian years from J2000.0).
double decimal_year(const double& D1, const double& D2);

// Difference of two longitudes, degrees, in (-180, 180].
double lngdif(const double& A, const double& B);

// One comparison at an instant sampled every few days.
struct Sample {
    double year = 0.0;       // decimal year of the instant (TT)
    double jd = 0.0;         // TT Julian Date
    double lon_ref = 0.0;    // ERFA, degrees
    double lon_prog = 0.0;   // program at the same TT, degrees
    double err = 0.0;        // program - ERFA at the same TT, arc seconds ("theory alone")
    double dt_prog = 0.0;    // the program's Delta T estimate, s
    bool has_dt = false;     // the instant lies within the Delta T table
    double dt_tab = 0.0;     // tabulated Delta T, s
    double err_dt = 0.0;     // program given the true UT - ERFA at TT, arc seconds
    double err1950 = 0.0;    // theory alone with the equinox answered 1950, against B1950.0
    double err2000 = 0.0;    // the same for 2000, against B2000.0
};

// One solar term (a multiple of 15 degrees) as the program's instant search finds it.
struct Term {
    std::int32_t year = 0;   // calendar year searched
    double lon = 0.0;        // wanted longitude, degrees
    double mon = 0.0, day = 0.0, hour = 0.0, minute = 0.0, second = 0.0;  // UT found (its year +
    std::int32_t iyadd = 0;                                               //  iyadd)
    double jd_ut = 0.0;      // UT found, as a Julian Date
    double err = 0.0;        // found instant (TT by the program's Delta T) - true TT, seconds
    bool has_dt = false;
    double err_dt = 0.0;     // found UT - true UT (true TT less tabulated Delta T), seconds
};

// SAMPLE  Program and reference longitude at TT 12 h of a calendar date: equinox of date, and the
//         fixed equinoxes 1950 and 2000.
//  Given:    IY, IM, ID   calendar date (Gregorian)
//  Returned: S            the comparison
void SAMPLE(const std::int32_t& IY, const std::int32_t& IM, const std::int32_t& ID, Sample& S);

// TERM  The program's instant (zone UT, equinox of date) of a longitude in a year, and its error.
//  Given:    IYEAR   year
//            LON     wanted longitude, degrees
//  Returned: T       the term and its errors
void TERM(const std::int32_t& IYEAR, const double& LON, Term& T);

// Maximum of the magnitude and root mean square of a set of errors.
struct Stat {
    std::size_t n = 0;
    double max = 0.0;   // largest magnitude
    double rms = 0.0;
    void add(double v);
    void finish();      // turns the running sum into the rms
private:
    double sum2_ = 0.0;
};

// One row of the summary: a span of years with the four error sets.
struct Row {
    std::string label;          // "1800-1849"
    std::int32_t first = 0, last = 0;
    Stat lon, time;             // theory alone: arc seconds, seconds of time
    Stat lon_dt, time_dt;       // with the Delta T estimate (empty beyond the table)
};

// The whole comparison.
struct Report {
    std::vector<Sample> samples;
    std::vector<Term> terms;
    std::vector<Row> rows;      // half-centuries, then the whole span last
    Stat eq1950, eq2000;        // fixed equinoxes against ERFA's, arc seconds (theory alone)
};

// The rms of every set of the report taken from its running sums (Stat::finish on each).
void finish(Report& r);

// COMPARE  Samples every STEP days from January 1 of FIRST to December 31 of LAST, the 24 terms of
//          every year, and the summary rows.
void COMPARE(const std::int32_t& FIRST, const std::int32_t& LAST, const std::int32_t& STEP,
             Report& R);

// Output: the two CSV files, and the summary as Markdown between its markers.
void write_samples_csv(std::ostream& os, const Report& r);
void write_terms_csv(std::ostream& os, const Report& r);
std::string summary_markdown(const Report& r);

// The marked block of a document replaced by a new one, found by the new block's own first and last
// lines (its markers); throws std::runtime_error when the markers are missing.
std::string replace_block(const std::string& doc, const std::string& block);

// CHECK  The report's maxima against those documented in the marked block of DOC.
//  Given:    R     the comparison just made
//            DOC   text of the document
//  Returned: MSGS  one line per bound exceeded or missing
//  Result:   true when every documented maximum holds (to half a unit of its last decimal);
//            false also when the block, a row or a figure cannot be read
bool CHECK(const Report& R, const std::string& DOC, std::vector<std::string>& MSGS);

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
    double second = 0.0;     // the theory's instant: seconds after the printed minute's start
    bool reproduced = false; // rounds to the printed minute, 1 s allowed (validation/apparent.cpp)
};

// The apparent theory against the second route and the published times.
struct ApparentReport {
    std::vector<Row> rows;   // spans of years, the whole span last; time: theory - reference, s
    std::size_t missing = 0; // terms either side did not answer (the check fails on any)
    std::vector<PublishedCheck> published;
};

// compare_apparent  The 24 solar terms of every year FIRST..LAST (zone UTC) by the apparent theory
//                   against apparent_reference_instant, and the published times.
void compare_apparent(std::int32_t first, std::int32_t last, ApparentReport& r);

// The apparent summary as Markdown between its own markers; its check against a document (as CHECK:
// every documented maximum holds, and every published time is reproduced).
std::string apparent_markdown(const ApparentReport& r);
bool check_apparent(const ApparentReport& r, const std::string& doc, std::vector<std::string>& msgs);

}  // namespace solarlon::validation

#endif
