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

// Forces inlining of the few tiny functions that every step of a running
// program goes through.
#define QUILLO_INLINE [[gnu::always_inline]] inline

namespace quillo {

struct FunctionCode;
struct CompiledFunction;
class DictMap;

namespace detail {

// The shared payload of a text, array, dict, function, rectangle or
// triangle, with the number of values holding it.
struct HeapObject {
    std::uint32_t refs = 1;
    virtual ~HeapObject() = default;
    // An unshared copy, for a value about to change its payload.
    virtual HeapObject* clone() const = 0;
};

struct FunctionObject final : HeapObject {
    explicit FunctionObject(std::shared_ptr<const CompiledFunction> c) : code(std::move(c)) {}
    HeapObject* clone() const override { return new FunctionObject(code); }
    std::shared_ptr<const CompiledFunction> code;
};

} // namespace detail

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
    Value() noexcept : head_(Null) { payload_.number = 0; }

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
    // A function value running the given code (compiled here).
    static Value function(std::shared_ptr<const FunctionCode> code);
    static Value function(std::shared_ptr<const CompiledFunction> code);
    static Value rect(RectData r);
    static Value color(ColorData c) noexcept {
        Value v(Color);
        v.head_ |=
            (std::uint64_t{c.r} << 8) | (std::uint64_t{c.g} << 16) | (std::uint64_t{c.b} << 24);
        return v;
    }
    static Value circle(CircleData c) noexcept {
        Value v(Circle);
        v.head_ |= std::uint64_t{static_cast<std::uint32_t>(c.x)} << 32;
        v.payload_.pair = {c.y, static_cast<std::int32_t>(c.radius)};
        return v;
    }
    static Value triangle(TriangleData t);

    // Copies and moves copy the two words as they are; a heap payload gains
    // or loses one owner.
    QUILLO_INLINE Value(const Value& other) noexcept {
        copy_bits(other);
        if (is_heap()) retain();
    }
    QUILLO_INLINE Value(Value&& other) noexcept {
        copy_bits(other);
        other.head_ = Null;
    }
    QUILLO_INLINE Value& operator=(const Value& other) noexcept {
        // The copy is taken before the old payload is released, which may
        // be what holds `other`.
        Value copy(other);
        Value old(std::move(*this));
        copy_bits(copy);
        copy.head_ = Null;
        return *this;
    }
    QUILLO_INLINE Value& operator=(Value&& other) noexcept {
        if (this != &other) {
            Value old(std::move(*this));
            copy_bits(other);
            other.head_ = Null;
        }
        return *this;
    }
    QUILLO_INLINE ~Value() {
        if (is_heap()) release();
    }

    void swap(Value& other) noexcept {
        Value tmp(std::move(other));
        other.copy_bits(*this);
        copy_bits(tmp);
        tmp.head_ = Null;
    }

    Kind kind() const { return static_cast<Kind>(head_ & 0xFFu); }
    bool is(Kind k) const { return kind() == k; }
    bool is_null() const { return kind() == Null; }

    // Payload access; each requires the matching kind.
    std::int64_t as_number() const { return payload_.number; }
    double as_float() const { return payload_.floating; }
    bool as_boolean() const { return payload_.boolean; }
    const std::string& text() const;
    const std::vector<Value>& items() const;
    const DictMap& entries() const;
    // A function's source (parameter names and body) and its compiled form.
    const std::shared_ptr<const FunctionCode>& code() const;
    const CompiledFunction& compiled() const {
        return *static_cast<const detail::FunctionObject*>(payload_.object)->code;
    }
    const RectData& rect_data() const;
    ColorData color_data() const {
        return {static_cast<std::uint8_t>(head_ >> 8), static_cast<std::uint8_t>(head_ >> 16),
                static_cast<std::uint8_t>(head_ >> 24)};
    }
    CircleData circle_data() const {
        return {static_cast<std::int32_t>(static_cast<std::uint32_t>(head_ >> 32)),
                payload_.pair.first, static_cast<std::uint32_t>(payload_.pair.second)};
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
    explicit Value(Kind k) noexcept : head_(k) { payload_.number = 0; }
    explicit Value(Kind k, detail::HeapObject* obj) noexcept : head_(k) { payload_.object = obj; }

    // Kinds whose payload lives in a heap object.
    static constexpr unsigned kHeapKinds = (1u << String) | (1u << Array) | (1u << Dict) |
                                           (1u << Function) | (1u << Rect) | (1u << Triangle);
    bool is_heap() const { return ((kHeapKinds >> kind()) & 1u) != 0; }
    void copy_bits(const Value& other) noexcept {
        head_ = other.head_;
        payload_ = other.payload_;
    }
    void retain() const noexcept { ++payload_.object->refs; }
    void release() noexcept {
        if (--payload_.object->refs == 0) destroy(payload_.object);
    }
    static void destroy(detail::HeapObject* object) noexcept;
    void make_unshared();

    struct Pair {
        std::int32_t first, second;
    };

    // The first word: the kind in the low byte, a colour's r, g, b in the
    // next three, a circle's x in the high half. Kept as one word so that
    // every copy, move and reset reads and writes whole words.
    std::uint64_t head_;
    union {
        std::int64_t number;
        double floating;
        bool boolean;
        Pair pair; // Value::Circle's y and radius
        detail::HeapObject* object;
    } payload_;
};

static_assert(sizeof(Value) == 16, "a Value is two machine words");

// Appends an item to an array value: in place when no other value shares
// the array, otherwise to one copy made with room for the item (so the
// items are copied at most once). Requires an array.
void push_item(Value& array, Value item);

// The condition rule of `if`, `while` and `not`: numbers other than 0,
// floats other than 0.0 and -0.0 (NaN is true), true, and every text,
// array, dict, function and shape (even empty ones); never null.
inline bool is_truthy(const Value& value) {
    switch (value.kind()) {
    case Value::Number: return value.as_number() != 0;
    case Value::Float: return value.as_float() != 0.0;
    case Value::Boolean: return value.as_boolean();
    case Value::Null: return false;
    default: return true;
    }
}

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

// A number as an integer: a float is truncated toward zero (saturating, NaN
// gives 0). False for every other kind.
inline bool as_integer(const Value& v, std::int64_t& out) {
    if (v.is(Value::Number)) {
        out = v.as_number();
        return true;
    }
    if (v.is(Value::Float)) {
        out = to_integer(v.as_float());
        return true;
    }
    return false;
}

// A number as a double: an integer becomes the nearest double. False for
// every other kind.
inline bool as_double(const Value& v, double& out) {
    if (v.is(Value::Float)) {
        out = v.as_float();
        return true;
    }
    if (v.is(Value::Number)) {
        out = static_cast<double>(v.as_number());
        return true;
    }
    return false;
}

// The absolute difference below which two floats count as equal.
inline constexpr double kFloatEpsilon = 2.220446049250313e-16;

} // namespace quillo
