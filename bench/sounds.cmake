# SPDX-License-Identifier: GPL-3.0-or-later
# The sounds game's tick.
brimbola_bench(bench_sounds ${CMAKE_CURRENT_SOURCE_DIR}/sounds_bench.cpp)
