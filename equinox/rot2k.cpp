// ROT2K  Rotation of a position from the FK4 frame of B1950.0 to the FK5 frame of J2000.0.
//  Notes:    The matrix is the FK4 equinox correction (0.525" about the pole, right ascensions
//            growing) followed by the IAU 1976 precession from B1950.0 to J2000.0. No E-terms of
//            aberration and no proper motions. R0 is read before R is written, so R may be R0.
//  References: E. M. Standish, Astron. Astrophys. 115, 20 (1982): the matrix, to sixteen digits;
//            J. H. Lieske, T. Lederle, W. Fricke and B. Morando, Astron. Astrophys. 58, 1 (1977): the
//            IAU 1976 precession; W. Fricke, Astron. Astrophys. 107, L13 (1982): the equinox correction
//  Called:   none
#include <solarlon/equinox.hpp>

namespace solarlon {

void ROT2K(const double (&R0)[3], double (&R)[3]) {
    static const double C[3][3] = {
        {0.9999256794956877, -0.0111814832204662, -0.0048590038153592},
        {0.0111814832391717, 0.9999374848933135, -0.0000271625947142},
        {0.0048590037723143, -0.0000271702937440, 0.9999881946023742},
    };
    double r[3];
    for (int k = 0; k < 3; ++k) r[k] = C[k][0] * R0[0] + C[k][1] * R0[1] + C[k][2] * R0[2];
    R[0] = r[0];
    R[1] = r[1];
    R[2] = r[2];
}

}  // namespace solarlon
