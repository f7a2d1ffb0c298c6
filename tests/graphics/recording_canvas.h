// A canvas that records every call, for tests of the rasterisers and the
// painting built-ins.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "graphics/canvas.h"

namespace quillo::testing {

struct RecordingCanvas : Canvas {
    std::vector<std::string> calls;
    // Points only, in order.
    std::vector<std::pair<std::int32_t, std::int32_t>> points;
    Span visible_columns;
    Span visible_rows;
    bool refuse_color = false;
    bool refuse_clear = false;

    bool set_color(std::uint8_t r, std::uint8_t g, std::uint8_t b) override {
        calls.push_back("color " + std::to_string(r) + " " + std::to_string(g) + " " +
                        std::to_string(b));
        return !refuse_color;
    }
    bool clear() override {
        calls.push_back("clear");
        return !refuse_clear;
    }
    void point(std::int32_t x, std::int32_t y) override {
        calls.push_back("point " + std::to_string(x) + " " + std::to_string(y));
        points.emplace_back(x, y);
    }
    void line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) override {
        calls.push_back("line " + std::to_string(x0) + " " + std::to_string(y0) + " " +
                        std::to_string(x1) + " " + std::to_string(y1));
    }
    void rect(const SDL_Rect& r) override { calls.push_back("rect " + text(r)); }
    void fill_rect(const SDL_Rect& r) override { calls.push_back("fill_rect " + text(r)); }
    Span columns() const override { return visible_columns; }
    Span rows() const override { return visible_rows; }
    std::string error() const override { return "canvas refused"; }

    std::set<std::pair<std::int32_t, std::int32_t>> point_set() const {
        return {points.begin(), points.end()};
    }

  private:
    static std::string text(const SDL_Rect& r) {
        return std::to_string(r.x) + " " + std::to_string(r.y) + " " + std::to_string(r.w) + " " +
               std::to_string(r.h);
    }
};

// For each row of some points: the leftmost and the rightmost column.
using Extents = std::map<std::int32_t, std::pair<std::int32_t, std::int32_t>>;

template <typename Points> Extents row_extents(const Points& points) {
    Extents out;
    for (const auto& [x, y] : points) {
        auto [it, fresh] = out.emplace(y, std::make_pair(x, x));
        it->second.first = std::min(it->second.first, x);
        it->second.second = std::max(it->second.second, x);
    }
    return out;
}

} // namespace quillo::testing
