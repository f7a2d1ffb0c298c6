// The rasterisers against a canvas that records every call.
#include "graphics/raster.h"

#include <cmath>
#include <limits>
#include <map>
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

using Extents = std::map<std::int32_t, std::pair<std::int32_t, std::int32_t>>;

// For each row of the points: the leftmost and the rightmost column.
Extents row_extents(const std::vector<std::pair<std::int32_t, std::int32_t>>& points) {
    Extents out;
    for (const auto& [x, y] : points) {
        auto [it, fresh] = out.emplace(y, std::make_pair(x, x));
        it->second.first = std::min(it->second.first, x);
        it->second.second = std::max(it->second.second, x);
    }
    return out;
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

} // namespace
} // namespace quillo
