// Runtime values.
//
// A Value behaves as if it owned its payload outright: reading a variable,
// indexing, passing an argument or returning yields a value that nothing
// else can change. Under that surface the payloads of texts, arrays, dicts,
// functions, rectangles and triangles live in reference-counted heap objects
// that copies share; a payload is only ever changed through a value that is
// its sole owner (`array_items_mut` and friends copy a shared payload first),
// so sharing is never observable. Numbers, floats, booleans, colours,
// circles and null are stored inline. A Value is sixteen bytes.
//
// Reference counts are plain integers: the interpreter is single-threaded.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

struct FunctionCode;
class DictMap;

namespace detail {
struct HeapObject;
}

class Value {
  public:
    // The variants, in their canonical order (the order of the type-name
    // table). Written Value::Number, Value::Null, ... in code.
    enum Kind : std::uint8_t {
        Number,
        Float,
        String,
        Boolean,
        Array,
        Dict,
        Function,
        Rect,
        Color,
        Circle,
        Triangle,
        Null,
    };

    struct RectData {
        std::int32_t x, y;
        std::uint32_t width, height;
    };
    struct ColorData {
        std::uint8_t r, g, b;
    };
    struct CircleData {
        std::int32_t x, y;
        std::uint32_t radius;
    };
    struct TriangleData {
        std::int32_t x1, y1, x2, y2, x3, y3;
    };

    // Value::Null.
    Value() noexcept : kind_(Null) { payload_.number = 0; }

    static Value number(std::int64_t n) noexcept {
        Value v(Number);
        v.payload_.number = n;
        return v;
    }
    static Value floating(double d) noexcept {
        Value v(Float);
        v.payload_.floating = d;
        return v;
    }
    static Value boolean(bool b) noexcept {
        Value v(Boolean);
        v.payload_.boolean = b;
        return v;
    }
    static Value string(std::string text);
    static Value string(std::string_view text) { return string(std::string(text)); }
    static Value string(const char* text) { return string(std::string(text)); }
    static Value array(std::vector<Value> items);
    static Value dict(DictMap map);
    static Value function(std::shared_ptr<const FunctionCode> code);
    static Value rect(RectData r);
    static Value color(ColorData c) noexcept {
        Value v(Color);
        v.color_ = c;
        return v;
    }
    static Value circle(CircleData c) noexcept {
        Value v(Circle);
        v.small_ = c.x;
        v.payload_.pair = {c.y, static_cast<std::int32_t>(c.radius)};
        return v;
    }
    static Value triangle(TriangleData t);

    Value(const Value& other) noexcept
        : kind_(other.kind_), color_(other.color_), small_(other.small_), payload_(other.payload_) {
        if (is_heap()) retain();
    }
    Value(Value&& other) noexcept
        : kind_(other.kind_), color_(other.color_), small_(other.small_), payload_(other.payload_) {
        other.kind_ = Null;
    }
    Value& operator=(const Value& other) noexcept {
        Value copy(other);
        swap(copy);
        return *this;
    }
    Value& operator=(Value&& other) noexcept {
        Value moved(std::move(other));
        swap(moved);
        return *this;
    }
    ~Value() {
        if (is_heap()) release();
    }

    void swap(Value& other) noexcept {
        std::swap(kind_, other.kind_);
        std::swap(color_, other.color_);
        std::swap(small_, other.small_);
        std::swap(payload_, other.payload_);
    }

    Kind kind() const { return kind_; }
    bool is(Kind k) const { return kind_ == k; }
    bool is_null() const { return kind_ == Null; }

    // Payload access; each requires the matching kind.
    std::int64_t as_number() const { return payload_.number; }
    double as_float() const { return payload_.floating; }
    bool as_boolean() const { return payload_.boolean; }
    const std::string& text() const;
    const std::vector<Value>& items() const;
    const DictMap& entries() const;
    const std::shared_ptr<const FunctionCode>& code() const;
    const RectData& rect_data() const;
    ColorData color_data() const { return color_; }
    CircleData circle_data() const {
        return {small_, payload_.pair.first, static_cast<std::uint32_t>(payload_.pair.second)};
    }
    const TriangleData& triangle_data() const;

    // Writable access to a text, array or dict payload: a payload shared
    // with other values is copied first, so the change shows through this
    // value only.
    std::string& text_mut();
    std::vector<Value>& items_mut();
    DictMap& entries_mut();

    // True when this value's payload is held by no other value (always true
    // for inline kinds). Used by operations that may reuse a payload.
    bool unshared() const;

  private:
    explicit Value(Kind k) noexcept : kind_(k) { payload_.number = 0; }
    explicit Value(Kind k, detail::HeapObject* obj) noexcept : kind_(k) { payload_.object = obj; }

    // Kinds whose payload lives in a heap object.
    bool is_heap() const {
        return kind_ == String || kind_ == Array || kind_ == Dict || kind_ == Function ||
               kind_ == Rect || kind_ == Triangle;
    }
    void retain() const noexcept;
    void release() noexcept;
    void make_unshared();

    struct Pair {
        std::int32_t first, second;
    };

    Kind kind_;
    ColorData color_{};      // Value::Color
    std::int32_t small_ = 0; // Value::Circle's x
    union {
        std::int64_t number;
        double floating;
        bool boolean;
        Pair pair; // Value::Circle's y and radius
        detail::HeapObject* object;
    } payload_;
};

static_assert(sizeof(Value) == 16, "a Value is two machine words");

// The condition rule of `if`, `while` and `not`.
bool is_truthy(const Value& value);

// "number", "float", "string", "boolean", "array", "dict", "null", or
// "unknown" for functions and shapes.
std::string_view type_name(const Value& value);
std::string_view type_name(Value::Kind kind);

// The equality of `match` arms: same kind among numbers, floats (closer than
// the double's machine epsilon), texts, booleans and null; nothing else
// matches.
bool values_match(const Value& subject, const Value& pattern);

// Truncation toward zero, saturating at the integer limits; NaN gives 0.
std::int64_t to_integer(double d);

// The absolute difference below which two floats count as equal.
inline constexpr double kFloatEpsilon = 2.220446049250313e-16;

} // namespace quillo
