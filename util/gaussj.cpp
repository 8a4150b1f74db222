// GAUSSJ  Linear equations by Gauss-Jordan elimination with complete pivoting.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include <solarlon/util.hpp>

namespace solarlon {

void GAUSSJ(double* AA, const std::int32_t& NROW, const std::int32_t& NCOL, const std::int32_t& N) {
    constexpr std::int32_t kMax = 6;  // largest system held by the working matrix
    const std::int32_t n = N;
    const std::int32_t nrow = NROW;
    const std::int32_t ncol = NCOL;
    if (AA == nullptr || n < 1 || n > nrow || n >= ncol) return;  // AA cannot hold the system

    // Element (i, j), 1-based, of the caller's row-by-row matrix.
    auto aa = [AA, ncol](std::int32_t i, std::int32_t j) -> double& {
        return AA[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(ncol) + static_cast<std::size_t>(j - 1)];
    };
    auto unsolved = [&aa, n]() {
        for (std::int32_t i = 1; i <= n; ++i) aa(i, n + 1) = std::numeric_limits<double>::quiet_NaN();
    };
    if (n > kMax) {
        unsolved();
        return;
    }

    double a[kMax + 1][kMax + 2];  // working matrix, 1-based
    std::int32_t lz[kMax + 1];     // lz(k): the unknown whose column now stands at k
    for (std::int32_t i = 1; i <= n; ++i) {
        for (std::int32_t j = 1; j <= n + 1; ++j) a[i][j] = aa(i, j);
        lz[i] = i;
    }

    for (std::int32_t k = 1; k <= n; ++k) {
        // Pivot: largest magnitude over rows k..n, columns k..n; the first one wins a tie.
        std::int32_t ip = k;
        std::int32_t jp = k;
        double big = std::fabs(a[k][k]);
        for (std::int32_t i = k; i <= n; ++i) {
            for (std::int32_t j = k; j <= n; ++j) {
                if (std::fabs(a[i][j]) > big) {
                    big = std::fabs(a[i][j]);
                    ip = i;
                    jp = j;
                }
            }
        }
        if (!(big > 0.0)) {  // singular (the whole remaining block is 0), or NaN in it
            unsolved();
            return;
        }
        if (ip != k) {
            for (std::int32_t j = k; j <= n + 1; ++j) {
                const double t = a[k][j];
                a[k][j] = a[ip][j];
                a[ip][j] = t;
            }
        }
        if (jp != k) {
            for (std::int32_t i = 1; i <= n; ++i) {
                const double t = a[i][k];
                a[i][k] = a[i][jp];
                a[i][jp] = t;
            }
            const std::int32_t t = lz[k];
            lz[k] = lz[jp];
            lz[jp] = t;
        }
        // Pivot row divided by the pivot (the pivot itself is left), then eliminated elsewhere.
        for (std::int32_t j = k + 1; j <= n + 1; ++j) a[k][j] = a[k][j] / a[k][k];
        for (std::int32_t i = 1; i <= n; ++i) {
            if (i == k) continue;
            for (std::int32_t j = k + 1; j <= n + 1; ++j) a[i][j] = a[i][j] - a[i][k] * a[k][j];
        }
    }

    // Row i of the reduced system gives the unknown of original column lz(i).
    for (std::int32_t i = 1; i <= n; ++i) aa(lz[i], n + 1) = a[i][n + 1];
}

}  // namespace solarlon
