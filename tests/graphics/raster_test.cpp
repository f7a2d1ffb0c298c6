// The rasterisers against a canvas that records every call.
#include "graphics/raster.h"

#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "interpreter/stack_guard.h"
#include "recording_canvas.h"

namespace quillo {
namespace {

using testing::RecordingCanvas;
using Points = std::set<std::pair<std::int32_t, std::int32_t>>;
using Calls = std::vector<std::string>;

Points around(std::int32_t cx, std::int32_t cy, const Points& offsets) {
    Points out;
    for (const auto& [dx, dy] : offsets)
        out.insert({cx + dx, cy + dy});
    return out;
}

using testing::Extents;
using testing::row_extents;

bool shows(Span s, std::int32_t v) {
    return v >= s.first && v <= s.last;
}

TEST(ClampCoordinate, KeepsWithinPlusMinusTwoToThe30) {
    EXPECT_EQ(clamp_coordinate(0), 0);
    EXPECT_EQ(clamp_coordinate(-1073741824), -1073741824);
    EXPECT_EQ(clamp_coordinate(-1073741825), -1073741824);
    EXPECT_EQ(clamp_coordinate(1073741823), 1073741823);
    EXPECT_EQ(clamp_coordinate(1073741824), 1073741823);
    EXPECT_EQ(clamp_coordinate(std::numeric_limits<std::int32_t>::min()), -1073741824);
    EXPECT_EQ(clamp_coordinate(std::numeric_limits<std::int32_t>::max()), 1073741823);
}

TEST(ToSdlRect, ZeroSizesBecomeOneAndHugeSizesAreCapped) {
    SDL_Rect r = to_sdl_rect({0, 0, 0, 0});
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 0);
    EXPECT_EQ(r.w, 1);
    EXPECT_EQ(r.h, 1);
    // A width of -5 is stored as 4294967291: a very wide rectangle.
    r = to_sdl_rect({-2000000000, 2000000000, 4294967291u, 1073741824u});
    EXPECT_EQ(r.x, -1073741824);
    EXPECT_EQ(r.y, 1073741823);
    EXPECT_EQ(r.w, 1073741823);
    EXPECT_EQ(r.h, 1073741823);
    r = to_sdl_rect({3, -4, 1073741823u, 7});
    EXPECT_EQ(r.w, 1073741823);
    EXPECT_EQ(r.h, 7);
}

TEST(DrawCircle, RadiusTwoInExactOrder) {
    RecordingCanvas c;
    draw_circle(c, 10, 20, 2);
    const Calls expected = {// x = 2, y = 0
                            "point 12 20", "point 8 20", "point 12 20", "point 8 20", "point 10 22",
                            "point 10 22", "point 10 18", "point 10 18",
                            // x = 1, y = 1
                            "point 11 21", "point 9 21", "point 11 19", "point 9 19", "point 11 21",
                            "point 9 21", "point 11 19", "point 9 19"};
    EXPECT_EQ(c.calls, expected);
}

TEST(DrawCircle, SmallRadiiPaintTheDefinedPoints) {
    RecordingCanvas r0;
    draw_circle(r0, 5, 5, 0);
    EXPECT_EQ(r0.points.size(), 8u); // the centre, eight times
    EXPECT_EQ(r0.point_set(), Points({{5, 5}}));

    RecordingCanvas r1;
    draw_circle(r1, 5, 5, 1);
    EXPECT_EQ(r1.point_set(), around(5, 5, {{1, 0}, {-1, 0}, {0, 1}, {0, -1}}));

    RecordingCanvas r3;
    draw_circle(r3, 0, 0, 3);
    EXPECT_EQ(r3.point_set(), Points({{3, 0},
                                      {-3, 0},
                                      {0, 3},
                                      {0, -3},
                                      {2, 1},
                                      {-2, 1},
                                      {2, -1},
                                      {-2, -1},
                                      {1, 2},
                                      {-1, 2},
                                      {1, -2},
                                      {-1, -2}}));
}

TEST(DrawCircle, NegativeRadiusPaintsNothing) {
    RecordingCanvas c;
    draw_circle(c, 50, 50, -3);
    fill_circle(c, 50, 50, std::numeric_limits<std::int32_t>::min());
    EXPECT_TRUE(c.calls.empty());
}

TEST(DrawCircle, LargeRadiusStaysRound) {
    // Every point lies within a pixel and a half of the true circle, and the
    // walk covers all eight octants symmetrically.
    const std::int32_t r = 1000;
    RecordingCanvas c;
    draw_circle(c, 0, 0, r);
    for (const auto& [x, y] : c.points) {
        const double d = std::hypot(x, y);
        EXPECT_LT(std::abs(d - r), 1.5) << x << "," << y;
    }
    const Points set = c.point_set();
    for (const auto& [x, y] : set)
        EXPECT_TRUE(set.count({-y, x})) << x << "," << y;
}

TEST(DrawCircle, CoordinateSumsWrapBeforeClamping) {
    RecordingCanvas c;
    // cx + x wraps past the largest 32-bit integer to the smallest, which is
    // then clamped to the lower limit.
    draw_circle(c, std::numeric_limits<std::int32_t>::max(), 0, 1);
    ASSERT_FALSE(c.points.empty());
    EXPECT_EQ(c.points[0], std::make_pair(-1073741824, 0));
    EXPECT_EQ(c.points[1], std::make_pair(1073741823, 0));
}

// The midpoint walk exactly as the language defines it, up to row
// `last_y`, with the points a canvas showing `columns` and `rows` would
// show (lines: their rows), in order.
struct ReferenceCircle {
    std::vector<std::pair<std::int32_t, std::int32_t>> points;
    std::vector<std::string> lines;
};

ReferenceCircle reference_circle(std::int64_t cx, std::int64_t cy, std::int64_t r, Span columns,
                                 Span rows, std::int64_t last_y = INT64_MAX) {
    ReferenceCircle out;
    auto wrapped = [](std::int64_t v) {
        return clamp_coordinate(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
    };
    auto point = [&](std::int64_t x, std::int64_t y) {
        const std::int32_t px = wrapped(x), py = wrapped(y);
        if (shows(columns, px) && shows(rows, py)) out.points.emplace_back(px, py);
    };
    auto line = [&](std::int64_t x0, std::int64_t x1, std::int64_t y) {
        const std::int32_t py = wrapped(y);
        if (!shows(rows, py)) return;
        out.lines.push_back("line " + std::to_string(wrapped(x0)) + " " + std::to_string(py) + " " +
                            std::to_string(wrapped(x1)) + " " + std::to_string(py));
    };
    std::int64_t x = r, y = 0, err = 0;
    while (x >= y && y <= last_y) {
        point(cx + x, cy + y), point(cx - x, cy + y), point(cx + x, cy - y), point(cx - x, cy - y);
        point(cx + y, cy + x), point(cx - y, cy + x), point(cx + y, cy - x), point(cx - y, cy - x);
        line(cx - x, cx + x, cy + y), line(cx - y, cx + y, cy + x);
        line(cx - x, cx + x, cy - y), line(cx - y, cx + y, cy - x);
        y += 1;
        err += 1 + 2 * y;
        if (2 * (err - x) + 1 > 0) {
            x -= 1;
            err += 1 - 2 * x;
        }
    }
    return out;
}

// What a canvas would show of the recorded calls: points in its columns and
// rows, lines on its rows.
std::vector<std::pair<std::int32_t, std::int32_t>> shown_points(const RecordingCanvas& c) {
    std::vector<std::pair<std::int32_t, std::int32_t>> out;
    for (const auto& p : c.points) {
        if (shows(c.visible_columns, p.first) && shows(c.visible_rows, p.second)) out.push_back(p);
    }
    return out;
}

std::vector<std::string> shown_lines(const RecordingCanvas& c) {
    std::vector<std::string> out;
    for (const std::string& call : c.calls) {
        int x0, y0, x1, y1;
        if (std::sscanf(call.c_str(), "line %d %d %d %d", &x0, &y0, &x1, &y1) == 4 &&
            shows(c.visible_rows, y0)) {
            out.push_back(call);
        }
    }
    return out;
}

TEST(DrawCircle, BlocksOutsideTheCanvasAreJumpedWithoutChangingAPixel) {
    // Circles against canvases that show only some columns and rows: the
    // walk jumps over blocks of steps whose points are all hidden, and must
    // paint exactly what the whole walk shows, in the same order.
    std::mt19937 rng(2024);
    auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 1000; ++round) {
        const int r = round % 3 == 0 ? between(0, 40) : between(0, 6000);
        const int cx = between(-7000, 7000), cy = between(-7000, 7000);
        RecordingCanvas c;
        if (round % 5 == 1) {
            const int left = between(-300, 300), top = between(-300, 300);
            c.visible_columns = {left, left + between(0, 200)};
            c.visible_rows = {top, top + between(0, 200)};
        } else if (round % 5 != 0) {
            // A small window on the circle's arc, so that the walk jumps
            // over hidden blocks and then paints.
            const double angle = std::uniform_real_distribution<double>(0, 6.2832)(rng);
            const int left = cx + static_cast<int>(r * std::cos(angle)) - between(0, 20);
            const int top = cy + static_cast<int>(r * std::sin(angle)) - between(0, 20);
            c.visible_columns = {left, left + between(0, 40)};
            c.visible_rows = {top, top + between(0, 40)};
        }
        const ReferenceCircle expected =
            reference_circle(cx, cy, r, c.visible_columns, c.visible_rows);
        draw_circle(c, cx, cy, r);
        ASSERT_EQ(shown_points(c), expected.points)
            << "circle(" << cx << ", " << cy << ", " << r << ")";
        RecordingCanvas disc;
        disc.visible_columns = c.visible_columns;
        disc.visible_rows = c.visible_rows;
        fill_circle(disc, cx, cy, r);
        ASSERT_EQ(shown_lines(disc), expected.lines)
            << "disc(" << cx << ", " << cy << ", " << r << ")";
    }
}

TEST(DrawCircle, TheLargestRadiusJumpsStraightToTheVisibleArc) {
    // The circle's right edge passes through a 640 by 480 canvas about
    // 1.17 million steps into the walk; after 2 million steps no point can
    // reach the canvas any more, so the whole walk's visible points are
    // those of its first 2 million steps.
    constexpr std::int64_t r = std::numeric_limits<std::int32_t>::max();
    const std::int32_t cx = static_cast<std::int32_t>(320 - r);
    const std::int32_t cy = 240 + 1170000;
    RecordingCanvas c;
    c.visible_columns = {0, 639};
    c.visible_rows = {0, 479};
    draw_circle(c, cx, cy, static_cast<std::int32_t>(r));
    const ReferenceCircle expected =
        reference_circle(cx, cy, r, c.visible_columns, c.visible_rows, 2000000);
    EXPECT_FALSE(expected.points.empty());
    EXPECT_EQ(shown_points(c), expected.points);
    // Only the blocks near the visible arc were walked.
    EXPECT_LT(c.points.size(), 100000u);
}

TEST(FillCircle, RadiusTwoDrawsTheDefinedLines) {
    RecordingCanvas c;
    fill_circle(c, 10, 10, 2);
    const Calls expected = {"line 8 10 12 10", "line 10 12 10 12", "line 8 10 12 10",
                            "line 10 8 10 8",  "line 9 11 11 11",  "line 9 11 11 11",
                            "line 9 9 11 9",   "line 9 9 11 9"};
    EXPECT_EQ(c.calls, expected);
}

TEST(FillCircle, CoversTheRowsAndColumnsOfTheOutline) {
    for (std::int32_t r = 0; r <= 40; ++r) {
        RecordingCanvas outline;
        draw_circle(outline, 0, 0, r);
        const Extents extent = row_extents(outline.points);
        RecordingCanvas disc;
        fill_circle(disc, 0, 0, r);
        Extents filled;
        for (const std::string& call : disc.calls) {
            int x0, y0, x1, y1;
            ASSERT_EQ(std::sscanf(call.c_str(), "line %d %d %d %d", &x0, &y0, &x1, &y1), 4);
            ASSERT_EQ(y0, y1);
            auto [it, fresh] = filled.emplace(y0, std::make_pair(x0, x1));
            it->second.first = std::min(it->second.first, x0);
            it->second.second = std::max(it->second.second, x1);
        }
        EXPECT_EQ(filled, extent) << "radius " << r;
    }
}

TEST(DrawLinePoints, BothEndsAndTheBresenhamSteps) {
    RecordingCanvas c;
    draw_line_points(c, 0, 0, 3, 1);
    EXPECT_EQ(c.calls, (Calls{"point 0 0", "point 1 0", "point 2 1", "point 3 1"}));

    RecordingCanvas back;
    draw_line_points(back, 3, 1, 0, 0);
    EXPECT_EQ(back.calls, (Calls{"point 3 1", "point 2 1", "point 1 0", "point 0 0"}));

    RecordingCanvas steep;
    draw_line_points(steep, 0, 0, -1, -3);
    EXPECT_EQ(steep.calls, (Calls{"point 0 0", "point 0 -1", "point -1 -2", "point -1 -3"}));

    RecordingCanvas one;
    draw_line_points(one, 7, -7, 7, -7);
    EXPECT_EQ(one.calls, (Calls{"point 7 -7"}));
}

TEST(DrawLinePoints, EveryLineHasOnePointPerStepOfItsLongerSide) {
    for (int x1 = -6; x1 <= 6; ++x1) {
        for (int y1 = -6; y1 <= 6; ++y1) {
            RecordingCanvas c;
            draw_line_points(c, 0, 0, x1, y1);
            const auto steps = static_cast<std::size_t>(std::max(std::abs(x1), std::abs(y1)));
            EXPECT_EQ(c.points.size(), steps + 1);
            EXPECT_EQ(c.points.back(), std::make_pair(x1, y1));
        }
    }
}

// Stops a rasteriser after a number of points.
struct Enough {};
struct FirstPoints : RecordingCanvas {
    std::size_t limit;
    explicit FirstPoints(std::size_t n) : limit(n) {}
    void point(std::int32_t x, std::int32_t y) override {
        RecordingCanvas::point(x, y);
        if (points.size() == limit) throw Enough{};
    }
};

TEST(DrawLinePoints, EndsFarApartStillWalkTowardEachOther) {
    // The ends are 2^32 - 1 columns apart. Measured in wrapping 32-bit
    // arithmetic that distance would be 1, the walk would climb a row at
    // its second step and never meet the far end.
    FirstPoints c(3);
    EXPECT_THROW(draw_line_points(c, std::numeric_limits<std::int32_t>::min(), 0,
                                  std::numeric_limits<std::int32_t>::max(), 2),
                 Enough);
    EXPECT_EQ(c.calls,
              (Calls{"point -1073741824 0", "point -1073741824 0", "point -1073741824 0"}));
}

TEST(DrawLinePoints, HiddenRowsAreLeftOut) {
    RecordingCanvas c;
    c.visible_rows = {0, 99};
    draw_line_points(c, 0, 100, 5000, 2000000000);
    draw_line_points(c, 0, -1, 5000, -2000000000);
    EXPECT_TRUE(c.calls.empty());
    draw_line_points(c, 0, 99, 3, 99);
    EXPECT_EQ(c.points.size(), 4u);
}

// The line walk exactly as the language defines it, point by point, with
// exact distances.
std::vector<std::pair<std::int32_t, std::int32_t>>
reference_walk(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    std::vector<std::pair<std::int32_t, std::int32_t>> out;
    const std::int64_t dx = std::abs(x1 - x0);
    const std::int64_t dy = std::abs(y1 - y0);
    const std::int64_t sx = x1 > x0 ? 1 : -1;
    const std::int64_t sy = y1 > y0 ? 1 : -1;
    std::int64_t err = dx - dy;
    std::int64_t x = x0;
    std::int64_t y = y0;
    for (;;) {
        out.emplace_back(clamp_coordinate(static_cast<std::int32_t>(x)),
                         clamp_coordinate(static_cast<std::int32_t>(y)));
        if (x == x1 && y == y1) return out;
        const std::int64_t e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

TEST(DrawLinePoints, WalkTakenUpWhereTheCanvasBeginsPlotsWhatTheWholeWalkShows) {
    // Lines against canvases that show only some columns and rows: the
    // walk leaves out the hidden parts and must plot exactly the visible
    // points of the whole walk, in the same order.
    std::mt19937 rng(12345);
    auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 20000; ++round) {
        const int scale = round % 100 == 0 ? 3000 : 1;
        const int x0 = between(-60, 60) * scale, y0 = between(-60, 60) * scale;
        const int x1 = between(-60, 60) * scale, y1 = between(-60, 60) * scale;
        RecordingCanvas c;
        if (round % 7 != 0) {
            const int left = between(-70, 70), top = between(-70, 70);
            c.visible_columns = {left, left + between(0, 80)};
            c.visible_rows = {top, top + between(0, 80)};
        }
        draw_line_points(c, x0, y0, x1, y1);
        std::vector<std::pair<std::int32_t, std::int32_t>> expected;
        for (const auto& p : reference_walk(x0, y0, x1, y1)) {
            if (shows(c.visible_columns, p.first) && shows(c.visible_rows, p.second)) {
                expected.push_back(p);
            }
        }
        ASSERT_EQ(c.points, expected)
            << "(" << x0 << ", " << y0 << ") to (" << x1 << ", " << y1 << ") on columns "
            << c.visible_columns.first << ".." << c.visible_columns.last << ", rows "
            << c.visible_rows.first << ".." << c.visible_rows.last;
    }
}

TEST(DrawLinePoints, HugeOutlinesWalkOnlyTheirVisibleParts) {
    RecordingCanvas c;
    c.visible_columns = {0, 639};
    c.visible_rows = {0, 479};
    draw_triangle(c, {-2000000000, 0, 2000000000, 5, 0, 2000000000});
    EXPECT_FALSE(c.points.empty());
    EXPECT_LT(c.points.size(), 3u * 640u);
    for (const auto& [x, y] : c.points) {
        EXPECT_TRUE(shows(c.visible_columns, x) && shows(c.visible_rows, y)) << x << "," << y;
    }
}

TEST(DrawTriangle, ThreeSidesInOrder) {
    RecordingCanvas c;
    draw_triangle(c, {0, 0, 4, 0, 0, 0});
    EXPECT_EQ(c.calls,
              (Calls{"point 0 0", "point 1 0", "point 2 0", "point 3 0", "point 4 0", "point 4 0",
                     "point 3 0", "point 2 0", "point 1 0", "point 0 0", "point 0 0"}));
}

// The spans of a filled triangle: row -> (first x, last x), checking that
// every call is one horizontal line from left to right.
Extents spans(const RecordingCanvas& c) {
    Extents out;
    for (const std::string& call : c.calls) {
        int x0, y0, x1, y1;
        EXPECT_EQ(std::sscanf(call.c_str(), "line %d %d %d %d", &x0, &y0, &x1, &y1), 4) << call;
        EXPECT_EQ(y0, y1);
        EXPECT_LE(x0, x1);
        EXPECT_EQ(out.count(y0), 0u) << "row " << y0 << " twice";
        out[y0] = {x0, x1};
    }
    return out;
}

TEST(FillTriangle, SpansOfTheExampleTriangle) {
    RecordingCanvas c;
    fill_triangle(c, {0, 0, 10, 5, 0, 10});
    const auto s = spans(c);
    ASSERT_EQ(s.size(), 11u);
    EXPECT_EQ(s.begin()->first, 0);
    EXPECT_EQ(s.at(0), std::make_pair(0, 0));
    EXPECT_EQ(s.at(5), std::make_pair(0, 10));
    // 0.6f * -10 rounds to -6 exactly; a fused multiply-add would give
    // 3.9999998 and end the row at x 3.
    EXPECT_EQ(s.at(8), std::make_pair(0, 4));
    EXPECT_EQ(s.at(10), std::make_pair(0, 0));
}

TEST(FillTriangle, TheExampleStaysWithinItsOutline) {
    // Truncation toward zero can put a span end one pixel outside the
    // outline in general; for these triangles it does not.
    const std::vector<Value::TriangleData> triangles = {
        {0, 0, 10, 5, 0, 10}, {0, 0, 100, 1, 50, 2}, {0, 0, 0, 10, 10, 10}};
    for (const auto& t : triangles) {
        RecordingCanvas outline;
        draw_triangle(outline, t);
        Extents bounds = row_extents(outline.points);
        RecordingCanvas solid;
        fill_triangle(solid, t);
        for (const auto& [y, span] : spans(solid)) {
            ASSERT_TRUE(bounds.count(y)) << "row " << y;
            EXPECT_GE(span.first, bounds[y].first) << "row " << y;
            EXPECT_LE(span.second, bounds[y].second) << "row " << y;
        }
    }
}

TEST(FillTriangle, OneRowPaintsNothing) {
    RecordingCanvas c;
    fill_triangle(c, {0, 3, 10, 3, -5, 3});
    EXPECT_TRUE(c.calls.empty());
}

TEST(FillTriangle, CornersOnTheTopRowKeepTheirOrder) {
    // With the two top corners first and second, every row is bounded by
    // the edges to the bottom corner.
    RecordingCanvas a;
    fill_triangle(a, {0, 0, 10, 0, 5, 10});
    const auto s = spans(a);
    EXPECT_EQ(s.at(0), std::make_pair(0, 10));
    EXPECT_EQ(s.at(10), std::make_pair(5, 5));
    RecordingCanvas b;
    fill_triangle(b, {10, 0, 0, 0, 5, 10});
    EXPECT_EQ(spans(b), s);
}

TEST(FillTriangle, HiddenRowsAreLeftOut) {
    RecordingCanvas c;
    c.visible_rows = {0, 9};
    fill_triangle(c, {0, -2000000000, 100, 2000000000, -100, 2000000000});
    const auto s = spans(c);
    ASSERT_EQ(s.size(), 10u);
    EXPECT_EQ(s.begin()->first, 0);
    EXPECT_EQ(s.rbegin()->first, 9);
}

TEST(ToInt32, TruncatesAndSaturates) {
    EXPECT_EQ(to_int32(3.99f), 3);
    EXPECT_EQ(to_int32(-3.99f), -3);
    EXPECT_EQ(to_int32(std::nanf("")), 0);
    EXPECT_EQ(to_int32(3e9f), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(to_int32(-3e9f), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(to_int32(std::numeric_limits<float>::infinity()),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(to_int32(-2147483648.0f), std::numeric_limits<std::int32_t>::min());
}

TEST(FillTriangle, RowsThatCollapseInSinglePrecisionGiveDefinedSpans) {
    // 16777217 and 16777216 are the same float: the edge's height is 0 in
    // single precision and its positions are not numbers, which become 0.
    RecordingCanvas c;
    fill_triangle(c, {5, 16777216, 9, 16777217, 7, 16777217});
    for (const std::string& call : c.calls)
        EXPECT_EQ(call.rfind("line ", 0), 0u);
    EXPECT_EQ(c.calls.size(), 2u);
}

// Counts painting calls and keeps nothing.
struct CountingCanvas : RecordingCanvas {
    std::size_t count = 0;
    void point(std::int32_t, std::int32_t) override { ++count; }
    void line(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override { ++count; }
};

TEST(Rasterisers, HugeShapesEndEarlyWhenTheRunIsStopped) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    CountingCanvas c;
    stop_run("stopped by the test");
    draw_circle(c, 0, 0, kMax);
    fill_circle(c, 0, 0, kMax);
    draw_line_points(c, kMin, 0, kMax, 5);
    fill_triangle(c, {0, kMin, 5, kMax, -5, kMax});
    init_stack_guard();
    // Each walk stops at its first look, after 65,536 steps at most.
    EXPECT_LE(c.count, 65536u * (8 + 4 + 1 + 1));
    EXPECT_GT(c.count, 0u);
}

// A harness's walk budget ends a shape that would paint for long, and stops
// the run with the step-budget message; the next run gets a fresh budget.
TEST(Rasterisers, WalkBudgetStopsTheRunAfterItsBlocks) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    for (int run = 0; run < 2; ++run) {
        CountingCanvas c;
        set_walk_budget(3);
        fill_circle(c, kMax, std::numeric_limits<std::int32_t>::min(), kMax);
        const char* message = stop_message();
        init_stack_guard();
        EXPECT_STREQ(message, kStepBudgetMessage);
        EXPECT_LE(c.count, 65536u * 3 * 4);
        EXPECT_GT(c.count, 65536u * 2 * 4);
    }
    set_walk_budget(UINT64_MAX);
}

} // namespace
} // namespace quillo
