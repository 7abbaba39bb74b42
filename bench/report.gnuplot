# The report's plot: the installation's cost per file as the medium grows, and
# every measure against its target (below 1 is met). Called by bench/run with
# folder='build/bench'.
set terminal pngcairo size 1200,500 font "Liberation Sans,10"
set output folder."/report.png"
set multiplot layout 1,2
set title "Under Wine: time per file added (ms), median and range"
set xlabel "files on the medium"
set ylabel "ms per file"
set logscale x
set xrange [300:12000]
set yrange [0:*]
set grid
plot folder."/scale.dat" using 1:2:3:4 with yerrorlines lw 2 pt 7 title "Instalar.exe", \
     "" using 1:5:6:7 with yerrorlines lw 2 pt 5 title "xcopy"
unset logscale x
set title "Each measure over its target (median; met when at or below 1)"
set xlabel ""
set ylabel "measure / target"
set xrange [*:*]
set yrange [0:*]
set style fill solid 0.6
set boxwidth 0.6
set xtics rotate by -35 font ",8"
set bmargin 9
set rmargin 8
plot folder."/targets.dat" using 0:2:xtic(1) with boxes notitle, 1 with lines lw 2 dt 2 title "target"
unset multiplot
