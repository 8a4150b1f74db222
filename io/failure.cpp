// Failure  The failure that ends the program.
#include <solarlon/io.hpp>

namespace solarlon::io {

Failure::Failure(Kind kind, const std::string& detail) : std::runtime_error(detail), kind_(kind) {}

}  // namespace solarlon::io
