# SPDX-License-Identifier: GPL-3.0-or-later
# A window showing a changed rectangle of its canvas: the cost of every animation step's flush,
# enlarged or not (run with QT_SCALE_FACTOR set to compare).
brimbola_bench(bench_flush ${CMAKE_CURRENT_SOURCE_DIR}/flush_bench.cpp)
