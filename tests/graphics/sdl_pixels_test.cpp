// The rasterisers painting through SDL's software renderer on a surface:
// the pixels that come out, read back from the surface. No display is
// needed, nor is SDL's video subsystem started.
#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/raster.h"
#include "graphics/sdl_canvas.h"
#include "recording_canvas.h"

namespace quillo {
namespace {

using Pixel = std::pair<int, int>;
using PixelSet = std::set<Pixel>;

constexpr int kWidth = 40;
constexpr int kHeight = 30;
constexpr std::uint8_t kRed = 200;
constexpr std::uint8_t kGreen = 100;
constexpr std::uint8_t kBlue = 50;
// The paint colour as an ARGB8888 pixel: opaque, the exact channels.
constexpr Uint32 kPaint = 0xFF000000u | (Uint32{kRed} << 16) | (Uint32{kGreen} << 8) | kBlue;

bool inside(std::int64_t x, std::int64_t y) {
    return x >= 0 && y >= 0 && x < kWidth && y < kHeight;
}

// The pixels of a set of offsets around a centre.
PixelSet around(int cx, int cy, const std::vector<Pixel>& offsets) {
    PixelSet pixels;
    for (const auto& [dx, dy] : offsets)
        pixels.insert({cx + dx, cy + dy});
    return pixels;
}

// Pixels x0..x1 of row y, both ends included.
void add_row(PixelSet& pixels, int x0, int x1, int y) {
    for (int x = x0; x <= x1; ++x)
        pixels.insert({x, y});
}

// The recorded points that fall on the surface.
PixelSet visible(const std::set<std::pair<std::int32_t, std::int32_t>>& points) {
    PixelSet pixels;
    for (const auto& [x, y] : points)
        if (inside(x, y)) pixels.insert({x, y});
    return pixels;
}

// What a shape should paint on the surface, worked out from the calls alone:
// its points on the surface, and the on-surface part of its horizontal
// lines, both ends included. Nothing is kept of what lies outside, so a
// shape of millions of points costs little memory.
class SurfaceOracle final : public Canvas {
  public:
    explicit SurfaceOracle(Span rows = {}) : rows_(rows) {}

    bool set_color(std::uint8_t, std::uint8_t, std::uint8_t) override { return true; }
    bool clear() override {
        ADD_FAILURE() << "unexpected clear";
        return true;
    }
    void point(std::int32_t x, std::int32_t y) override {
        ++calls;
        if (inside(x, y)) pixels.insert({x, y});
    }
    void line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) override {
        ++calls;
        ASSERT_EQ(y0, y1) << "the rasterisers hand over horizontal lines only";
        if (y0 < 0 || y0 >= kHeight) return;
        const std::int64_t first = std::max<std::int64_t>(std::min(x0, x1), 0);
        const std::int64_t last = std::min<std::int64_t>(std::max(x0, x1), kWidth - 1);
        for (std::int64_t x = first; x <= last; ++x)
            pixels.insert({static_cast<int>(x), y0});
    }
    void rect(const SDL_Rect&) override { ADD_FAILURE() << "unexpected rect"; }
    void fill_rect(const SDL_Rect&) override { ADD_FAILURE() << "unexpected fill_rect"; }
    Span rows() const override { return rows_; }
    std::string error() const override { return {}; }

    PixelSet pixels;
    std::int64_t calls = 0;

  private:
    Span rows_;
};

class SdlPixels : public ::testing::Test {
  protected:
    void SetUp() override {
        surface_ = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888);
        ASSERT_NE(surface_, nullptr) << SDL_GetError();
        renderer_ = SDL_CreateSoftwareRenderer(surface_);
        ASSERT_NE(renderer_, nullptr) << SDL_GetError();
        canvas_.emplace(renderer_);
    }

    void TearDown() override {
        canvas_.reset();
        if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
        if (surface_ != nullptr) SDL_FreeSurface(surface_);
    }

    // The canvas with the paint colour set, as every shape starts.
    SdlCanvas& paint() {
        EXPECT_TRUE(canvas_->set_color(kRed, kGreen, kBlue)) << canvas_->error();
        return *canvas_;
    }

    // Every pixel of the surface, row by row, once the queued drawing is
    // done.
    std::vector<Uint32> pixels() {
        EXPECT_EQ(SDL_RenderFlush(renderer_), 0) << SDL_GetError();
        EXPECT_EQ(SDL_LockSurface(surface_), 0) << SDL_GetError();
        std::vector<Uint32> all;
        all.reserve(kWidth * kHeight);
        const auto* bytes = static_cast<const unsigned char*>(surface_->pixels);
        for (int y = 0; y < kHeight; ++y) {
            const auto* row = reinterpret_cast<const Uint32*>(bytes + y * surface_->pitch);
            all.insert(all.end(), row, row + kWidth);
        }
        SDL_UnlockSurface(surface_);
        return all;
    }

    // The pixels painted so far. The surface starts as zeros (transparent
    // black); anything painted must be exactly the paint colour.
    PixelSet painted() {
        PixelSet set;
        const std::vector<Uint32> all = pixels();
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const Uint32 value = all[y * kWidth + x];
                if (value == 0) continue;
                EXPECT_EQ(value, kPaint) << "pixel " << x << "," << y;
                set.insert({x, y});
            }
        }
        return set;
    }

    // Back to the zero pixels the surface started with.
    void reset() {
        ASSERT_EQ(SDL_RenderFlush(renderer_), 0) << SDL_GetError();
        ASSERT_EQ(SDL_FillRect(surface_, nullptr, 0), 0) << SDL_GetError();
    }

    // Paints a shape of points both on a recording canvas and on the
    // surface: the surface must show exactly the recorded points that fall
    // on it. Returns what was painted.
    template <typename Shape> PixelSet expect_recorded_points(Shape shape) {
        quillo::testing::RecordingCanvas recording;
        shape(recording);
        for (const std::string& call : recording.calls)
            EXPECT_EQ(call.rfind("point ", 0), 0u) << "not a point-based shape: " << call;
        shape(paint());
        PixelSet pixels = painted();
        EXPECT_EQ(pixels, visible(recording.point_set()));
        return pixels;
    }

    // The same with the oracle canvas, which also knows horizontal lines.
    template <typename Shape> PixelSet expect_oracle(Shape shape, Span rows = {}) {
        SurfaceOracle oracle(rows);
        shape(oracle);
        shape(paint());
        PixelSet pixels = painted();
        EXPECT_EQ(pixels, oracle.pixels);
        return pixels;
    }

    SDL_Surface* surface_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::optional<SdlCanvas> canvas_;
};

// --- The canvas itself --------------------------------------------------

TEST_F(SdlPixels, NothingIsPaintedBeforeDrawing) {
    EXPECT_TRUE(painted().empty());
}

TEST_F(SdlPixels, ThePaintIsOpaqueWithTheExactChannels) {
    paint().point(3, 4);
    const std::vector<Uint32> all = pixels();
    EXPECT_EQ(all[4 * kWidth + 3], 0xFFC86432u);
    EXPECT_EQ(painted(), (PixelSet{{3, 4}}));
}

TEST_F(SdlPixels, PointsOffTheSurfacePaintNothing) {
    SdlCanvas& canvas = paint();
    canvas.point(-1, 0);
    canvas.point(0, -1);
    canvas.point(kWidth, 0);
    canvas.point(0, kHeight);
    canvas.point(kCoordinateMin, kCoordinateMin);
    canvas.point(kCoordinateMax, kCoordinateMax);
    EXPECT_TRUE(painted().empty());
    canvas.point(0, 0);
    canvas.point(kWidth - 1, kHeight - 1);
    EXPECT_EQ(painted(), (PixelSet{{0, 0}, {kWidth - 1, kHeight - 1}}));
}

TEST_F(SdlPixels, HorizontalLinesIncludeBothEnds) {
    SdlCanvas& canvas = paint();
    canvas.line(3, 5, 9, 5);
    canvas.line(9, 7, 3, 7);
    canvas.line(4, 9, 4, 9);
    PixelSet expected;
    add_row(expected, 3, 9, 5);
    add_row(expected, 3, 9, 7);
    expected.insert({4, 9});
    EXPECT_EQ(painted(), expected);
}

TEST_F(SdlPixels, HorizontalLinesAreCutAtTheEdges) {
    SdlCanvas& canvas = paint();
    canvas.line(-5, 1, 4, 1);
    canvas.line(kWidth - 3, 2, kWidth + 10, 2);
    canvas.line(kCoordinateMin, 3, kCoordinateMax, 3);
    canvas.line(kCoordinateMax, 4, kCoordinateMin, 4);
    canvas.line(-10, 5, -1, 5);
    canvas.line(kWidth, 6, kWidth + 10, 6);
    canvas.line(0, -1, 10, -1);
    canvas.line(0, kHeight, 10, kHeight);
    PixelSet expected;
    add_row(expected, 0, 4, 1);
    add_row(expected, kWidth - 3, kWidth - 1, 2);
    add_row(expected, 0, kWidth - 1, 3);
    add_row(expected, 0, kWidth - 1, 4);
    EXPECT_EQ(painted(), expected);
}

TEST_F(SdlPixels, ClearWithBlackPaintsEveryPixelOpaqueBlack) {
    SdlCanvas& canvas = paint();
    canvas.fill_rect({2, 2, 5, 5});
    ASSERT_FALSE(painted().empty());
    ASSERT_TRUE(canvas.set_color(0, 0, 0));
    ASSERT_TRUE(canvas.clear());
    for (const Uint32 value : pixels())
        ASSERT_EQ(value, 0xFF000000u);
}

TEST_F(SdlPixels, ClearPaintsEveryPixelInTheColour) {
    ASSERT_TRUE(paint().clear());
    for (const Uint32 value : pixels())
        ASSERT_EQ(value, kPaint);
}

// --- Rectangles -----------------------------------------------------------

TEST_F(SdlPixels, ZeroSizeRectPaintsOnePixel) {
    paint().rect(to_sdl_rect({0, 0, 0, 0}));
    EXPECT_EQ(painted(), (PixelSet{{0, 0}}));
}

TEST_F(SdlPixels, ZeroSizeFilledRectPaintsOnePixel) {
    paint().fill_rect(to_sdl_rect({7, 8, 0, 0}));
    EXPECT_EQ(painted(), (PixelSet{{7, 8}}));
}

TEST_F(SdlPixels, RectOutline) {
    paint().rect(to_sdl_rect({5, 6, 4, 3}));
    PixelSet expected;
    add_row(expected, 5, 8, 6);
    add_row(expected, 5, 8, 8);
    expected.insert({5, 7});
    expected.insert({8, 7});
    EXPECT_EQ(painted(), expected);
}

TEST_F(SdlPixels, FilledRect) {
    paint().fill_rect(to_sdl_rect({5, 6, 3, 2}));
    PixelSet expected;
    add_row(expected, 5, 7, 6);
    add_row(expected, 5, 7, 7);
    EXPECT_EQ(painted(), expected);
}

TEST_F(SdlPixels, FilledRectPartlyOffTheSurface) {
    SdlCanvas& canvas = paint();
    canvas.fill_rect(to_sdl_rect({-3, -2, 6, 5}));
    canvas.fill_rect(to_sdl_rect({kWidth - 2, kHeight - 1, 10, 10}));
    PixelSet expected;
    for (int y = 0; y <= 2; ++y)
        add_row(expected, 0, 2, y);
    add_row(expected, kWidth - 2, kWidth - 1, kHeight - 1);
    EXPECT_EQ(painted(), expected);
}

TEST_F(SdlPixels, NegativeWidthFillsToTheRightEdge) {
    // -5 as a width is stored as 4294967291: a very wide rectangle.
    paint().fill_rect(to_sdl_rect({2, 3, static_cast<std::uint32_t>(-5), 4}));
    PixelSet expected;
    for (int y = 3; y <= 6; ++y)
        add_row(expected, 2, kWidth - 1, y);
    EXPECT_EQ(painted(), expected);
}

TEST_F(SdlPixels, NegativeHeightFillsToTheBottomEdge) {
    paint().fill_rect(to_sdl_rect({2, 3, 2, static_cast<std::uint32_t>(-1)}));
    PixelSet expected;
    for (int y = 3; y < kHeight; ++y)
        add_row(expected, 2, 3, y);
    EXPECT_EQ(painted(), expected);
}

TEST_F(SdlPixels, NegativeWidthOutlineHasNoRightSide) {
    paint().rect(to_sdl_rect({2, 3, static_cast<std::uint32_t>(-5), 4}));
    PixelSet expected;
    add_row(expected, 2, kWidth - 1, 3);
    add_row(expected, 2, kWidth - 1, 6);
    expected.insert({2, 4});
    expected.insert({2, 5});
    EXPECT_EQ(painted(), expected);
}

TEST_F(SdlPixels, WidestRectAtTheLeftLimitEndsLeftOfTheSurface) {
    // From -1073741824, 1073741823 pixels wide: the last column is -1.
    paint().fill_rect(to_sdl_rect({INT32_MIN, 0, UINT32_MAX, 4}));
    EXPECT_TRUE(painted().empty());
}

// The pixels a rectangle covers (solid) or its four sides cover, worked out
// in 64 bits from the rectangle SDL is handed.
PixelSet rect_pixels(const SDL_Rect& r, bool solid) {
    PixelSet pixels;
    const std::int64_t right = std::int64_t{r.x} + r.w - 1;
    const std::int64_t bottom = std::int64_t{r.y} + r.h - 1;
    for (std::int64_t y = std::max(0, r.y); y <= std::min<std::int64_t>(bottom, kHeight - 1); ++y)
        for (std::int64_t x = std::max(0, r.x); x <= std::min<std::int64_t>(right, kWidth - 1); ++x)
            if (solid || x == r.x || x == right || y == r.y || y == bottom)
                pixels.insert({static_cast<int>(x), static_cast<int>(y)});
    return pixels;
}

// Rectangles are cut to the surface before SDL sees them. Where SDL can
// take the whole rectangle, the cut one paints exactly what SDL would.
TEST_F(SdlPixels, CutRectsPaintWhatSdlPaints) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> position(-60, 100);
    std::uniform_int_distribution<int> size(1, 150);
    for (int i = 0; i < 600; ++i) {
        const SDL_Rect r{position(random), position(random), size(random), size(random)};
        const bool solid = i % 2 == 0;
        solid ? paint().fill_rect(r) : paint().rect(r);
        const std::vector<Uint32> cut = pixels();
        reset();
        solid ? SDL_RenderFillRect(renderer_, &r) : SDL_RenderDrawRect(renderer_, &r);
        ASSERT_EQ(cut, pixels()) << (solid ? "fill " : "outline ") << r.x << "," << r.y << " "
                                 << r.w << "x" << r.h;
        reset();
    }
}

// Rectangles reaching the coordinate limits, which SDL's floats cannot
// handle (its software renderer crashed on the first one).
TEST_F(SdlPixels, RectsAtTheCoordinateLimits) {
    const std::vector<Value::RectData> rects = {
        {0, INT32_MAX, 1, UINT32_MAX},   {0, 0, 1, UINT32_MAX},
        {INT32_MAX, 0, UINT32_MAX, 1},   {-1000, -1000, UINT32_MAX, UINT32_MAX},
        {3, 1073741000, 5, 2000000},     {INT32_MIN, INT32_MIN, UINT32_MAX, UINT32_MAX},
        {-5, 2, 1073741823, 1073741823}, {2, -1073741824, 9, 1073741830},
    };
    for (const Value::RectData& data : rects) {
        for (const bool solid : {false, true}) {
            const SDL_Rect r = to_sdl_rect(data);
            solid ? paint().fill_rect(r) : paint().rect(r);
            EXPECT_EQ(painted(), rect_pixels(r, solid))
                << (solid ? "fill " : "outline ") << data.x << "," << data.y;
            reset();
        }
    }
}

// --- Circles --------------------------------------------------------------

TEST_F(SdlPixels, CircleRadiusZeroIsTheCentre) {
    draw_circle(paint(), 10, 10, 0);
    EXPECT_EQ(painted(), (PixelSet{{10, 10}}));
}

TEST_F(SdlPixels, CircleRadiusOne) {
    draw_circle(paint(), 10, 10, 1);
    EXPECT_EQ(painted(), around(10, 10, {{1, 0}, {-1, 0}, {0, 1}, {0, -1}}));
}

TEST_F(SdlPixels, CircleRadiusTwo) {
    draw_circle(paint(), 10, 10, 2);
    EXPECT_EQ(
        painted(),
        around(10, 10, {{2, 0}, {-2, 0}, {0, 2}, {0, -2}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}}));
}

TEST_F(SdlPixels, CircleRadiusThree) {
    draw_circle(paint(), 10, 10, 3);
    EXPECT_EQ(painted(), around(10, 10,
                                {{3, 0},
                                 {-3, 0},
                                 {0, 3},
                                 {0, -3},
                                 {2, 1},
                                 {2, -1},
                                 {-2, 1},
                                 {-2, -1},
                                 {1, 2},
                                 {1, -2},
                                 {-1, 2},
                                 {-1, -2}}));
}

TEST_F(SdlPixels, CircleWithNegativeRadiusPaintsNothing) {
    draw_circle(paint(), 10, 10, -1);
    fill_circle(paint(), 10, 10, -1);
    EXPECT_TRUE(painted().empty());
}

TEST_F(SdlPixels, FilledCircleRadiusTwo) {
    fill_circle(paint(), 10, 10, 2);
    PixelSet expected;
    add_row(expected, 10, 10, 8);
    add_row(expected, 9, 11, 9);
    add_row(expected, 8, 12, 10);
    add_row(expected, 9, 11, 11);
    add_row(expected, 10, 10, 12);
    EXPECT_EQ(painted(), expected);
}

TEST_F(SdlPixels, FilledCircleRadiusZeroIsTheCentre) {
    fill_circle(paint(), 10, 10, 0);
    EXPECT_EQ(painted(), (PixelSet{{10, 10}}));
}

TEST_F(SdlPixels, FilledCircleCoversItsOutline) {
    for (int r = 0; r <= 12; ++r) {
        SCOPED_TRACE(r);
        quillo::testing::RecordingCanvas outline;
        draw_circle(outline, 20, 15, r);
        fill_circle(paint(), 20, 15, r);
        const PixelSet filled = painted();
        const PixelSet ring = visible(outline.point_set());
        EXPECT_TRUE(std::includes(filled.begin(), filled.end(), ring.begin(), ring.end()));
        reset();
    }
}

TEST_F(SdlPixels, CirclesPartlyOffTheSurface) {
    for (const Value::CircleData& circle : std::vector<Value::CircleData>{
             {-2, 5, 6}, {kWidth + 1, 10, 5}, {20, -4, 9}, {20, kHeight + 3, 7}, {0, 0, 15}}) {
        const auto r = static_cast<std::int32_t>(circle.radius);
        SCOPED_TRACE(::testing::Message() << circle.x << "," << circle.y << " r " << r);
        EXPECT_FALSE(expect_recorded_points([&](Canvas& c) {
                         draw_circle(c, circle.x, circle.y, r);
                     }).empty());
        reset();
        EXPECT_FALSE(
            expect_oracle([&](Canvas& c) { fill_circle(c, circle.x, circle.y, r); }).empty());
        reset();
    }
}

TEST_F(SdlPixels, HugeCircleCentredOffTheSurface) {
    // The arc near the circle's rightmost point crosses the surface almost
    // upright, a little to the right of its left edge.
    const Span rows{0, kHeight - 1};
    const PixelSet arc =
        expect_oracle([](Canvas& c) { draw_circle(c, -999990, 15, 1000000); }, rows);
    EXPECT_EQ(arc.size(), std::size_t{kHeight});
    for (const auto& [x, y] : arc)
        EXPECT_TRUE(x == 9 || x == 10) << x << "," << y;
}

TEST_F(SdlPixels, HugeCircleCrossingTheSurfaceDiagonally) {
    // Centred so that the 45-degree point of the circle's upper-left arc
    // lies near the middle of the surface: (cx - r/sqrt(2), cy - r/sqrt(2))
    // is about (20.2, 15.2).
    const PixelSet arc = expect_oracle([](Canvas& c) { draw_circle(c, 707127, 707122, 1000000); });
    // So close to that point the arc runs straight along the diagonal
    // x + y = 37, one pixel per row.
    EXPECT_EQ(arc.size(), std::size_t{kHeight});
    for (const auto& [x, y] : arc)
        EXPECT_EQ(x + y, 37) << x << "," << y;
}

TEST_F(SdlPixels, HugeFilledCircleCentredOffTheSurface) {
    const Span rows{0, kHeight - 1};
    const PixelSet filled =
        expect_oracle([](Canvas& c) { fill_circle(c, -999990, 15, 1000000); }, rows);
    // Every row from the left edge to the arc.
    EXPECT_TRUE(filled.count({0, 0}) && filled.count({0, kHeight - 1}));
    EXPECT_FALSE(filled.count({11, 15}));
}

TEST_F(SdlPixels, HugeFilledCircleCoversTheSurface) {
    fill_circle(paint(), 20, 15, 1000000);
    for (const Uint32 value : pixels())
        ASSERT_EQ(value, kPaint);
}

// --- Lines ----------------------------------------------------------------

TEST_F(SdlPixels, LineShallow) {
    draw_line_points(paint(), 0, 0, 5, 2);
    EXPECT_EQ(painted(), (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}));
}

TEST_F(SdlPixels, LineSteep) {
    draw_line_points(paint(), 1, 1, 3, 6);
    EXPECT_EQ(painted(), (PixelSet{{1, 1}, {1, 2}, {2, 3}, {2, 4}, {3, 5}, {3, 6}}));
}

TEST_F(SdlPixels, LineBackwardsAndUp) {
    draw_line_points(paint(), 6, 4, 0, 1);
    EXPECT_EQ(painted(), (PixelSet{{6, 4}, {5, 4}, {4, 3}, {3, 3}, {2, 2}, {1, 2}, {0, 1}}));
}

TEST_F(SdlPixels, LineDiagonal) {
    draw_line_points(paint(), 2, 5, 5, 2);
    EXPECT_EQ(painted(), (PixelSet{{2, 5}, {3, 4}, {4, 3}, {5, 2}}));
}

TEST_F(SdlPixels, LineStraight) {
    draw_line_points(paint(), 3, 3, 3, 7);
    draw_line_points(paint(), 9, 1, 5, 1);
    PixelSet expected{{3, 3}, {3, 4}, {3, 5}, {3, 6}, {3, 7}};
    add_row(expected, 5, 9, 1);
    EXPECT_EQ(painted(), expected);
}

TEST_F(SdlPixels, LineOfOnePoint) {
    draw_line_points(paint(), 4, 4, 4, 4);
    EXPECT_EQ(painted(), (PixelSet{{4, 4}}));
}

TEST_F(SdlPixels, LinesPartlyOffTheSurface) {
    struct Line {
        std::int32_t x0, y0, x1, y1;
    };
    for (const Line& line : std::vector<Line>{{-5, -3, 20, 10},
                                              {kWidth - 3, kHeight - 2, kWidth + 10, kHeight + 5},
                                              {-100, 12, 100, 13},
                                              {15, -50, 17, 60},
                                              {-10, 40, 50, -20},
                                              {-10, -10, -1, -1}}) {
        SCOPED_TRACE(::testing::Message()
                     << line.x0 << "," << line.y0 << " " << line.x1 << "," << line.y1);
        const PixelSet pixels = expect_recorded_points(
            [&](Canvas& c) { draw_line_points(c, line.x0, line.y0, line.x1, line.y1); });
        EXPECT_EQ(pixels.empty(), line.x1 < 0) << "only the last line misses the surface";
        reset();
    }
}

// --- Triangles ------------------------------------------------------------

// The outline's pixels on each row, leftmost and rightmost.
quillo::testing::Extents outline_rows(const Value::TriangleData& t) {
    quillo::testing::RecordingCanvas outline;
    draw_triangle(outline, t);
    return quillo::testing::row_extents(outline.points);
}

TEST_F(SdlPixels, TriangleOnOneRowIsItsSpan) {
    draw_triangle(paint(), {0, 0, 4, 0, 0, 0});
    PixelSet expected;
    add_row(expected, 0, 4, 0);
    EXPECT_EQ(painted(), expected);
}

TEST_F(SdlPixels, TriangleOutline) {
    draw_triangle(paint(), {1, 1, 7, 1, 1, 4});
    // Both straight sides and the diagonal from (7,1) back to (1,4).
    PixelSet expected{{5, 2}, {4, 2}, {3, 3}, {2, 3}, {1, 2}, {1, 3}, {1, 4}};
    add_row(expected, 1, 7, 1);
    EXPECT_EQ(painted(), expected);
}

TEST_F(SdlPixels, FilledTriangleRows) {
    fill_triangle(paint(), {0, 0, 10, 5, 0, 10});
    const PixelSet filled = painted();
    for (int x = 0; x <= 10; ++x)
        EXPECT_TRUE(filled.count({x, 5})) << x;
    EXPECT_FALSE(filled.count({11, 5}));
    for (int x = 0; x <= 4; ++x)
        EXPECT_TRUE(filled.count({x, 8})) << x;
    EXPECT_FALSE(filled.count({5, 8}));
    EXPECT_EQ(filled.count({0, 0}), 1u);
    EXPECT_EQ(filled.count({1, 0}), 0u);
    EXPECT_EQ(filled.count({0, 10}), 1u);
    EXPECT_EQ(filled.count({1, 10}), 0u);
    for (const auto& [x, y] : filled)
        EXPECT_TRUE(y >= 0 && y <= 10) << x << "," << y;
}

// How far the fill reaches past the outline on one side of one row, at
// most: the rows the fill paints must all be outline rows.
struct Overhang {
    int left = 0;
    int right = 0;
};

Overhang fill_overhang(const PixelSet& filled, const Value::TriangleData& t) {
    const auto rows = outline_rows(t);
    Overhang most;
    for (const auto& [x, y] : filled) {
        const auto it = rows.find(y);
        if (it == rows.end()) {
            ADD_FAILURE() << "row " << y << " has no outline";
            continue;
        }
        most.left = std::max(most.left, it->second.first - x);
        most.right = std::max(most.right, x - it->second.second);
    }
    return most;
}

std::string describe(const Value::TriangleData& t) {
    return std::to_string(t.x1) + "," + std::to_string(t.y1) + " " + std::to_string(t.x2) + "," +
           std::to_string(t.y2) + " " + std::to_string(t.x3) + "," + std::to_string(t.y3);
}

TEST_F(SdlPixels, FilledTriangleStaysWithinItsOutline) {
    // Left sides upright or at 45 degrees, where the row ends are whole
    // numbers: the fill never passes the outline.
    for (const Value::TriangleData& t : std::vector<Value::TriangleData>{{0, 0, 10, 5, 0, 10},
                                                                         {0, 0, 4, 0, 0, 4},
                                                                         {10, 2, 2, 10, 10, 18},
                                                                         {3, 2, 3, 27, 38, 14}}) {
        SCOPED_TRACE(describe(t));
        fill_triangle(paint(), t);
        const Overhang most = fill_overhang(painted(), t);
        EXPECT_EQ(most.left, 0);
        EXPECT_EQ(most.right, 0);
        reset();
    }
}

TEST_F(SdlPixels, FilledTriangleLeftEndsMayPassASlantedSideByOnePixel) {
    // Row ends are truncated toward zero, the sides' points are rounded:
    // where a side leans left the fill can start one pixel left of it, and
    // it never ends right of the outline.
    fill_triangle(paint(), {2, 3, 30, 8, 12, 25});
    EXPECT_EQ(fill_overhang(painted(), {2, 3, 30, 8, 12, 25}).left, 1);
    reset();

    std::mt19937 random(20240611);
    auto coordinate = [&] { return static_cast<std::int32_t>(random() % 41); };
    for (int i = 0; i < 300; ++i) {
        const Value::TriangleData t{coordinate(), coordinate(), coordinate(),
                                    coordinate(), coordinate(), coordinate()};
        SCOPED_TRACE(describe(t));
        fill_triangle(paint(), t);
        const Overhang most = fill_overhang(painted(), t);
        EXPECT_LE(most.left, 1);
        EXPECT_EQ(most.right, 0);
        reset();
    }
}

TEST_F(SdlPixels, FilledTriangleOnOneRowPaintsNothing) {
    fill_triangle(paint(), {0, 3, 10, 3, 5, 3});
    fill_triangle(paint(), {4, 4, 4, 4, 4, 4});
    EXPECT_TRUE(painted().empty());
}

TEST_F(SdlPixels, TrianglesPartlyOffTheSurface) {
    for (const Value::TriangleData& t :
         std::vector<Value::TriangleData>{{-10, -5, 20, 10, 5, 40},
                                          {kWidth - 5, 3, kWidth + 20, 15, kWidth - 2, 27},
                                          {-30, -30, 60, -10, 10, 50}}) {
        SCOPED_TRACE(::testing::Message() << t.x1 << "," << t.y1 << " " << t.x2 << "," << t.y2
                                          << " " << t.x3 << "," << t.y3);
        EXPECT_FALSE(expect_recorded_points([&](Canvas& c) { draw_triangle(c, t); }).empty());
        reset();
        EXPECT_FALSE(expect_oracle([&](Canvas& c) { fill_triangle(c, t); }).empty());
        reset();
    }
}

TEST_F(SdlPixels, HugeFilledTriangleCoversTheVisibleRows) {
    // Corners far outside: only the surface's rows are walked.
    const Value::TriangleData t{-1000000000, -1000000000, 1000000000, 0, -1000000000, 1000000000};
    const PixelSet filled =
        expect_oracle([&](Canvas& c) { fill_triangle(c, t); }, Span{0, kHeight - 1});
    EXPECT_EQ(filled.size(), std::size_t{kWidth * kHeight});
}

} // namespace
} // namespace quillo
