# SPDX-License-Identifier: GPL-3.0-or-later
# The picture-and-say game: one step of a tile dragged by the mouse.
brimbola_bench(bench_selector ${CMAKE_CURRENT_SOURCE_DIR}/selector_bench.cpp)
