#include "interpreter/value.h"

#include <cmath>
#include <limits>
#include <new>

#include "interpreter/code.h"
#include "interpreter/dict.h"
#include "parser/ast.h"

namespace quillo {

namespace detail {

namespace {

struct StringObject final : HeapObject {
    explicit StringObject(std::string t) : text(std::move(t)) {}
    HeapObject* clone() const override { return new StringObject(text); }
    std::string text;
};

struct ArrayObject final : HeapObject {
    explicit ArrayObject(std::vector<Value> i) : items(std::move(i)) {}
    HeapObject* clone() const override { return new ArrayObject(items); }
    std::vector<Value> items;
};

struct DictObject final : HeapObject {
    explicit DictObject(DictMap m) : map(std::move(m)) {}
    HeapObject* clone() const override { return new DictObject(map); }
    DictMap map;
};

struct RectObject final : HeapObject {
    explicit RectObject(Value::RectData d) : data(d) {}
    HeapObject* clone() const override { return new RectObject(data); }
    Value::RectData data;
};

struct TriangleObject final : HeapObject {
    explicit TriangleObject(Value::TriangleData d) : data(d) {}
    HeapObject* clone() const override { return new TriangleObject(data); }
    Value::TriangleData data;
};

// Objects whose count reached zero while another object was being
// destroyed. Destroying a container releases its elements; handling those
// here instead of recursively keeps the native stack flat however deeply
// arrays and dicts are nested.
struct Graveyard {
    std::vector<HeapObject*> pending;
    bool active = false;
};

Graveyard& graveyard() {
    // Never destroyed: values may be released by other static destructors.
    static Graveyard* g = new Graveyard;
    return *g;
}

void destroy(HeapObject* obj) noexcept {
    Graveyard& g = graveyard();
    if (g.active) {
        try {
            g.pending.push_back(obj);
            return;
        } catch (...) {
            // No room to defer it: destroy it right here instead.
            delete obj;
            return;
        }
    }
    g.active = true;
    delete obj;
    while (!g.pending.empty()) {
        HeapObject* next = g.pending.back();
        g.pending.pop_back();
        delete next;
    }
    g.active = false;
}

} // namespace
} // namespace detail

using detail::ArrayObject;
using detail::DictObject;
using detail::FunctionObject;
using detail::RectObject;
using detail::StringObject;
using detail::TriangleObject;

Value Value::string(std::string text) {
    return Value(String, new StringObject(std::move(text)));
}

Value Value::array(std::vector<Value> items) {
    return Value(Array, new ArrayObject(std::move(items)));
}

Value Value::dict(DictMap map) {
    return Value(Dict, new DictObject(std::move(map)));
}

Value Value::function(std::shared_ptr<const FunctionCode> code) {
    return function(compile_function(std::move(code)));
}

Value Value::function(std::shared_ptr<const CompiledFunction> code) {
    return Value(Function, new FunctionObject(std::move(code)));
}

Value Value::rect(RectData r) {
    return Value(Rect, new RectObject(r));
}

Value Value::triangle(TriangleData t) {
    return Value(Triangle, new TriangleObject(t));
}

void Value::destroy(detail::HeapObject* object) noexcept {
    detail::destroy(object);
}

bool Value::unshared() const {
    return !is_heap() || payload_.object->refs == 1;
}

void Value::make_unshared() {
    if (payload_.object->refs == 1) return;
    detail::HeapObject* copy = payload_.object->clone();
    release();
    payload_.object = copy;
}

const std::string& Value::text() const {
    return static_cast<const StringObject*>(payload_.object)->text;
}

const std::vector<Value>& Value::items() const {
    return static_cast<const ArrayObject*>(payload_.object)->items;
}

const DictMap& Value::entries() const {
    return static_cast<const DictObject*>(payload_.object)->map;
}

const std::shared_ptr<const FunctionCode>& Value::code() const {
    return static_cast<const FunctionObject*>(payload_.object)->code->source;
}

const Value::RectData& Value::rect_data() const {
    return static_cast<const RectObject*>(payload_.object)->data;
}

const Value::TriangleData& Value::triangle_data() const {
    return static_cast<const TriangleObject*>(payload_.object)->data;
}

std::string& Value::text_mut() {
    make_unshared();
    return static_cast<StringObject*>(payload_.object)->text;
}

std::vector<Value>& Value::items_mut() {
    make_unshared();
    return static_cast<ArrayObject*>(payload_.object)->items;
}

DictMap& Value::entries_mut() {
    make_unshared();
    return static_cast<DictObject*>(payload_.object)->map;
}

std::string_view type_name(Value::Kind kind) {
    switch (kind) {
    case Value::Number: return "number";
    case Value::Float: return "float";
    case Value::String: return "string";
    case Value::Boolean: return "boolean";
    case Value::Array: return "array";
    case Value::Dict: return "dict";
    case Value::Null: return "null";
    default: return "unknown";
    }
}

std::string_view type_name(const Value& value) {
    return type_name(value.kind());
}

bool values_match(const Value& subject, const Value& pattern) {
    if (subject.kind() != pattern.kind()) return false;
    switch (subject.kind()) {
    case Value::Number: return subject.as_number() == pattern.as_number();
    case Value::Float: return std::fabs(subject.as_float() - pattern.as_float()) < kFloatEpsilon;
    case Value::String: return subject.text() == pattern.text();
    case Value::Boolean: return subject.as_boolean() == pattern.as_boolean();
    case Value::Null: return true;
    default: return false;
    }
}

std::int64_t to_integer(double d) {
    if (std::isnan(d)) return 0;
    // 2^63 is exactly representable; everything at or above it saturates.
    if (d >= 9223372036854775808.0) return std::numeric_limits<std::int64_t>::max();
    if (d <= -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(d);
}

void push_item(Value& array, Value item) {
    if (!array.unshared()) {
        const std::vector<Value>& old = array.items();
        std::vector<Value> items;
        items.reserve(old.size() + 1);
        items.insert(items.end(), old.begin(), old.end());
        array = Value::array(std::move(items));
    }
    array.items_mut().push_back(std::move(item));
}

} // namespace quillo
