# The accuracy plot: longitude error against the year, and the error of the 24 solar terms in time.
#   gnuplot -e "dir='DIR'; out='FILE.png'" accuracy.gp
# DIR holds longitude.csv and terms.csv written by solarlon-accuracy --out DIR.
if (!exists("dir")) dir = "."
if (!exists("out")) out = "accuracy.png"

set terminal pngcairo size 1200,1000 font "DejaVu Sans,11" noenhanced
set output out
set datafile separator ","
set key top left box opaque
set grid
set xrange [1600:3000]
set xtics 100
set mxtics 4

set multiplot layout 2,1 title "Program minus ERFA (eraEpv00, IAU 2006 mean ecliptic and equinox of date), 1600-3000" font ",13"

set title "Geometric longitude of the Sun, every 10 days"
set ylabel "error in longitude (arc seconds)"
set xlabel "year"
plot dir."/longitude.csv" using 1:5 every ::1 with lines lw 1 lc rgb "#1f77b4" title "theory alone (same TT)", \
     "" using 1:8 every ::1 with lines lw 1 lc rgb "#d62728" title "with the program's Delta T estimate (true UT, 1600-2020)"

set title "Instant of the 24 solar terms (multiples of 15 degrees) found by the longitude-to-date search"
set ylabel "error in time (seconds, + = program late)"
set key bottom left
plot dir."/terms.csv" using 9:10 every ::1 with points pt 7 ps 0.25 lc rgb "#1f77b4" title "theory alone", \
     "" using 9:11 every ::1 with points pt 7 ps 0.25 lc rgb "#d62728" title "with the program's Delta T estimate (1600-2020)"

unset multiplot
