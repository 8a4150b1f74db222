// scan.hpp  The free-form number of one record, as read_free reads it, for callers that say
//           themselves what a bad number is (the dialogue's equinox prompt).
#ifndef SOLARLON_IO_SCAN_HPP
#define SOLARLON_IO_SCAN_HPP

#include <string>
#include <string_view>

namespace solarlon::io {

// Scan  What one record holds where a free-form number should stand.
enum class Scan { Blank, Stored, Kept, Invalid, OutOfRange, TooLong };

// scan_free  The free-form number of one record, by the rules of read_free.
//  Given:    REC    the record
//            CUT    whether REC was cut at its kept width (a number reaching its end is then too long)
//  Returned: VALUE  the number when the result is Stored, else unchanged
//            TOKEN  the text where the number stands (a view into REC; empty for Blank and Kept)
//  Result:   Blank (only blanks and tabs), Stored, Kept (a slash or a leading comma), Invalid,
//            OutOfRange or TooLong
Scan scan_free(std::string_view rec, bool cut, double& value, std::string_view& token);

// free_failure  The input failure of a number that SCAN (Invalid, OutOfRange or TooLong) refuses.
//  Given:    TOKEN  the text of the number; WHAT  the source ("console" or a file name)
[[noreturn]] void free_failure(Scan scan, std::string_view token, const std::string& what);

}  // namespace solarlon::io

#endif
