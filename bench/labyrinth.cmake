# SPDX-License-Identifier: GPL-3.0-or-later
# The labyrinth: one 3-pixel frame of the figure's glide.
brimbola_bench(bench_labyrinth ${CMAKE_CURRENT_SOURCE_DIR}/labyrinth_bench.cpp)
