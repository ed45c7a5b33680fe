# SPDX-License-Identifier: GPL-3.0-or-later
# The tile-pairs game: the cost of its 10 ms tick.
brimbola_bench(bench_tiles ${CMAKE_CURRENT_SOURCE_DIR}/tiles_bench.cpp)
