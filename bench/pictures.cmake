# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures: the soft-mask blend and the hard mask of a word picture, decoding the largest background.
brimbola_bench(bench_pictures ${CMAKE_CURRENT_SOURCE_DIR}/pictures_bench.cpp)
