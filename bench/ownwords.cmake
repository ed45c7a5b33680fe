# SPDX-License-Identifier: GPL-3.0-or-later
# The own words at start-up: their list read and the catalogue built, with none and with 200.
brimbola_bench(bench_ownwords ${CMAKE_CURRENT_SOURCE_DIR}/ownwords_bench.cpp)
