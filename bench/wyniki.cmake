# SPDX-License-Identifier: GPL-3.0-or-later
# The results viewer: loading a file of 100 000 games, grouping it and making the chart's series.
brimbola_bench(bench_wyniki ${CMAKE_CURRENT_SOURCE_DIR}/wyniki_bench.cpp)
target_link_libraries(bench_wyniki PRIVATE brimbola_wyniki_ui)
