// cut_back  A file that a failed write left with part of a record, cut back to its last whole record.
#include <filesystem>
#include <fstream>
#include <system_error>

#include <solarlon/io.hpp>

namespace solarlon::io {

void cut_back(std::string_view name) {
    namespace fs = std::filesystem;
    const fs::path p{std::string(name)};
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(p, ec);
    if (ec) return;
    // Every record ends with CR LF and holds no LF: the whole records end at the last LF.
    std::uintmax_t keep = 0;
    {
        std::ifstream f(p, std::ios::in | std::ios::binary);
        if (!f.is_open()) return;
        char chunk[4096];
        for (std::uintmax_t end = size; end > 0 && keep == 0;) {
            const std::uintmax_t begin = end > sizeof chunk ? end - sizeof chunk : 0;
            const auto n = static_cast<std::streamsize>(end - begin);
            f.seekg(static_cast<std::streamoff>(begin));
            if (!f.read(chunk, n)) return;
            for (std::streamsize i = n; i > 0 && keep == 0; --i)
                if (chunk[i - 1] == '\n') keep = begin + static_cast<std::uintmax_t>(i);
            end = begin;
        }
    }
    if (keep < size) fs::resize_file(p, keep, ec);
}

}  // namespace solarlon::io
