# SPDX-License-Identifier: GPL-3.0-or-later
# The flying saucer: one tick of its 20 ms timer with the saucer in flight.
brimbola_bench(bench_saucer ${CMAKE_CURRENT_SOURCE_DIR}/saucer_bench.cpp)
